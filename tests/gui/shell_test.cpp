// The calculator shell with a small program of its own: the action bar built from a table,
// the wiring, the number check's dialog, the message dialogs and the save flow.
#include <gtest/gtest.h>

#include <cstring>
#include <glib/gstdio.h>
#include <string>
#include <vector>

#include "calculator_shell.h"
#include "dialog_script.h"
#include "gui_helpers.h"
#include "test_files.h"

namespace {

using gui_test::DialogButton;
using gui_test::DialogScript;
using gui_test::DialogSeen;

std::vector<std::string> clicks;

int on_first(GtkWidget*, gpointer) {
    clicks.push_back("first");
    return 0;
}
int on_second(GtkWidget*, gpointer) {
    clicks.push_back("second");
    return 0;
}
int on_elsewhere(GtkWidget*, gpointer) {
    clicks.push_back("elsewhere");
    return 0;
}

GtkWidget* test_action_box;
GtkWidget* elsewhere_box;

int build_test_layout() {
    GtkWidget* column = gtk_vbox_new(FALSE, 0);
    test_action_box = gtk_vbox_new(FALSE, 0);
    elsewhere_box = gtk_hbox_new(FALSE, 0);
    shell::build_action_bar(test_action_box);
    gtk_box_pack_start(GTK_BOX(elsewhere_box), shell::draw_button, FALSE, FALSE, 3);
    shell::connect_signals();
    gtk_box_pack_start(GTK_BOX(column), test_action_box, FALSE, FALSE, 3);
    gtk_box_pack_start(GTK_BOX(column), elsewhere_box, FALSE, FALSE, 3);
    gtk_container_add(GTK_CONTAINER(shell::main_window), column);
    gtk_widget_show_all(shell::main_window);
    return 0;
}

const shell::ActionRow TEST_ROWS[] = {
    {&shell::calculate_button, "Erster", "missing_first.png", "Der erste", shell::Placement::bar,
     G_CALLBACK(on_first)},
    {&shell::save_button, "Zweiter", "missing_second.png", nullptr, shell::Placement::bar,
     G_CALLBACK(on_second)},
    {&shell::draw_button, "Anderswo", "missing_third.png", "Nicht in der Leiste",
     shell::Placement::elsewhere, G_CALLBACK(on_elsewhere)},
};

const shell::ProgramSettings TEST_PROGRAM = {
    "Testprogramm", "missing_icon.png", "missing_chooser.png", "Zeile 1\nZeile 2 mit 100 %",
    TEST_ROWS, {}, build_test_layout};

class Shell : public testing::Test {
  protected:
    void SetUp() override {
        clicks.clear();
        shell::create_main_window(TEST_PROGRAM);
        gui_test::drain_events();
    }
    void TearDown() override {
        g_signal_handlers_disconnect_by_func(shell::main_window,
                                             reinterpret_cast<gpointer>(gtk_main_quit), nullptr);
        gtk_widget_destroy(shell::main_window);
        shell::main_window = nullptr;
        gui_test::drain_events();
        EXPECT_EQ(gui_test::open_dialogs(), 0);
    }

    // Every dialog of the shell has the main window as parent and goes with it.
    static void expect_message(const DialogSeen& seen, GtkMessageType type,
                               const std::string& text, std::vector<DialogButton> buttons) {
        EXPECT_FALSE(seen.is_chooser);
        EXPECT_EQ(seen.type, type);
        EXPECT_EQ(seen.text, text);
        EXPECT_EQ(seen.buttons, buttons);
        EXPECT_EQ(seen.parent, GTK_WINDOW(shell::main_window));
        EXPECT_TRUE(seen.destroy_with_parent);
    }
};

const std::vector<DialogButton> OK = {{"gtk-ok", GTK_RESPONSE_OK}};
const std::vector<DialogButton> YES_NO = {{"gtk-no", GTK_RESPONSE_NO},
                                          {"gtk-yes", GTK_RESPONSE_YES}};

TEST_F(Shell, WindowTitleAndCalculationState) {
    EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(shell::main_window)), "Testprogramm");
    EXPECT_EQ(shell::calculation_done, 0);
    EXPECT_TRUE(GTK_CONTAINER(shell::main_window)->reallocate_redraws);
    GtkWindowPosition position;
    g_object_get(shell::main_window, "window-position", &position, nullptr);
    EXPECT_EQ(position, GTK_WIN_POS_CENTER);
}

TEST_F(Shell, ActionBarFollowsTheTable) {
    const std::vector<GtkWidget*> frames = gui_test::children(test_action_box);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(gui_test::frame_title(frames[0]), "Aktionen");
    const gui_test::Packing p = gui_test::packing(frames[0]);
    EXPECT_FALSE(p.expand);
    EXPECT_FALSE(p.fill);
    EXPECT_EQ(p.padding, 3u);

    GtkWidget* bar = gtk_bin_get_child(GTK_BIN(frames[0]));
    ASSERT_TRUE(GTK_IS_HBUTTON_BOX(bar));
    EXPECT_EQ(gtk_button_box_get_layout(GTK_BUTTON_BOX(bar)), GTK_BUTTONBOX_SPREAD);
    EXPECT_EQ(gtk_box_get_spacing(GTK_BOX(bar)), 40);
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(bar)), 5u);
    EXPECT_EQ(gui_test::children(bar),
              (std::vector<GtkWidget*>{shell::calculate_button, shell::save_button}));
    EXPECT_EQ(gtk_widget_get_parent(shell::draw_button), elsewhere_box);

    // Each button: a box of border 2 with the picture (padding 3) and the label (padding 15).
    GtkWidget* content = gtk_bin_get_child(GTK_BIN(shell::calculate_button));
    EXPECT_EQ(gtk_container_get_border_width(GTK_CONTAINER(content)), 2u);
    const std::vector<GtkWidget*> parts = gui_test::children(content);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_TRUE(GTK_IS_IMAGE(parts[0]));
    EXPECT_EQ(gui_test::packing(parts[0]).padding, 3u);
    EXPECT_EQ(gui_test::label_text(parts[1]), "Erster");
    EXPECT_EQ(gui_test::packing(parts[1]).padding, 15u);

    gchar* tip = gtk_widget_get_tooltip_text(shell::calculate_button);
    EXPECT_STREQ(tip, "Der erste");
    g_free(tip);
    EXPECT_EQ(gtk_widget_get_tooltip_text(shell::save_button), nullptr);
    tip = gtk_widget_get_tooltip_text(shell::draw_button);
    EXPECT_STREQ(tip, "Nicht in der Leiste");
    g_free(tip);
}

// Buttons are at least 85 x 20 pixels and keep 40 pixels between them.
TEST_F(Shell, ButtonsKeepTheirMinimumSizeAndSpacing) {
    gui_test::run_for(50);
    const GtkAllocation first = shell::calculate_button->allocation;
    const GtkAllocation second = shell::save_button->allocation;
    EXPECT_GE(first.width, 85);
    EXPECT_GE(first.height, 20);
    EXPECT_GE(second.width, 85);
    EXPECT_GE(second.x - (first.x + first.width), 40);
}

TEST_F(Shell, SignalsAreWiredInTableOrder) {
    gui_test::click(shell::draw_button);
    gui_test::click(shell::calculate_button);
    gui_test::click(shell::save_button);
    EXPECT_EQ(clicks, (std::vector<std::string>{"elsewhere", "first", "second"}));
}

TEST_F(Shell, NumberCheckShowsThePositionOfTheFirstBadByte) {
    struct Case {
        const char* text;
        int position;
    };
    const Case cases[] = {{"-5", 1}, {"1e5", 2}, {"3,5", 2}, {" 7", 1}, {"7 ", 2},
                          {"\xc3\xa4", 1}, {"1\xc3\xa4", 2}, {"\xc3\xa4\xc3\xb6" "1x", 1}};
    for (const Case& c : cases) {
        DialogScript script;
        script.answer(GTK_RESPONSE_OK);
        EXPECT_EQ(shell::validate_number_text(c.text), -1);
        ASSERT_EQ(script.seen().size(), 1u) << c.text;
        expect_message(script.seen()[0], GTK_MESSAGE_INFO,
                       "Stelle " + std::to_string(c.position) + ": keine Zahl\n", OK);
    }
    DialogScript none;
    for (const char* good : {"", ".", "1.2.3", "0.004"}) {
        EXPECT_EQ(shell::validate_number_text(good), 0) << good;
    }
    EXPECT_TRUE(none.seen().empty());
}

TEST_F(Shell, MessageDialogs) {
    DialogScript script;
    script.answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK)
        .answer(GTK_RESPONSE_OK).answer(GTK_RESPONSE_OK);
    shell::show_input_error();
    shell::show_input_error(shell::INPUT_ERROR_NOT_A_NUMBER);
    shell::show_input_error(shell::INPUT_ERROR_RANGE_ORDER);
    shell::show_not_computed();
    shell::on_info(nullptr, nullptr);
    ASSERT_EQ(script.seen().size(), 5u);
    const std::string not_a_number =
        "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";
    expect_message(script.seen()[0], GTK_MESSAGE_ERROR, not_a_number, OK);
    expect_message(script.seen()[1], GTK_MESSAGE_ERROR, not_a_number, OK);
    expect_message(script.seen()[2], GTK_MESSAGE_ERROR,
                   "Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!", OK);
    expect_message(script.seen()[3], GTK_MESSAGE_INFO, "Berechnung noch nicht durchgefuert!", OK);
    // A '%' in a text is shown as it is.
    expect_message(script.seen()[4], GTK_MESSAGE_INFO, "Zeile 1\nZeile 2 mit 100 %", OK);
}

TEST_F(Shell, RecomputeQuestion) {
    EXPECT_TRUE(shell::confirm_recompute()); // nothing computed: no question
    struct Case {
        int answer;
        bool goes_on;
    };
    for (const Case c : {Case{GTK_RESPONSE_YES, true}, Case{GTK_RESPONSE_NO, false},
                         Case{GTK_RESPONSE_DELETE_EVENT, false}}) {
        shell::calculation_done = 1;
        DialogScript script;
        script.answer(c.answer);
        EXPECT_EQ(shell::confirm_recompute(), c.goes_on);
        EXPECT_EQ(shell::calculation_done, c.goes_on ? 0 : 1);
        EXPECT_EQ(shell::dialog_response, c.answer);
        ASSERT_EQ(script.seen().size(), 1u);
        expect_message(script.seen()[0], GTK_MESSAGE_INFO,
                       "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n", YES_NO);
    }
}

// ---- Saving ------------------------------------------------------------------------------

void write_test_report(std::FILE* file) { std::fputs("Bericht\n", file); }

const std::string OVERWRITE_TEXT =
    "Es ist schon eine Ergebnissdatei vorhanden!\nSoll diese ueberschrieben werden?";

TEST_F(Shell, SaveRefusesBeforeAnyCalculation) {
    DialogScript script;
    script.answer(GTK_RESPONSE_OK);
    EXPECT_EQ(shell::save_results(write_test_report), 0);
    EXPECT_EQ(script.texts(), (std::vector<std::string>{"Berechnung noch nicht durchgefuert!"}));
}

TEST_F(Shell, ChooserAsShownToTheUser) {
    shell::calculation_done = 1;
    const std::string path = test_files::scratch_path("ohne_endung");
    DialogScript script;
    script.choose_file(path);
    shell::save_results(write_test_report);
    ASSERT_EQ(script.seen().size(), 1u);
    const DialogSeen& chooser = script.seen()[0];
    EXPECT_TRUE(chooser.is_chooser);
    EXPECT_EQ(chooser.title, "Ergebnisse speichern");
    EXPECT_EQ(chooser.action, GTK_FILE_CHOOSER_ACTION_SAVE);
    EXPECT_EQ(chooser.buttons, (std::vector<DialogButton>{{"gtk-ok", GTK_RESPONSE_OK},
                                                          {"gtk-cancel", GTK_RESPONSE_CANCEL}}));
    EXPECT_EQ(chooser.parent, nullptr);
    EXPECT_EQ(chooser.position, GTK_WIN_POS_CENTER);
    EXPECT_EQ(chooser.filter_names, (std::vector<std::string>{"*.txt"}));
    EXPECT_EQ(chooser.active_filter, "*.txt");
    EXPECT_FALSE(chooser.overwrite_confirmation);
    EXPECT_EQ(chooser.current_folder, g_get_home_dir());
    // The name is taken as typed: no extension added.
    EXPECT_EQ(shell::results_path, path);
    EXPECT_EQ(test_files::read_file(path), "Bericht\n");
}

TEST_F(Shell, CancelledChooserKeepsTheLastPath) {
    shell::calculation_done = 1;
    shell::results_path = "/vorher/gewaehlt.txt";
    for (int answer : {GTK_RESPONSE_CANCEL, GTK_RESPONSE_DELETE_EVENT}) {
        DialogScript script;
        script.answer(answer);
        EXPECT_EQ(shell::choose_results_file(), -1);
        EXPECT_EQ(shell::results_path, "/vorher/gewaehlt.txt");
    }
}

TEST_F(Shell, ExistingFileIsReplacedOnlyOnYes) {
    shell::calculation_done = 1;
    const std::string path = test_files::scratch_path("vorhanden.txt");
    for (int answer : {GTK_RESPONSE_NO, GTK_RESPONSE_DELETE_EVENT, GTK_RESPONSE_YES}) {
        test_files::write_file(path, "alt");
        DialogScript script;
        script.choose_file(path).answer(answer);
        shell::save_results(write_test_report);
        ASSERT_EQ(script.seen().size(), 2u);
        expect_message(script.seen()[1], GTK_MESSAGE_INFO, OVERWRITE_TEXT, YES_NO);
        EXPECT_EQ(test_files::read_file(path), answer == GTK_RESPONSE_YES ? "Bericht\n" : "alt");
        EXPECT_EQ(shell::results_file, nullptr);
    }
}

TEST_F(Shell, SavingTwiceAsksTheSecondTime) {
    shell::calculation_done = 1;
    const std::string path = test_files::scratch_path("zweimal.txt");
    DialogScript script;
    script.choose_file(path).choose_file(path).answer(GTK_RESPONSE_YES);
    shell::save_results(write_test_report);
    shell::save_results(write_test_report);
    EXPECT_EQ(script.texts(), (std::vector<std::string>{OVERWRITE_TEXT}));
    EXPECT_EQ(shell::calculation_done, 1);
}

// A report that cannot be written is reported, never passed over in silence.
TEST_F(Shell, FailedSavesAreReported) {
    shell::calculation_done = 1;
    struct Case {
        std::string path;
        bool exists;
        std::string message;
    };
    // /proc takes no new files, not even from root.
    const std::string missing = "/proc/bericht.txt";
    const Case cases[] = {
        {"/dev/full", true,
         "Die Ergebnisdatei\n/dev/full\nkonnte nicht vollstaendig geschrieben werden!"},
        {missing, false,
         "Die Ergebnisdatei\n" + missing + "\nkonnte nicht zum Schreiben geoeffnet werden!"},
    };
    for (const Case& c : cases) {
        DialogScript script;
        script.choose_file(c.path);
        if (c.exists) {
            script.answer(GTK_RESPONSE_YES);
        }
        script.answer(GTK_RESPONSE_OK);
        shell::save_results(write_test_report);
        ASSERT_FALSE(script.seen().empty());
        expect_message(script.seen().back(), GTK_MESSAGE_ERROR, c.message, OK);
        EXPECT_TRUE(script.all_answered());
    }
}

// A chosen path of any length is used whole.
TEST_F(Shell, LongPathsAreUsedWhole) {
    shell::calculation_done = 1;
    std::string folder = test_files::scratch_folder();
    while (folder.size() < 1200) {
        folder += "/" + std::string(200, 'v');
        ASSERT_EQ(g_mkdir(folder.c_str(), 0700), 0);
    }
    const std::string path = folder + "/bericht.txt";
    DialogScript script;
    script.choose_file(path);
    shell::save_results(write_test_report);
    EXPECT_EQ(shell::results_path, path);
    EXPECT_EQ(test_files::read_file(path), "Bericht\n");
}

} // namespace
