// quendra's real window, built in-process: the column of frames, the three tables with their
// labels and example texts, the action bar without the draw button, the plot frame with the
// range row and the drawing area, and the about box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <gdk/gdkkeysyms.h>

#include "dialog_script.h"
#include "gui_helpers.h"
#include "program_window.h"
#include "quendra.h"

namespace {

using gui_test::Cell;
using gui_test::DialogScript;

using QuendraForm = gui_test::ProgramWindow<quendra::settings>;

std::string tooltip(GtkWidget* widget) {
    gchar* text = gtk_widget_get_tooltip_text(widget);
    std::string copy = text != nullptr ? text : "(none)";
    g_free(text);
    return copy;
}

void expect_packed_plainly(GtkWidget* child) {
    const gui_test::Packing p = gui_test::packing(child);
    EXPECT_FALSE(p.expand);
    EXPECT_FALSE(p.fill);
    EXPECT_EQ(p.padding, 3u);
    EXPECT_EQ(p.pack_type, GTK_PACK_START);
}

TEST_F(QuendraForm, ColumnOfFourSections) {
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(shell::main_window)),
                 "Berechung von Tellerfedern nach DIN 2093");
    ASSERT_EQ(gtk_bin_get_child(GTK_BIN(shell::main_window)), quendra::main_vbox);
    EXPECT_EQ(gui_test::children(quendra::main_vbox),
              (std::vector<GtkWidget*>{quendra::input_box, quendra::action_box, quendra::result_box,
                                       quendra::plot_box}));
    struct Section {
        GtkWidget* box;
        const char* frame;
    };
    for (const Section& s :
         {Section{quendra::input_box, "Geometrie und Werkstoffdaten"},
          Section{quendra::action_box, "Aktionen"}, Section{quendra::result_box, "Ergebnisse"},
          Section{quendra::plot_box, "Federkennlinie zeichnen von - bis"}}) {
        SCOPED_TRACE(s.frame);
        const std::vector<GtkWidget*> inside = gui_test::children(s.box);
        ASSERT_EQ(inside.size(), 1u);
        EXPECT_EQ(gui_test::frame_title(inside[0]), s.frame);
        EXPECT_TRUE(GTK_IS_VBOX(s.box));
        expect_packed_plainly(s.box);
        expect_packed_plainly(inside[0]);
    }
    for (GtkWidget* box : {quendra::main_vbox, quendra::input_box, quendra::action_box,
                           quendra::result_box, quendra::plot_box, quendra::range_hbox}) {
        EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(box)), 5u);
    }
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(quendra::plot_vbox)), 0u);
}

TEST_F(QuendraForm, PlotFrameHoldsRangeRowAboveTheDrawingArea) {
    GtkWidget* frame = gui_test::children(quendra::plot_box)[0];
    ASSERT_EQ(gtk_bin_get_child(GTK_BIN(frame)), quendra::plot_vbox);
    EXPECT_EQ(gui_test::children(quendra::plot_vbox),
              (std::vector<GtkWidget*>{quendra::range_hbox, quendra::curve_area}));
    const std::vector<GtkWidget*> row = gui_test::children(quendra::range_hbox);
    ASSERT_EQ(row.size(), 2u);
    EXPECT_EQ(row[0], gtk_widget_get_parent(quendra::range_entry[0]));
    EXPECT_EQ(row[1], shell::draw_button);
    for (GtkWidget* child : {row[0], row[1], quendra::range_hbox, quendra::curve_area}) {
        expect_packed_plainly(child);
    }

    gint width = 0;
    gint height = 0;
    gtk_widget_get_size_request(quendra::curve_area, &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 300);
    EXPECT_TRUE(GTK_IS_DRAWING_AREA(quendra::curve_area));
    // Painted only by the draw button: nothing is connected to the area's exposes.
    EXPECT_FALSE(g_signal_has_handler_pending(
        quendra::curve_area, g_signal_lookup("expose-event", GTK_TYPE_WIDGET), 0, FALSE));
}

TEST_F(QuendraForm, ActionBarHoldsFourButtonsAndTheDrawButtonSitsInTheRangeRow) {
    GtkWidget* bar_frame = gui_test::children(quendra::action_box)[0];
    EXPECT_EQ(gui_test::children(gtk_bin_get_child(GTK_BIN(bar_frame))),
              (std::vector<GtkWidget*>{shell::calculate_button, shell::save_button,
                                       shell::info_button, shell::quit_button}));
    struct ButtonRow {
        GtkWidget* button;
        const char* tip;
    };
    for (const ButtonRow& b : {ButtonRow{shell::calculate_button, "Berechnung starten"},
                               ButtonRow{shell::save_button, "Speichern der Ergebnisse"},
                               ButtonRow{shell::info_button, "Informationen anzeigen"},
                               ButtonRow{shell::quit_button, "(none)"},
                               ButtonRow{shell::draw_button, "Federkennline zeichnen"}}) {
        EXPECT_EQ(tooltip(b.button), b.tip);
    }
    // The draw button's content follows the bar: its picture, then its label.
    const std::vector<GtkWidget*> content =
        gui_test::children(gtk_bin_get_child(GTK_BIN(shell::draw_button)));
    ASSERT_EQ(content.size(), 2u);
    EXPECT_TRUE(GTK_IS_IMAGE(content[0]));
    EXPECT_EQ(gui_test::label_text(content[1]), "Kennlinie zeichnen");
}

// Presses and releases the key "7" in the entry, with the focus on it, and returns its text.
std::string type_key(GtkWidget* entry) {
    gtk_widget_grab_focus(entry);
    gtk_editable_set_position(GTK_EDITABLE(entry), -1);
    for (GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->key.window = GDK_WINDOW(g_object_ref(entry->window));
        event->key.keyval = GDK_7;
        event->key.string = g_strdup("7");
        event->key.length = 1;
        event->key.time = GDK_CURRENT_TIME;
        gtk_widget_event(entry, event);
        gdk_event_free(event);
    }
    gui_test::drain_events();
    return gui_test::entry_text(entry);
}

struct FieldRow {
    const char* label;
    const char* text;
    Cell entry_cell;
};

void expect_fields(GtkWidget* const* entries, const FieldRow* rows, int count, bool editable,
                   guint table_rows) {
    GtkWidget* table = gtk_widget_get_parent(entries[0]);
    guint rows_seen = 0;
    guint columns_seen = 0;
    gtk_table_get_size(GTK_TABLE(table), &rows_seen, &columns_seen);
    EXPECT_EQ(rows_seen, table_rows);
    EXPECT_EQ(columns_seen, 4u);
    EXPECT_EQ(gtk_table_get_default_row_spacing(GTK_TABLE(table)), 2u);
    EXPECT_EQ(gtk_table_get_default_col_spacing(GTK_TABLE(table)), 3u);
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(table)), 3u);
    EXPECT_FALSE(gtk_table_get_homogeneous(GTK_TABLE(table)));
    EXPECT_EQ(gui_test::children(table).size(), 2u * static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        SCOPED_TRACE(rows[k].label);
        GtkWidget* entry = entries[k];
        EXPECT_EQ(gtk_widget_get_parent(entry), table);
        EXPECT_EQ(gui_test::table_cell(entry), rows[k].entry_cell);
        EXPECT_EQ(gui_test::entry_text(entry), rows[k].text);
        EXPECT_EQ(gtk_editable_get_editable(GTK_EDITABLE(entry)), editable);
        GtkWidget* label =
            gui_test::table_child_at(table, rows[k].entry_cell.left - 1, rows[k].entry_cell.top);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(gui_test::label_text(label), rows[k].label);
        guint x_options = 0;
        guint y_options = 0;
        gtk_container_child_get(GTK_CONTAINER(table), entry, "x-options", &x_options, "y-options",
                                &y_options, nullptr);
        EXPECT_EQ(x_options, static_cast<guint>(GTK_EXPAND | GTK_FILL));
        EXPECT_EQ(y_options, static_cast<guint>(GTK_EXPAND | GTK_FILL));
    }
}

TEST_F(QuendraForm, InputsStartWithTheExampleSpring) {
    const FieldRow rows[quendra::INPUT_COUNT] = {
        {"Aussendurchmesser De / mm", "100", {1, 2, 0, 1}},
        {"E-Modul E / (N/mm^2)", "206000", {3, 4, 0, 1}},
        {"Innendurchmesser Di / mm", "50", {1, 2, 1, 2}},
        {"Querkontraktionszahl nue", "0.3", {3, 4, 1, 2}},
        {"Dicke t / mm", "1", {1, 2, 2, 3}},
        {"Stuelphoehe h0 / mm", "1", {3, 4, 2, 3}},
        {"Federweg s / mm", "1", {1, 2, 3, 4}},
    };
    expect_fields(quendra::input_entry, rows, quendra::INPUT_COUNT, true, 4);
    GtkWidget* table = gtk_widget_get_parent(quendra::input_entry[0]);
    EXPECT_EQ(gui_test::table_child_at(table, 2, 3), nullptr);
    EXPECT_EQ(gui_test::table_child_at(table, 3, 3), nullptr);
    EXPECT_EQ(gtk_widget_get_parent(table), gui_test::children(quendra::input_box)[0]);
}

TEST_F(QuendraForm, ResultsStartAsDashesAndCannotBeEdited) {
    const FieldRow rows[quendra::RESULT_COUNT] = {
        {"Federkraft F / N", "--", {1, 2, 0, 1}},
        {"Spannung 1 / (N/mm^2)", "--", {3, 4, 0, 1}},
        {"Arbeit W / mJ", "--", {1, 2, 1, 2}},
        {"Spannung 2 / (N/mm^2)", "--", {3, 4, 1, 2}},
        {"Spannung OM / (N/mm^2)", "--", {1, 2, 2, 3}},
        {"Spannung 3 / (N/mm^2)", "--", {3, 4, 2, 3}},
    };
    expect_fields(quendra::result_entry, rows, quendra::RESULT_COUNT, false, 3);
    EXPECT_EQ(gtk_widget_get_parent(gtk_widget_get_parent(quendra::result_entry[0])),
              gui_test::children(quendra::result_box)[0]);

    // A key typed into a result entry changes nothing; the same key reaches an input.
    EXPECT_EQ(type_key(quendra::result_entry[0]), "--");
    EXPECT_EQ(type_key(quendra::input_entry[0]), "1007");
}

TEST_F(QuendraForm, RangeStartsFromZeroToOne) {
    const FieldRow rows[2] = {
        {"Federweg von s1 / mm", "0", {1, 2, 0, 1}},
        {"Federweg bis s2 / mm", "1", {3, 4, 0, 1}},
    };
    expect_fields(quendra::range_entry, rows, 2, true, 1);
}

TEST_F(QuendraForm, InfoShowsTheAboutTextOfEightLines) {
    DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    gui_test::click(shell::info_button);
    ASSERT_EQ(script.seen().size(), 1u);
    const gui_test::DialogSeen& about = script.seen()[0];
    EXPECT_EQ(about.type, GTK_MESSAGE_INFO);
    EXPECT_EQ(about.buttons, (std::vector<gui_test::DialogButton>{{"gtk-ok", GTK_RESPONSE_OK}}));
    EXPECT_EQ(about.parent, GTK_WINDOW(shell::main_window));
    EXPECT_TRUE(about.destroy_with_parent);
    EXPECT_EQ(about.text, "Ein Rechenprogramm fuer Tellerfedern nach DIN 2093\n"
                          "von Dr.-Ing. N. N. und Dipl.-Ing. N. N.\n"
                          "Lehrstuhl fuer Maschinenelemente\n"
                          "Technische Hochschule Musterstadt\n"
                          "16.8.2010\n"
                          "\n"
                          "http://www.example.org/maschinenelemente\n"
                          "http://www.example.org/software");
}

} // namespace
