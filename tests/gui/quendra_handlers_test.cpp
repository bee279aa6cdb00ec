// quendra's handlers driven through the real window: "Rechnen" with its questions and input
// errors, "Kennlinie zeichnen" with its range checks and drawn pixels, and "Speichern".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_script.h"
#include "gui_helpers.h"
#include "program_window.h"
#include "quendra.h"
#include "test_files.h"

namespace {

using gui_test::DialogScript;

const char* const INPUT_ERROR_TEXT =
    "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";
const char* const RANGE_ERROR_TEXT =
    "Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!";
const char* const NOT_COMPUTED_TEXT = "Berechnung noch nicht durchgefuert!";
const char* const RECOMPUTE_TEXT = "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n";

const std::vector<std::string> EXAMPLE_RESULTS = {"130.411989", "-259.201999", " 81.507493",
                                                  "100.128270", "-124.534381", "139.896703"};

// Pixels of the example spring's curve over the range 0 to 1, away from the grid lines,
// and a pixel that neither the grid nor the curve touches.
struct Pixel {
    int x, y;
};
const Pixel CURVE_PIXELS[] = {{28, 278}, {214, 168}, {506, 63}, {744, 11}};
const Pixel GRID_PIXELS[] = {{100, 29}, {79, 100}, {798, 150}, {400, 298}};
const Pixel EMPTY_PIXEL = {420, 200};

// A fresh window per test with the program's numbers back at their start (all 0), as the
// program starts; closed again without ending a main loop that the tests do not run.
class QuendraHandlers : public gui_test::ProgramWindow<quendra::settings> {
  protected:
    void SetUp() override {
        std::fill(std::begin(quendra::input_value), std::end(quendra::input_value), 0.0);
        std::fill(std::begin(quendra::result_value), std::end(quendra::result_value), 0.0);
        quendra::outer_diameter = quendra::youngs_modulus = quendra::inner_diameter = 0.0;
        quendra::poisson_ratio = quendra::thickness = quendra::cone_height = 0.0;
        quendra::deflection = quendra::modulus_factor = quendra::diameter_ratio = 0.0;
        quendra::k1 = quendra::k2 = quendra::k3 = 0.0;
        ProgramWindow::SetUp();
        // Let the first exposes pass, so that they cannot wipe a drawing made by a test.
        gui_test::run_for(150);
    }

    static std::vector<std::string> result_texts() {
        std::vector<std::string> texts;
        for (GtkWidget* entry : quendra::result_entry) {
            texts.push_back(gui_test::entry_text(entry));
        }
        return texts;
    }

    // A button whose click must not bring up any dialog.
    static void click_quietly(GtkWidget* button) {
        DialogScript script;
        gui_test::click(button);
        gui_test::run_for(30);
        EXPECT_TRUE(script.seen().empty());
    }

    // A new text may resize the form, and the repaint that follows wipes the drawing area
    // (nothing redraws it): let that happen before anything is drawn.
    static void set_field(GtkWidget* entry, const std::string& text) {
        gui_test::set_text(entry, text);
        gui_test::run_for(50);
    }

    static void set_range(const char* s1, const char* s2) {
        set_field(quendra::range_entry[0], s1);
        set_field(quendra::range_entry[1], s2);
    }

    // Which of the given pixels of the drawing area are black.
    template <size_t N> static std::vector<bool> black(const Pixel (&pixels)[N]) {
        GdkPixbuf* shot = gui_test::grab_pixels(quendra::curve_area);
        std::vector<bool> found;
        for (const Pixel& p : pixels) {
            found.push_back(gui_test::is_black(shot, p.x, p.y));
        }
        g_object_unref(shot);
        return found;
    }

    static const std::vector<bool>& all(bool value) {
        static const std::vector<bool> yes(4, true);
        static const std::vector<bool> no(4, false);
        return value ? yes : no;
    }

    static bool on_grid(int x, int y) {
        const int columns[] = {0, 79, 159, 239, 319, 399, 478, 558, 638, 718, 798};
        const int rows[] = {0, 29, 59, 89, 119, 149, 178, 208, 238, 268, 298};
        return std::find(std::begin(columns), std::end(columns), x) != std::end(columns) ||
               std::find(std::begin(rows), std::end(rows), y) != std::end(rows);
    }

    // The vertices of the curve of the stored spring over s1 to s2 as the core computes them,
    // those that no grid line covers.
    static std::vector<Pixel> curve_vertices_off_the_grid(double s1, double s2) {
        const quendra::CurveSpring spring{quendra::thickness, quendra::cone_height,
                                          quendra::outer_diameter, quendra::modulus_factor,
                                          quendra::k1};
        const std::vector<plot::Line> lines =
            quendra::characteristic_curve(spring, s1, s2, {800, 300, 2}).lines();
        std::vector<Pixel> found;
        for (size_t i = 22; i < lines.size(); ++i) {
            const int x = lines[i].x2;
            const int y = lines[i].y2;
            if (!on_grid(x, y)) {
                found.push_back({x, y});
            }
        }
        return found;
    }

    static bool empty_pixel_black() {
        const Pixel one[1] = {EMPTY_PIXEL};
        return black(one)[0];
    }
};

TEST_F(QuendraHandlers, ExampleSpringShowsItsResults) {
    click_quietly(shell::calculate_button);
    EXPECT_EQ(result_texts(), EXAMPLE_RESULTS);
    EXPECT_EQ(shell::calculation_done, 1);
    EXPECT_EQ(quendra::outer_diameter, 100.0);
    EXPECT_EQ(quendra::inner_diameter, 50.0);
    EXPECT_EQ(quendra::diameter_ratio, 2.0);
}

TEST_F(QuendraHandlers, ResultOfHundredsOfDigitsIsShownInFull) {
    // An E of 300 nines gives a force of 297 digits before the point.
    gui_test::set_text(quendra::input_entry[quendra::INPUT_YOUNGS_MODULUS], std::string(300, '9'));
    click_quietly(shell::calculate_button);
    const std::string force = gui_test::entry_text(quendra::result_entry[quendra::RESULT_FORCE]);
    EXPECT_EQ(force.size(), 297u + 7u);
    EXPECT_EQ(force.substr(force.size() - 7), ".000000");
}

TEST_F(QuendraHandlers, RecomputeQuestionNoKeepsResultsYesComputesAgain) {
    click_quietly(shell::calculate_button);
    click_quietly(shell::draw_button);
    set_field(quendra::input_entry[quendra::INPUT_DEFLECTION], "0");
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_NO);
        gui_test::click(shell::calculate_button);
        ASSERT_EQ(script.seen().size(), 1u);
        const gui_test::DialogSeen& question = script.seen()[0];
        EXPECT_EQ(question.text, RECOMPUTE_TEXT);
        EXPECT_EQ(question.type, GTK_MESSAGE_INFO);
        // Yes and No, in whichever order the button box lists them.
        std::vector<gui_test::DialogButton> buttons = question.buttons;
        std::sort(buttons.begin(), buttons.end(),
                  [](const auto& a, const auto& b) { return a.response < b.response; });
        EXPECT_EQ(buttons, (std::vector<gui_test::DialogButton>{{"gtk-no", GTK_RESPONSE_NO},
                                                                {"gtk-yes", GTK_RESPONSE_YES}}));
        EXPECT_EQ(question.parent, GTK_WINDOW(shell::main_window));
    }
    EXPECT_EQ(result_texts(), EXAMPLE_RESULTS);
    EXPECT_EQ(quendra::deflection, 1.0);
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_DELETE_EVENT);
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts(), std::vector<std::string>{RECOMPUTE_TEXT});
    }
    EXPECT_EQ(result_texts(), EXAMPLE_RESULTS);
    // The curve drawn before was left alone (the pixels under the question may be lost to
    // the toolkit's repaint, those at the bottom left are not covered).
    const Pixel low_left[2] = {CURVE_PIXELS[0], GRID_PIXELS[3]};
    EXPECT_EQ(black(low_left), (std::vector<bool>{true, true}));
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_YES);
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts(), std::vector<std::string>{RECOMPUTE_TEXT});
    }
    // s = 0: the stresses that keep the sign of the common factor show a negative zero.
    EXPECT_EQ(result_texts(), (std::vector<std::string>{"  0.000000", " -0.000000", "  0.000000",
                                                        "  0.000000", " -0.000000", "  0.000000"}));
    EXPECT_EQ(black(CURVE_PIXELS), all(false)); // cleared by the new calculation
    EXPECT_EQ(black(GRID_PIXELS), all(false));
}

TEST_F(QuendraHandlers, BadFieldStopsTheReadingThere) {
    click_quietly(shell::calculate_button);
    gui_test::set_text(quendra::input_entry[quendra::INPUT_OUTER_DIAMETER], "80");
    gui_test::set_text(quendra::input_entry[quendra::INPUT_YOUNGS_MODULUS], "1.2.3");
    gui_test::set_text(quendra::input_entry[quendra::INPUT_INNER_DIAMETER], "4o");
    gui_test::set_text(quendra::input_entry[quendra::INPUT_POISSON_RATIO], "-1");
    gui_test::set_text(quendra::input_entry[quendra::INPUT_THICKNESS], "9");
    DialogScript script;
    script.answer(GTK_RESPONSE_YES).answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
    gui_test::click(shell::calculate_button);
    ASSERT_EQ(script.texts(), (std::vector<std::string>{RECOMPUTE_TEXT, "Stelle 2: keine Zahl\n",
                                                        INPUT_ERROR_TEXT}));
    EXPECT_EQ(script.seen()[1].type, GTK_MESSAGE_INFO);
    EXPECT_EQ(script.seen()[2].type, GTK_MESSAGE_ERROR);
    EXPECT_EQ(script.seen()[2].buttons,
              (std::vector<gui_test::DialogButton>{{"gtk-ok", GTK_RESPONSE_OK}}));
    EXPECT_EQ(script.seen()[2].parent, GTK_WINDOW(shell::main_window));

    // The fields before the bad one were read anew ("1.2.3" reads as 1.2); the others and
    // the working values keep the last complete calculation.
    EXPECT_EQ(std::vector<double>(std::begin(quendra::input_value), std::end(quendra::input_value)),
              (std::vector<double>{80.0, 1.2, 50.0, 0.3, 1.0, 1.0, 1.0}));
    EXPECT_EQ(quendra::outer_diameter, 100.0);
    EXPECT_EQ(quendra::youngs_modulus, 206000.0);
    EXPECT_EQ(result_texts(), EXAMPLE_RESULTS);
    EXPECT_EQ(shell::calculation_done, 1);
}

TEST_F(QuendraHandlers, DrawBeforeAnyCalculationOnlySaysSo) {
    DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    gui_test::click(shell::draw_button);
    EXPECT_EQ(script.texts(), std::vector<std::string>{NOT_COMPUTED_TEXT});
    EXPECT_EQ(script.seen()[0].type, GTK_MESSAGE_INFO);
    EXPECT_EQ(black(GRID_PIXELS), all(false));
}

TEST_F(QuendraHandlers, ExampleCharacteristicIsDrawnOnTheGrid) {
    click_quietly(shell::calculate_button);
    EXPECT_EQ(black(CURVE_PIXELS), all(false)); // nothing until the button is pressed
    click_quietly(shell::draw_button);
    EXPECT_EQ(black(GRID_PIXELS), all(true));
    EXPECT_EQ(black(CURVE_PIXELS), all(true));
    EXPECT_FALSE(empty_pixel_black());
}

TEST_F(QuendraHandlers, CurveUsesTheLastCalculationNotTheEditedFields) {
    click_quietly(shell::calculate_button);
    click_quietly(shell::draw_button);
    GdkPixbuf* before = gui_test::grab_pixels(quendra::curve_area);
    set_field(quendra::input_entry[quendra::INPUT_CONE_HEIGHT], "3");
    click_quietly(shell::draw_button);
    GdkPixbuf* after = gui_test::grab_pixels(quendra::curve_area);
    int differing = 0;
    for (int y = 0; y < gdk_pixbuf_get_height(before); ++y) {
        for (int x = 0; x < gdk_pixbuf_get_width(before); ++x) {
            differing += gui_test::is_black(before, x, y) != gui_test::is_black(after, x, y);
        }
    }
    EXPECT_EQ(differing, 0);
    g_object_unref(before);
    g_object_unref(after);
}

TEST_F(QuendraHandlers, RangeOutOfOrderBringsOnlyTheRangeMessage) {
    struct Range {
        const char* s1;
        const char* s2;
    };
    click_quietly(shell::calculate_button);
    for (const Range& r : {Range{"1", "1"}, Range{"2", "1"}, Range{"", ""}}) {
        SCOPED_TRACE(std::string(r.s1) + " to " + r.s2);
        set_range("0", "1");
        click_quietly(shell::draw_button);
        set_range(r.s1, r.s2);
        DialogScript script;
        script.answer(GTK_RESPONSE_OK);
        gui_test::click(shell::draw_button);
        ASSERT_EQ(script.texts(), std::vector<std::string>{RANGE_ERROR_TEXT});
        EXPECT_EQ(script.seen()[0].type, GTK_MESSAGE_ERROR);
        // The area was cleared before the range was read. Only the bottom-left pixels are
        // checked: the message may have covered the others.
        const Pixel low_left[2] = {CURVE_PIXELS[0], GRID_PIXELS[3]};
        EXPECT_EQ(black(low_left), (std::vector<bool>{false, false}));
    }
}

TEST_F(QuendraHandlers, BadRangeTextStopsBeforeTheEnd) {
    click_quietly(shell::calculate_button);
    set_range("0,5", "x");
    DialogScript script;
    script.answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
    gui_test::click(shell::draw_button);
    // s2 is not read after a bad s1: one position message only.
    EXPECT_EQ(script.texts(),
              (std::vector<std::string>{"Stelle 2: keine Zahl\n", INPUT_ERROR_TEXT}));
}

TEST_F(QuendraHandlers, NarrowRangeIsDrawn) {
    click_quietly(shell::calculate_button);
    set_range("0.5", "0.6");
    click_quietly(shell::draw_button);
    const std::vector<Pixel> vertices = curve_vertices_off_the_grid(0.5, 0.6);
    EXPECT_GE(vertices.size(), 20u);
    GdkPixbuf* shot = gui_test::grab_pixels(quendra::curve_area);
    for (const Pixel& p : vertices) {
        EXPECT_TRUE(gui_test::is_black(shot, p.x, p.y)) << p.x << ", " << p.y;
    }
    g_object_unref(shot);
}

TEST_F(QuendraHandlers, UnscalableCurveDrawsTheGridAndSaysNothing) {
    struct Case {
        const char* name;
        int field;
        const char* text;
    };
    for (const Case& k : {Case{"E = 0", quendra::INPUT_YOUNGS_MODULUS, "0"},
                          Case{"t = 0", quendra::INPUT_THICKNESS, ""}}) {
        SCOPED_TRACE(k.name);
        shell::calculation_done = 0;
        set_field(quendra::input_entry[k.field], k.text);
        click_quietly(shell::calculate_button);
        click_quietly(shell::draw_button);
        EXPECT_EQ(black(GRID_PIXELS), all(true));
        EXPECT_EQ(black(CURVE_PIXELS), all(false));
        set_field(quendra::input_entry[k.field], "1");
    }
}

TEST_F(QuendraHandlers, DrawAfterAFirstCalculationThatStoppedDrawsTheGrid) {
    // Every stored value is still 0: the forces are undefined.
    gui_test::set_text(quendra::input_entry[quendra::INPUT_OUTER_DIAMETER], "a");
    {
        DialogScript script;
        script.answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
        gui_test::click(shell::calculate_button);
        EXPECT_EQ(script.texts().size(), 2u);
    }
    click_quietly(shell::draw_button);
    EXPECT_EQ(black(GRID_PIXELS), all(true));
    EXPECT_EQ(black(CURVE_PIXELS), all(false));
}

TEST_F(QuendraHandlers, SaveBeforeAnyCalculationOnlySaysSo) {
    DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    gui_test::click(shell::save_button);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_FALSE(script.seen()[0].is_chooser);
    EXPECT_EQ(script.seen()[0].text, NOT_COMPUTED_TEXT);
}

TEST_F(QuendraHandlers, SaveWritesTheReportOfTheCalculation) {
    click_quietly(shell::calculate_button);
    // Edited but not computed: the report shows what was read at the calculation.
    gui_test::set_text(quendra::input_entry[quendra::INPUT_OUTER_DIAMETER], "120");
    const std::string path = test_files::scratch_path("tellerfeder");
    {
        DialogScript script;
        script.choose_file(path);
        gui_test::click(shell::save_button);
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_TRUE(script.seen()[0].is_chooser);
        EXPECT_EQ(script.seen()[0].title, "Ergebnisse speichern");
        EXPECT_TRUE(script.seen()[0].has_icon || !test_files::file_exists("quendra_speichern.png"));
    }
    const std::string report = test_files::read_file(path);
    EXPECT_EQ(report.rfind("Ergebnisse der Berechnung von QUENDRA:\n\n\nEingabedaten:\n\n", 0), 0u);
    EXPECT_NE(report.find("Aussendurchmesser De / mm:            100.00000\n"), std::string::npos);
    EXPECT_NE(report.find("Federkraft F / N:                     130.41199\n"
                          "Arbeit W / mJ:                        81.50749\n"
                          "Spannung OM / (N/mm^2):               -124.53438\n"),
              std::string::npos);

    // The same name again: the overwrite question; No keeps the file as it is.
    test_files::write_file(path, "kept");
    {
        DialogScript script;
        script.choose_file(path).answer(GTK_RESPONSE_NO);
        gui_test::click(shell::save_button);
        EXPECT_EQ(
            script.texts(),
            std::vector<std::string>{
                "Es ist schon eine Ergebnissdatei vorhanden!\nSoll diese ueberschrieben werden?"});
    }
    EXPECT_EQ(test_files::read_file(path), "kept");
}

TEST_F(QuendraHandlers, SaveOntoAFullDeviceSaysSo) {
    click_quietly(shell::calculate_button);
    // /dev/full reads like an existing file and opens for writing, but takes no byte.
    DialogScript script;
    script.choose_file("/dev/full").answer(GTK_RESPONSE_YES).answer(GTK_RESPONSE_OK);
    gui_test::click(shell::save_button);
    ASSERT_EQ(script.seen().size(), 3u);
    EXPECT_EQ(script.seen()[2].type, GTK_MESSAGE_ERROR);
    EXPECT_EQ(script.seen()[2].text,
              "Die Ergebnisdatei\n/dev/full\nkonnte nicht vollstaendig geschrieben werden!");
}

} // namespace
