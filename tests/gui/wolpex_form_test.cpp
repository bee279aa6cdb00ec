// The form of wolpex as built: boxes, frames, tables, default texts, the action bar and the
// about box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_script.h"
#include "gui_helpers.h"
#include "program_window.h"
#include "wolpex.h"

namespace {

using gui_test::Cell;
using gui_test::children;
using gui_test::frame_title;
using namespace wolpex;

using WolpexForm = gui_test::ProgramWindow<wolpex::settings>;

GtkWidget* frame_in(GtkWidget* box) {
    const std::vector<GtkWidget*> inside = children(box);
    EXPECT_EQ(inside.size(), 1u);
    return inside.empty() ? nullptr : inside[0];
}

GtkWidget* table_of(GtkWidget* frame) { return gtk_bin_get_child(GTK_BIN(frame)); }

void expect_field_table(GtkWidget* table, guint rows, guint columns) {
    ASSERT_TRUE(GTK_IS_TABLE(table));
    guint r = 0, c = 0;
    g_object_get(table, "n-rows", &r, "n-columns", &c, nullptr);
    EXPECT_EQ(r, rows);
    EXPECT_EQ(c, columns);
    EXPECT_FALSE(gtk_table_get_homogeneous(GTK_TABLE(table)));
    EXPECT_EQ(gtk_table_get_default_row_spacing(GTK_TABLE(table)), 2u);
    EXPECT_EQ(gtk_table_get_default_col_spacing(GTK_TABLE(table)), 3u);
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(table)), 3u);
}

// Field i (1..16) sits as label then entry in a four-column grid of pairs.
void expect_field(GtkWidget* table, int i, const std::string& label, GtkWidget* entry) {
    const guint column = 2 * ((i - 1) % 4);
    const guint row = (i - 1) / 4;
    GtkWidget* l = gui_test::table_child_at(table, column, row);
    ASSERT_TRUE(l != nullptr && GTK_IS_LABEL(l)) << label;
    EXPECT_EQ(gui_test::label_text(l), label);
    EXPECT_EQ(gui_test::table_cell(entry), (Cell{column + 1, column + 2, row, row + 1})) << label;
    GtkAttachOptions x, y;
    gtk_container_child_get(GTK_CONTAINER(table), entry, "x-options", &x, "y-options", &y,
                            nullptr);
    EXPECT_EQ(x, GTK_EXPAND | GTK_FILL);
    EXPECT_EQ(y, GTK_EXPAND | GTK_FILL);
}

TEST_F(WolpexForm, WindowAndBoxes) {
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(shell::main_window)),
                 "n-Massen Torsionsschwinger");
    EXPECT_NE(gtk_window_get_icon(GTK_WINDOW(shell::main_window)), nullptr);
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(shell::main_window)), outer_box);
    gint w = 0, h = 0;
    gtk_widget_get_size_request(outer_box, &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
    gui_test::run_for(50);
    EXPECT_EQ(shell::main_window->allocation.width, 800);
    EXPECT_EQ(shell::main_window->allocation.height, 600);

    EXPECT_EQ(children(outer_box), std::vector<GtkWidget*>{scroller});
    const gui_test::Packing scroller_packing = gui_test::packing(scroller);
    EXPECT_TRUE(scroller_packing.expand);
    EXPECT_TRUE(scroller_packing.fill);
    EXPECT_EQ(scroller_packing.padding, 3u);
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(scroller)), 5u);
    GtkPolicyType hp, vp;
    gtk_scrolled_window_get_policy(GTK_SCROLLED_WINDOW(scroller), &hp, &vp);
    EXPECT_EQ(hp, GTK_POLICY_AUTOMATIC);
    EXPECT_EQ(vp, GTK_POLICY_AUTOMATIC);
    GtkWidget* viewport = gtk_bin_get_child(GTK_BIN(scroller));
    ASSERT_TRUE(GTK_IS_VIEWPORT(viewport));
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(viewport)), content_box);

    EXPECT_EQ(children(content_box),
              (std::vector<GtkWidget*>{input_box, action_box, result_box, plot_box}));
    EXPECT_EQ(children(input_box), (std::vector<GtkWidget*>{masses_box, stiffness_box}));
    for (GtkWidget* box : {masses_box, input_box, action_box, result_box, plot_box, content_box}) {
        EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(box)), 5u);
    }
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(stiffness_box)), 0u);
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(outer_box)), 0u);
    for (GtkWidget* box : {masses_box, stiffness_box, input_box, action_box, result_box,
                           plot_box, content_box, outer_box}) {
        EXPECT_FALSE(gtk_box_get_homogeneous(GTK_BOX(box)));
        EXPECT_EQ(gtk_box_get_spacing(GTK_BOX(box)), 0);
    }
    for (GtkWidget* child : {input_box, action_box, result_box, plot_box, masses_box,
                             stiffness_box}) {
        const gui_test::Packing p = gui_test::packing(child);
        EXPECT_FALSE(p.expand);
        EXPECT_FALSE(p.fill);
        EXPECT_EQ(p.padding, 3u);
    }

    // Top to bottom: the frames of the sections.
    EXPECT_EQ(frame_title(frame_in(masses_box)), "Massen");
    EXPECT_EQ(frame_title(frame_in(stiffness_box)), "Steifigkeiten");
    EXPECT_EQ(frame_title(frame_in(action_box)), "Aktionen");
    EXPECT_EQ(frame_title(frame_in(result_box)), "Ergebnisse");
    EXPECT_EQ(frame_title(frame_in(plot_box)), "Frequenzplot");
    EXPECT_EQ(table_of(frame_in(plot_box)), plot_area);
    gtk_widget_get_size_request(plot_area, &w, &h);
    EXPECT_EQ(w, 1200);
    EXPECT_EQ(h, 300);
}

// The plot is wider than the window: only the horizontal bar is needed at first... and the
// form is taller than 600 pixels, so the vertical one too. Each bar shows exactly when its
// direction does not fit.
TEST_F(WolpexForm, ScrollBarsOnlyWhereTheFormDoesNotFit) {
    gui_test::run_for(50);
    GtkWidget* viewport = gtk_bin_get_child(GTK_BIN(scroller));
    const bool too_wide = content_box->requisition.width > viewport->allocation.width;
    const bool too_high = content_box->requisition.height > viewport->allocation.height;
    EXPECT_TRUE(too_wide);
    EXPECT_EQ(gtk_widget_get_visible(GTK_SCROLLED_WINDOW(scroller)->hscrollbar), too_wide);
    EXPECT_EQ(gtk_widget_get_visible(GTK_SCROLLED_WINDOW(scroller)->vscrollbar), too_high);
}

TEST_F(WolpexForm, MassesAndStiffnessesWithTheExampleChain) {
    const char* const inertia_defaults[] = {"0.004",  "0.001",   "0.01",   "0.01",
                                            "0.01",   "0.01",    "0.215",  "0.00028",
                                            "0.00425", "0.0025", "0.0065", "0.0024",
                                            "0.00237", "0.1241", "4748",   "0"};
    const char* const stiffness_defaults[] = {"20000", "90000", "450000", "450000",
                                              "450000", "500000", "1600", "9000",
                                              "60000", "9000",  "9000",   "54800",
                                              "700",   "2900",  "0",      "15"};
    GtkWidget* masses = table_of(frame_in(masses_box));
    GtkWidget* springs = table_of(frame_in(stiffness_box));
    expect_field_table(masses, 4, 8);
    expect_field_table(springs, 4, 8);
    for (int i = 1; i <= 16; ++i) {
        expect_field(masses, i, "J" + std::to_string(i) + " / kgm^2", inertia_entry[i]);
        EXPECT_EQ(gui_test::entry_text(inertia_entry[i]), inertia_defaults[i - 1]);
        EXPECT_TRUE(gtk_editable_get_editable(GTK_EDITABLE(inertia_entry[i])));
        const std::string label =
            i < 16 ? "ct" + std::to_string(i) + " / (Nm/rad)" : "Anzahl der Drehmassen";
        expect_field(springs, i, label, stiffness_entry[i]);
        EXPECT_EQ(gui_test::entry_text(stiffness_entry[i]), stiffness_defaults[i - 1]);
        EXPECT_TRUE(gtk_editable_get_editable(GTK_EDITABLE(stiffness_entry[i])));
    }
    // The mass count sits in the last cell, right of ct15.
    EXPECT_EQ(gui_test::table_cell(stiffness_entry[16]), (Cell{7, 8, 3, 4}));
}

TEST_F(WolpexForm, ResultsAndTheModeChoice) {
    GtkWidget* table = table_of(frame_in(result_box));
    expect_field_table(table, 5, 8);
    for (int k = 0; k < 16; ++k) {
        expect_field(table, k + 1, "F" + std::to_string(k + 1) + " / Hz", frequency_entry[k]);
        EXPECT_EQ(gui_test::entry_text(frequency_entry[k]), "");
        EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(frequency_entry[k])));
    }
    GtkWidget* mode_label = gui_test::table_child_at(table, 1, 4);
    ASSERT_NE(mode_label, nullptr);
    EXPECT_EQ(gui_test::label_text(mode_label), "Eigenform welcher Frequenz zeichnen?");
    EXPECT_EQ(gui_test::table_cell(mode_label), (Cell{1, 3, 4, 5}));
    EXPECT_EQ(gui_test::table_cell(mode_entry), (Cell{3, 4, 4, 5}));
    EXPECT_EQ(gui_test::entry_text(mode_entry), "0");
    EXPECT_TRUE(gtk_editable_get_editable(GTK_EDITABLE(mode_entry)));
    EXPECT_EQ(children(table).size(), 16u * 2u + 2u);
}

TEST_F(WolpexForm, ActionBarButtonsInOrderWithTheirTooltips) {
    GtkWidget* bar = gtk_bin_get_child(GTK_BIN(frame_in(action_box)));
    EXPECT_EQ(children(bar), (std::vector<GtkWidget*>{shell::calculate_button, shell::save_button,
                                                      shell::info_button, shell::quit_button,
                                                      shell::draw_button}));
    const struct {
        GtkWidget* button;
        const char* label;
        const char* tooltip;
    } rows[] = {{shell::calculate_button, "Rechnen", "Berechnung starten"},
                {shell::save_button, "Speichern", "Speichern der Ergebnisse"},
                {shell::info_button, "Info", "Informationen anzeigen"},
                {shell::quit_button, "Beenden", "Programm beenden"},
                {shell::draw_button, "Eigenform zeichnen", "Eigenform der Frequenz plotten"}};
    for (const auto& row : rows) {
        const std::vector<GtkWidget*> parts = children(gtk_bin_get_child(GTK_BIN(row.button)));
        ASSERT_EQ(parts.size(), 2u);
        EXPECT_EQ(gui_test::label_text(parts[1]), row.label);
        // The picture was found: not GTK's missing-image picture.
        EXPECT_EQ(gtk_image_get_storage_type(GTK_IMAGE(parts[0])), GTK_IMAGE_PIXBUF) << row.label;
        gchar* tip = gtk_widget_get_tooltip_text(row.button);
        EXPECT_STREQ(tip, row.tooltip);
        g_free(tip);
    }
}

TEST_F(WolpexForm, AboutBox) {
    gui_test::DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    gui_test::click(shell::info_button);
    gui_test::run_for(100);
    ASSERT_EQ(script.seen().size(), 1u);
    const gui_test::DialogSeen& about = script.seen()[0];
    EXPECT_EQ(about.type, GTK_MESSAGE_INFO);
    EXPECT_EQ(about.parent, GTK_WINDOW(shell::main_window));
    std::vector<std::string> lines;
    std::string rest = about.text;
    for (size_t at; (at = rest.find('\n')) != std::string::npos; rest.erase(0, at + 1)) {
        lines.push_back(rest.substr(0, at));
    }
    lines.push_back(rest);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Ein Mehrmassen-Torsionsschwinger-Rechenprogramm von");
    EXPECT_NE(lines[1].find(" und "), std::string::npos);
    EXPECT_EQ(lines[2].back(), ',');
    EXPECT_NE(lines[2].find(", "), std::string::npos);
    EXPECT_EQ(lines[3], "18.8.2010");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5].rfind("http://", 0), 0u);
    EXPECT_EQ(lines[6].rfind("http://", 0), 0u);
}

} // namespace
