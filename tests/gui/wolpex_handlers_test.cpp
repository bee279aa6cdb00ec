// wolpex in use: "Rechnen" with its questions and messages, the mode-shape plot on the
// button and on exposes, and "Speichern" with the report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_script.h"
#include "gui_helpers.h"
#include "program_window.h"
#include "report.h"
#include "test_files.h"
#include "wolpex.h"

namespace {

using gui_test::DialogScript;
using gui_test::entry_text;
using gui_test::set_text;
using namespace wolpex;

const std::string COUNT_MESSAGE = "Falscher Wert bei Anzahl Drehmassen!\nMin.: 1, Max.: 16";
const std::string NOT_A_NUMBER =
    "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";

class Wolpex : public gui_test::ProgramWindow<wolpex::settings> {
  protected:
    void SetUp() override {
        work_set.reset();
        ProgramWindow::SetUp();
    }

    static std::vector<std::string> frequencies() {
        std::vector<std::string> texts;
        for (GtkWidget* entry : frequency_entry) {
            texts.push_back(entry_text(entry));
        }
        return texts;
    }

    // "Rechnen" on an unchanged form, with no question expected.
    static void calculate() {
        DialogScript none;
        gui_test::click(shell::calculate_button);
        ASSERT_TRUE(none.seen().empty());
    }

    // Makes the whole plot visible on the screen, so that its pixels can be read: the X
    // server keeps no pixels of a window's parts outside the screen.
    static void show_plot() {
        gtk_window_move(GTK_WINDOW(shell::main_window), 0, 0);
        gtk_window_resize(GTK_WINDOW(shell::main_window), 1270, 1000);
        gui_test::run_for(150);
    }
};

TEST_F(Wolpex, ExampleChain) {
    calculate();
    const std::vector<std::string> f = frequencies();
    EXPECT_EQ(f[0], "0.00000");
    EXPECT_EQ(f[1], "5.81206");
    EXPECT_EQ(f[14], "2023.29978");
    EXPECT_EQ(f[15], "--");
    EXPECT_EQ(shell::calculation_done, 1);
    EXPECT_EQ(mass_count, 15);
    EXPECT_EQ(freq_hz[16], 0.0);
}

TEST_F(Wolpex, RecomputeOnlyOnYes) {
    calculate();
    set_text(stiffness_entry[16], "5");
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_NO);
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts(), std::vector<std::string>{
                                      "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n"});
        EXPECT_EQ(frequencies()[14], "2023.29978");
        EXPECT_EQ(mass_count, 15);
    }
    DialogScript script;
    script.answer(GTK_RESPONSE_YES);
    gui_test::click(shell::calculate_button);
    // Counting down to 5 masses: F6 to F16 show "--" and are 0 for the report.
    const std::vector<std::string> f = frequencies();
    for (int k = 5; k < 16; ++k) {
        EXPECT_EQ(f[k], "--") << "F" << k + 1;
        EXPECT_EQ(freq_hz[k + 1], 0.0);
    }
    EXPECT_NE(f[4], "--");
}

TEST_F(Wolpex, MassCounts) {
    struct Case {
        const char* text;
        int analysed; // 0: refused with the count message
    };
    for (const Case c : {Case{"3.9", 3}, Case{"1", 1}, Case{"16.0", 0}, Case{"0", 0},
                         Case{"17", 0}, Case{"", 0}, Case{"99999999999", 0}}) {
        work_set.reset();
        shell::calculation_done = 0;
        for (GtkWidget* entry : frequency_entry) {
            set_text(entry, "vorher");
        }
        set_text(stiffness_entry[16], c.text);
        // 16 masses with the example's J16 of 0 are refused for that reason.
        set_text(inertia_entry[16], std::string(c.text) == "16.0" ? "0" : "1");
        DialogScript script;
        script.answer(GTK_RESPONSE_OK);
        gui_test::click(shell::calculate_button);
        const std::vector<std::string> f = frequencies();
        if (c.analysed > 0) {
            EXPECT_TRUE(script.texts().empty()) << c.text;
            script.answer(GTK_RESPONSE_OK); // unused
            for (int k = 0; k < 16; ++k) {
                EXPECT_EQ(f[k] == "--", k >= c.analysed) << c.text << " F" << k + 1;
            }
            EXPECT_EQ(f[0], "0.00000");
        } else {
            ASSERT_EQ(script.texts().size(), 1u) << c.text;
            EXPECT_EQ(script.texts()[0], std::string(c.text) == "16.0"
                                             ? "Ungueltige Eingabe!\nJ16 muss groesser als 0 sein."
                                             : COUNT_MESSAGE);
            EXPECT_EQ(f, std::vector<std::string>(16, "vorher")) << c.text;
        }
        EXPECT_EQ(shell::calculation_done, 1);
    }
}

// All sixteen masses and stiffness fields are checked before the count, even for 2 masses.
TEST_F(Wolpex, BadTextStopsTheCalculation) {
    calculate();
    set_text(stiffness_entry[16], "2");
    set_text(stiffness_entry[15], "1,5");
    set_text(inertia_entry[3], "0.5"); // read before the bad field: kept
    DialogScript script;
    script.answer(GTK_RESPONSE_YES).answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
    gui_test::click(shell::calculate_button);
    EXPECT_EQ(script.texts(),
              (std::vector<std::string>{"Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n",
                                        "Stelle 2: keine Zahl\n", NOT_A_NUMBER}));
    EXPECT_EQ(script.seen()[2].type, GTK_MESSAGE_ERROR);
    EXPECT_EQ(inertia[3], 0.5);
    EXPECT_EQ(stiffness[16], 15.0); // not read again
    EXPECT_EQ(mass_count, 15);
    EXPECT_EQ(frequencies()[14], "2023.29978");
    EXPECT_EQ(shell::calculation_done, 1);
}

// A chain of 16 with the example's J16 of 0 is refused before the analysis; the last
// completed analysis stays on the screen and in the plot.
TEST_F(Wolpex, ZeroInertiaInTheChainIsRefused) {
    calculate();
    set_text(stiffness_entry[16], "16");
    DialogScript script;
    script.answer(GTK_RESPONSE_YES).answer(GTK_RESPONSE_OK);
    gui_test::click(shell::calculate_button);
    ASSERT_EQ(script.seen().size(), 2u);
    EXPECT_EQ(script.seen()[1].text, "Ungueltige Eingabe!\nJ16 muss groesser als 0 sein.");
    EXPECT_EQ(script.seen()[1].type, GTK_MESSAGE_INFO);
    EXPECT_EQ(frequencies()[14], "2023.29978");
    ASSERT_NE(work_set, nullptr);
    EXPECT_EQ(work_set->n, 15);
    EXPECT_EQ(shell::calculation_done, 1);
}

TEST_F(Wolpex, ModeMessagesComeFromTheButton) {
    // Before any calculation: nothing, silently.
    set_text(mode_entry, "2");
    {
        DialogScript none;
        gui_test::click(shell::draw_button);
        EXPECT_TRUE(none.seen().empty());
    }
    calculate();
    struct Case {
        const char* text;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"0", {}},
        {"", {}},
        {"-1", {"Stelle 1: keine Zahl\n", NOT_A_NUMBER}},
        {"16", {"Falscher Wert bei gewuenschter Eigenform!\nNur 1 bis 15 erlaubt!"}},
        {"2.7", {}},
    };
    for (const Case& c : cases) {
        set_text(mode_entry, c.text);
        DialogScript script;
        for (size_t i = 0; i < c.messages.size(); ++i) {
            script.answer(GTK_RESPONSE_OK);
        }
        gui_test::click(shell::draw_button);
        EXPECT_EQ(script.texts(), c.messages) << c.text;
    }
}

// An expose with a bad mode text draws nothing and says nothing: a message could cover the
// area and bring itself back at every expose.
TEST_F(Wolpex, ExposesNeverShowMessages) {
    calculate();
    show_plot();
    for (const char* text : {"x", "16", "-1"}) {
        set_text(mode_entry, text);
        DialogScript none;
        gtk_widget_queue_draw(plot_area);
        gui_test::run_for(100);
        EXPECT_TRUE(none.seen().empty()) << text;
    }
}

// After a refused count of 17 the plot keeps to the 15 masses of the completed analysis.
TEST_F(Wolpex, PlotKeepsToTheCompletedAnalysis) {
    calculate();
    set_text(stiffness_entry[16], "17");
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_YES).answer(GTK_RESPONSE_OK);
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts().back(), COUNT_MESSAGE);
    }
    EXPECT_EQ(mass_count, 17);
    set_text(mode_entry, "16");
    DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    gui_test::click(shell::draw_button);
    EXPECT_EQ(script.texts(), std::vector<std::string>{
                                  "Falscher Wert bei gewuenschter Eigenform!\nNur 1 bis 15 erlaubt!"});
    set_text(mode_entry, "15");
    gui_test::click(shell::draw_button);
    EXPECT_EQ(work_set->n, 15);
}

TEST_F(Wolpex, DrawnModeShapeInPixels) {
    calculate();
    show_plot();
    set_text(mode_entry, "2");
    gui_test::click(shell::draw_button);
    GdkPixbuf* pixels = gui_test::grab_pixels(plot_area);
    ASSERT_NE(pixels, nullptr);
    // The zero line at y = 150 from x = 2 to 1198, the mode-shape base one pixel above it.
    const std::vector<int> zero_line = gui_test::black_columns_in_row(pixels, 150);
    EXPECT_TRUE(gui_test::is_black(pixels, 2, 150));
    EXPECT_TRUE(gui_test::is_black(pixels, 1198, 150));
    EXPECT_FALSE(gui_test::is_black(pixels, 1, 150));
    EXPECT_FALSE(gui_test::is_black(pixels, 1199, 150));
    // The vertical line of every mass, from y = 2 to 298.
    for (int x : {0, 85, 171, 256, 342, 427, 513, 599, 684, 770, 855, 941, 1026, 1112, 1198}) {
        const std::vector<int> rows = gui_test::black_rows_in_column(pixels, x);
        ASSERT_FALSE(rows.empty()) << x;
        EXPECT_EQ(rows.front(), 2) << x;
        EXPECT_EQ(rows.back(), 298) << x;
    }
    // The mode shape: flat at y = 102 over the first six masses, 149 at the last mass.
    EXPECT_TRUE(gui_test::is_black(pixels, 50, 102));
    EXPECT_TRUE(gui_test::is_black(pixels, 300, 102));
    EXPECT_FALSE(gui_test::is_black(pixels, 300, 101));
    EXPECT_TRUE(gui_test::is_black(pixels, 1197, 149));
    EXPECT_FALSE(gui_test::is_black(pixels, 700, 150 - 1)); // no line between 114 and 150 there
    g_object_unref(pixels);

    // An expose draws the same again.
    gtk_widget_queue_draw(plot_area);
    gui_test::run_for(100);
    pixels = gui_test::grab_pixels(plot_area);
    EXPECT_TRUE(gui_test::is_black(pixels, 300, 102));
    g_object_unref(pixels);

    // "Rechnen" clears the area before it reads the fields.
    set_text(inertia_entry[1], "x");
    DialogScript script;
    script.answer(GTK_RESPONSE_YES).answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
    gui_test::click(shell::calculate_button);
    pixels = gui_test::grab_pixels(plot_area);
    EXPECT_FALSE(gui_test::is_black(pixels, 300, 102));
    EXPECT_FALSE(gui_test::is_black(pixels, 600, 150));
    g_object_unref(pixels);
}

TEST_F(Wolpex, OneMassDrawsZeroLineAndLabelOnly) {
    set_text(stiffness_entry[16], "1");
    calculate();
    EXPECT_EQ(frequencies()[0], "0.00000");
    EXPECT_EQ(frequencies()[1], "--");
    show_plot();
    set_text(mode_entry, "1");
    gui_test::click(shell::draw_button);
    GdkPixbuf* pixels = gui_test::grab_pixels(plot_area);
    EXPECT_TRUE(gui_test::is_black(pixels, 600, 150));
    // No mass lines: at x = 0 nothing, at x = 1198 only the end of the zero line.
    EXPECT_EQ(gui_test::black_rows_in_column(pixels, 0), std::vector<int>{});
    EXPECT_EQ(gui_test::black_rows_in_column(pixels, 1198), std::vector<int>{150});
    // The label "f1:    0.00 Hz" from (5, 273): some black in its band.
    bool label = false;
    for (int y = 273; y < 298 && !label; ++y) {
        label = !gui_test::black_columns_in_row(pixels, y).empty();
    }
    EXPECT_TRUE(label);
    g_object_unref(pixels);
}

TEST_F(Wolpex, SaveWritesTheReport) {
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_OK);
        gui_test::click(shell::save_button);
        EXPECT_EQ(script.texts(),
                  std::vector<std::string>{"Berechnung noch nicht durchgefuert!"});
    }
    calculate();
    const std::string path = test_files::scratch_path("wolpex_bericht.txt");
    DialogScript script;
    script.choose_file(path);
    gui_test::click(shell::save_button);
    gui_test::run_for(50);
    const std::string expected = test_files::capture(
        [](std::FILE* f) { write_report(f, inertia, stiffness, mass_count, freq_hz); });
    EXPECT_EQ(test_files::read_file(path), expected);
    EXPECT_NE(expected.find("F2 / (Hz):   5.81206108\n"), std::string::npos);
    EXPECT_EQ(gtk_window_get_icon(GTK_WINDOW(shell::main_window)) != nullptr, true);
    EXPECT_TRUE(script.seen()[0].has_icon); // the chooser's own picture
}

} // namespace
