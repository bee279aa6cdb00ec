// barvilo's real window, built in-process and driven through its widgets: the layout of the
// form, the choice of the buckling case, "Rechnen" with its questions and input errors, and
// "Speichern" with a chosen file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "barvilo.h"
#include "dialog_script.h"
#include "gui_helpers.h"
#include "program_window.h"
#include "report.h"
#include "test_files.h"

namespace {

using gui_test::Cell;
using gui_test::DialogScript;

const char* const INPUT_ERROR_TEXT =
    "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";
const char* const NOT_COMPUTED_TEXT = "Berechnung noch nicht durchgefuert!";
const char* const RECOMPUTE_TEXT = "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n";

// A fresh window per test, as the program builds it at start.
class BarviloWindow : public gui_test::ProgramWindow<barvilo::settings> {
  protected:
    void SetUp() override {
        barvilo::buckling_case = 0;
        ProgramWindow::SetUp();
    }

    static std::vector<std::string> result_texts() {
        std::vector<std::string> texts;
        for (GtkWidget* entry : barvilo::result_entry) {
            texts.push_back(gui_test::entry_text(entry));
        }
        return texts;
    }

    static std::string verdict() { return gui_test::label_text(barvilo::verdict_label); }

    // "Rechnen" when no question is due; fails on any dialog.
    static void calculate() {
        DialogScript script;
        gui_test::click(shell::calculate_button);
        EXPECT_TRUE(script.seen().empty());
    }
};

// The example member's results in case 1, as the entries show them.
const std::vector<std::string> CASE_1_RESULTS = {"458.00000", "2.49999", "183.20093", "63.76737",
                                                 "44.56328",  "8.65393", "679.67995"};

TEST_F(BarviloWindow, ColumnOfFramesAroundTheActionBar) {
    ASSERT_EQ(gtk_bin_get_child(GTK_BIN(shell::main_window)), barvilo::main_vbox);
    const std::vector<GtkWidget*> column = gui_test::children(barvilo::main_vbox);
    ASSERT_EQ(column.size(), 3u);
    EXPECT_EQ(gui_test::frame_title(column[0]), "Eingabedaten");
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(column[0])), barvilo::input_box);
    EXPECT_EQ(column[1], barvilo::action_box);
    EXPECT_EQ(column[2], barvilo::result_box);
    EXPECT_EQ(gui_test::children(barvilo::input_box),
              (std::vector<GtkWidget*>{barvilo::geometry_row, barvilo::case_row}));

    struct BoxRow {
        GtkWidget* box;
        const char* frame;
        guint border;
    };
    for (const BoxRow& row :
         {BoxRow{barvilo::geometry_row, "Geometrie", 0}, BoxRow{barvilo::case_row, "Auswahl", 0},
          BoxRow{barvilo::action_box, "Aktionen", 5},
          BoxRow{barvilo::result_box, "Ergebnisse", 5}}) {
        SCOPED_TRACE(row.frame);
        const std::vector<GtkWidget*> inside = gui_test::children(row.box);
        ASSERT_EQ(inside.size(), 1u);
        EXPECT_EQ(gui_test::frame_title(inside[0]), row.frame);
        EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(row.box)), row.border);
    }
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(barvilo::main_vbox)), 5u);
    for (GtkWidget* child : {column[0], barvilo::action_box, barvilo::result_box,
                             barvilo::geometry_row, barvilo::case_row}) {
        const gui_test::Packing p = gui_test::packing(child);
        EXPECT_FALSE(p.expand);
        EXPECT_FALSE(p.fill);
        EXPECT_EQ(p.padding, 3u);
    }

    // Four buttons in the bar, no drawing button.
    GtkWidget* bar_frame = gui_test::children(barvilo::action_box)[0];
    EXPECT_EQ(gui_test::children(gtk_bin_get_child(GTK_BIN(bar_frame))),
              (std::vector<GtkWidget*>{shell::calculate_button, shell::save_button,
                                       shell::info_button, shell::quit_button}));
    EXPECT_EQ(shell::draw_button, nullptr);
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(shell::main_window)), "Knickung von Bauteilen");
}

TEST_F(BarviloWindow, InputsStartWithTheExampleMemberInGridOrder) {
    struct InputRow {
        const char* label;
        const char* text;
        Cell entry_cell;
    };
    const InputRow rows[barvilo::INPUT_COUNT] = {
        {"Kraft F / N", "3500", {1, 2, 0, 1}},
        {"Knicklaenge L1 / mm", "229", {1, 2, 1, 2}},
        {"Flaeche A / mm^2", "78.54", {1, 2, 2, 3}},
        {"Flaechentraegheitsmoment I / mm^4", "490.87", {3, 4, 0, 1}},
        {"E-Modul E / (N/mm^2)", "206000", {3, 4, 1, 2}},
        {"Streckgrenze Re / (N/mm^2)", "500", {3, 4, 2, 3}},
        {"Sicherheit / 1", "7", {1, 2, 3, 4}},
    };
    GtkWidget* table = gtk_widget_get_parent(barvilo::input_entry[0]);
    for (int k = 0; k < barvilo::INPUT_COUNT; ++k) {
        SCOPED_TRACE(rows[k].label);
        GtkWidget* entry = barvilo::input_entry[k];
        EXPECT_EQ(gtk_widget_get_parent(entry), table);
        EXPECT_EQ(gui_test::table_cell(entry), rows[k].entry_cell);
        EXPECT_EQ(gui_test::entry_text(entry), rows[k].text);
        EXPECT_TRUE(gtk_editable_get_editable(GTK_EDITABLE(entry)));
        GtkWidget* label =
            gui_test::table_child_at(table, rows[k].entry_cell.left - 1, rows[k].entry_cell.top);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(gui_test::label_text(label), rows[k].label);
    }
    EXPECT_EQ(gui_test::table_child_at(table, 2, 3), nullptr);
    EXPECT_EQ(gtk_table_get_default_row_spacing(GTK_TABLE(table)), 2u);
    EXPECT_EQ(gtk_table_get_default_col_spacing(GTK_TABLE(table)), 3u);
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(table)), 3u);
}

TEST_F(BarviloWindow, CasePicturesStandAboveTheirButtonsWithCaseOneActive) {
    const char* const labels[4] = {
        "Knickfall 1 (eingespannt/frei)", "Knickfall 2 (gelenkig/gelenkig)",
        "Knickfall 3 (eingespannt/gelenkig)", "Knickfall 4 (eingespannt/eingespannt)"};
    GtkWidget* table = gtk_widget_get_parent(barvilo::case_buttons[0]);
    GSList* group = gtk_radio_button_get_group(GTK_RADIO_BUTTON(barvilo::case_buttons[0]));
    EXPECT_EQ(g_slist_length(group), 4u);
    EXPECT_EQ(barvilo::case_group, group);
    for (guint i = 0; i < 4; ++i) {
        SCOPED_TRACE(labels[i]);
        GtkWidget* button = barvilo::case_buttons[i];
        EXPECT_EQ(gui_test::table_cell(button), (Cell{i, i + 1, 1, 2}));
        EXPECT_STREQ(gtk_button_get_label(GTK_BUTTON(button)), labels[i]);
        EXPECT_NE(g_slist_find(group, button), nullptr);
        EXPECT_EQ(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button)), i == 0);

        // The picture above the button is the case's own file, pixel for pixel.
        GtkWidget* picture = gui_test::table_child_at(table, i, 0);
        ASSERT_TRUE(picture != nullptr && GTK_IS_IMAGE(picture));
        ASSERT_EQ(gtk_image_get_storage_type(GTK_IMAGE(picture)), GTK_IMAGE_PIXBUF)
            << "picture missing in the working folder";
        GdkPixbuf* shown = gtk_image_get_pixbuf(GTK_IMAGE(picture));
        const std::string file = "Knickfall" + std::to_string(i + 1) + ".png";
        GdkPixbuf* original = gdk_pixbuf_new_from_file(file.c_str(), nullptr);
        ASSERT_NE(original, nullptr);
        const size_t bytes = static_cast<size_t>(gdk_pixbuf_get_rowstride(original)) *
                             static_cast<size_t>(gdk_pixbuf_get_height(original));
        EXPECT_EQ(gdk_pixbuf_get_width(shown), gdk_pixbuf_get_width(original));
        EXPECT_EQ(gdk_pixbuf_get_height(shown), gdk_pixbuf_get_height(original));
        EXPECT_EQ(gdk_pixbuf_get_rowstride(shown), gdk_pixbuf_get_rowstride(original));
        EXPECT_EQ(
            std::string(reinterpret_cast<const char*>(gdk_pixbuf_get_pixels(shown)), bytes),
            std::string(reinterpret_cast<const char*>(gdk_pixbuf_get_pixels(original)), bytes));
        g_object_unref(original);
    }
    // Selecting case 1 at build time ran no handler.
    EXPECT_EQ(barvilo::buckling_case, 0);
    EXPECT_EQ(shell::calculation_done, 0);
}

TEST_F(BarviloWindow, ResultsStartEmptyWithTheVerdictOverTwoColumns) {
    const char* const labels[barvilo::RESULT_COUNT] = {
        "freie Knicklaenge / mm",    "Traegheitsradius / mm",    "Schlankheitsgrad / 1",
        "Grenzschlankheitsgrad / 1", "Druckspannung / (N/mm^2)", "zul. Druckspannung / (N/mm^2)",
        "zul. Maximalkraft / N"};
    for (guint k = 0; k < barvilo::RESULT_COUNT; ++k) {
        SCOPED_TRACE(labels[k]);
        const guint column = k < 4 ? 0 : 2;
        const guint row = k < 4 ? k : k - 4;
        EXPECT_EQ(gui_test::table_cell(barvilo::result_label[k]),
                  (Cell{column, column + 1, row, row + 1}));
        EXPECT_EQ(gui_test::table_cell(barvilo::result_entry[k]),
                  (Cell{column + 1, column + 2, row, row + 1}));
        EXPECT_EQ(gui_test::label_text(barvilo::result_label[k]), labels[k]);
        EXPECT_EQ(gui_test::entry_text(barvilo::result_entry[k]), "");
        EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(barvilo::result_entry[k])));
    }
    EXPECT_EQ(barvilo::verdict_label, barvilo::result_label[barvilo::RESULT_COUNT]);
    EXPECT_EQ(gui_test::table_cell(barvilo::verdict_label), (Cell{2, 4, 3, 4}));
    EXPECT_EQ(verdict(), "Knickung?");
}

TEST_F(BarviloWindow, InfoShowsTheAboutTextOfEightLines) {
    DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    gui_test::click(shell::info_button);
    ASSERT_EQ(script.seen().size(), 1u);
    const std::string text = script.seen()[0].text;
    gchar** lines = g_strsplit(text.c_str(), "\n", -1);
    ASSERT_EQ(g_strv_length(lines), 8u) << text;
    EXPECT_STREQ(lines[0], "Ein Rechenprogramm fuer Knickung von");
    EXPECT_STREQ(lines[4], "24.8.2010");
    EXPECT_STREQ(lines[5], "");
    EXPECT_STRNE(lines[7], "");
    g_strfreev(lines);
    EXPECT_EQ(script.seen()[0].type, GTK_MESSAGE_INFO);
}

TEST_F(BarviloWindow, EachCaseComputesItsOwnCheck) {
    struct CaseRow {
        int button;
        int code;
        std::vector<std::string> results;
        const char* verdict;
    };
    // Case 4 first, so that every case is reached by a real change of selection.
    const CaseRow rows[] = {
        {3,
         barvilo::BUCKLING_CASE_4,
         {"114.50000", "2.49999", "45.80023", "63.76737", "44.56328", "138.46294", "10874.87921"},
         barvilo::VERDICT_TETMAJER},
        {1,
         barvilo::BUCKLING_CASE_2,
         {"229.00000", "2.49999", "91.60047", "63.76737", "44.56328", "34.61573", "2718.71980"},
         barvilo::VERDICT_EULER},
        {2,
         barvilo::BUCKLING_CASE_3,
         {"161.92745", "2.49999", "64.77131", "63.76737", "44.56328", "69.23147", "5437.43961"},
         barvilo::VERDICT_EULER},
        {0, barvilo::BUCKLING_CASE_1, CASE_1_RESULTS, barvilo::VERDICT_EULER},
    };
    for (const CaseRow& row : rows) {
        SCOPED_TRACE(row.code);
        gui_test::click(barvilo::case_buttons[row.button]);
        EXPECT_EQ(barvilo::buckling_case, row.code);
        calculate();
        EXPECT_EQ(result_texts(), row.results);
        EXPECT_EQ(verdict(), row.verdict);
    }
}

TEST_F(BarviloWindow, CaseClickAfterCalculationAsksForANewCalculation) {
    // Without a case click, a second "Rechnen" asks first; "No" keeps everything.
    calculate();
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_NO);
        gui_test::set_text(barvilo::input_entry[0], "1");
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts(), std::vector<std::string>{RECOMPUTE_TEXT});
        EXPECT_EQ(result_texts(), CASE_1_RESULTS);
        EXPECT_EQ(shell::calculation_done, 1);
        gui_test::set_text(barvilo::input_entry[0], "3500");
    }
    // Every case button, the active one too, makes "Speichern" refuse and lets "Rechnen"
    // go on without the question.
    for (int button : {0, 2, 2, 1, 3, 0}) {
        SCOPED_TRACE(button);
        gui_test::click(barvilo::case_buttons[button]);
        EXPECT_EQ(shell::calculation_done, 0);
        EXPECT_EQ(barvilo::buckling_case, barvilo::BUCKLING_CASE_1 + button);
        {
            DialogScript script;
            script.answer(GTK_RESPONSE_OK);
            gui_test::click(shell::save_button);
            ASSERT_EQ(script.seen().size(), 1u);
            EXPECT_FALSE(script.seen()[0].is_chooser);
            EXPECT_EQ(script.seen()[0].text, NOT_COMPUTED_TEXT);
            EXPECT_EQ(script.seen()[0].type, GTK_MESSAGE_INFO);
        }
        calculate();
        EXPECT_EQ(shell::calculation_done, 1);
    }
}

TEST_F(BarviloWindow, BadFieldShowsItsPositionThenTheInputError) {
    struct BadRow {
        int field;
        const char* text;
        const char* message;
    };
    const BadRow rows[] = {
        {0, "-5", "Stelle 1: keine Zahl\n"},         {2, "78,54", "Stelle 3: keine Zahl\n"},
        {4, "2.06e5", "Stelle 5: keine Zahl\n"},     {6, "7 ", "Stelle 2: keine Zahl\n"},
        {3, "49\xc3\xa4", "Stelle 3: keine Zahl\n"}, // an umlaut: its first byte counts
    };
    for (const BadRow& row : rows) {
        SCOPED_TRACE(row.text);
        gui_test::set_text(barvilo::input_entry[row.field], row.text);
        shell::calculation_done = 0;
        DialogScript script;
        script.answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
        EXPECT_EQ(barvilo::on_calculate(nullptr, nullptr), -1);
        ASSERT_EQ(script.seen().size(), 2u);
        EXPECT_EQ(script.texts(), (std::vector<std::string>{row.message, INPUT_ERROR_TEXT}));
        EXPECT_EQ(script.seen()[0].type, GTK_MESSAGE_INFO);
        EXPECT_EQ(script.seen()[1].type, GTK_MESSAGE_ERROR);
        for (const gui_test::DialogSeen& seen : script.seen()) {
            EXPECT_EQ(seen.parent, GTK_WINDOW(shell::main_window));
            EXPECT_TRUE(seen.destroy_with_parent);
        }
        // Started, but nothing shown: the calculation counts as done.
        EXPECT_EQ(shell::calculation_done, 1);
        EXPECT_EQ(result_texts(), std::vector<std::string>(barvilo::RESULT_COUNT, ""));
        EXPECT_EQ(verdict(), "Knickung?");
        gui_test::set_text(barvilo::input_entry[row.field], "1");
    }
}

TEST_F(BarviloWindow, EmptyFieldAndHugeResultAreShown) {
    // An empty A reads as 0; a force of 1e300 N on 1 mm^2 is shown with all 301 digits.
    gui_test::set_text(barvilo::input_entry[2], "");
    calculate();
    EXPECT_EQ(gui_test::entry_text(barvilo::result_entry[4]), "    inf");
    EXPECT_EQ(verdict(), barvilo::VERDICT_TETMAJER);

    gui_test::click(barvilo::case_buttons[0]);
    gui_test::set_text(barvilo::input_entry[0], "1" + std::string(300, '0'));
    gui_test::set_text(barvilo::input_entry[2], "1");
    calculate();
    const std::string shown = gui_test::entry_text(barvilo::result_entry[4]);
    EXPECT_EQ(shown.size(), 301u + 6u);
    EXPECT_EQ(std::strtod(shown.c_str(), nullptr), 1e300);
}

// The report of the example member in case 1, as the core writes it.
std::string example_case_1_report() {
    const double inputs[barvilo::INPUT_COUNT] = {3500, 229, 78.54, 490.87, 206000, 500, 7};
    const barvilo::BucklingResults results =
        barvilo::check_buckling(barvilo::member_from_inputs(inputs), barvilo::BUCKLING_CASE_1);
    const auto values = results.in_display_order();
    return test_files::capture([&](std::FILE* file) {
        barvilo::write_report(file, inputs, barvilo::BUCKLING_CASE_1, values.data(),
                              barvilo::VERDICT_EULER);
    });
}

TEST_F(BarviloWindow, SaveWritesTheCalculationNotTheEditedEntries) {
    calculate();
    // Edits after the calculation do not reach the report.
    gui_test::set_text(barvilo::input_entry[0], "9999");
    const std::string path = test_files::scratch_path("knickung_fall1");
    {
        DialogScript script;
        script.choose_file(path);
        gui_test::click(shell::save_button);
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_TRUE(script.seen()[0].is_chooser);
    }
    const std::string report = test_files::read_file(path);
    EXPECT_EQ(report, example_case_1_report());
    EXPECT_NE(report.find("Kraft F / N:                             3500.00000\n"),
              std::string::npos);
    EXPECT_EQ(shell::calculation_done, 1);

    // The same results again into the same file: asked first, then written again.
    {
        DialogScript script;
        script.choose_file(path).answer(GTK_RESPONSE_YES);
        gui_test::click(shell::save_button);
        ASSERT_EQ(script.seen().size(), 2u);
    }
    EXPECT_EQ(test_files::read_file(path), report);
}

TEST_F(BarviloWindow, RejectedInputLeavesOldResultsAndNewlyReadInputs) {
    calculate();
    // F and L1 are read anew, A is rejected; the rest of the report is the first check.
    gui_test::set_text(barvilo::input_entry[0], "4000");
    gui_test::set_text(barvilo::input_entry[1], "300");
    gui_test::set_text(barvilo::input_entry[2], "78.5x");
    gui_test::click(barvilo::case_buttons[3]);
    gui_test::click(barvilo::case_buttons[3]);
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts(),
                  (std::vector<std::string>{"Stelle 5: keine Zahl\n", INPUT_ERROR_TEXT}));
    }
    EXPECT_EQ(result_texts(), CASE_1_RESULTS);
    EXPECT_EQ(verdict(), barvilo::VERDICT_EULER);

    const std::string path = test_files::scratch_path("nach_fehler.txt");
    {
        DialogScript script;
        script.choose_file(path);
        gui_test::click(shell::save_button);
    }
    std::string expected = example_case_1_report();
    const auto replace = [&expected](const std::string& from, const std::string& to) {
        const size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("3500.00000", "4000.00000");
    replace("Knicklaenge l1 / mm:                     229.00000",
            "Knicklaenge l1 / mm:                     300.00000");
    replace("Knickfall: 1", "Knickfall: 4");
    EXPECT_EQ(test_files::read_file(path), expected);
}

} // namespace
