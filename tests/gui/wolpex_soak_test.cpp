// 10,000 calculations of a 16-mass chain, each with a mode-shape drawing, in one process.
#include <gtest/gtest.h>

#include "dialog_script.h"
#include "program_window.h"
#include "soak.h"
#include "wolpex.h"

namespace {

using WolpexSoak = gui_test::ProgramWindow<wolpex::settings>;

TEST_F(WolpexSoak, CalculatingAndDrawingDoNotGrowMemory) {
    gui_test::set_text(wolpex::inertia_entry[16], "0.05");
    gui_test::set_text(wolpex::stiffness_entry[15], "5000");
    gui_test::set_text(wolpex::stiffness_entry[16], "16");
    gui_test::DialogScript none; // any dialog fails the test
    gui_test::expect_no_growth([](int round) {
        shell::calculation_done = 0;
        gtk_button_clicked(GTK_BUTTON(shell::calculate_button));
        gtk_entry_set_text(GTK_ENTRY(wolpex::mode_entry), round % 2 == 0 ? "16" : "2");
        gtk_button_clicked(GTK_BUTTON(shell::draw_button));
    });
    EXPECT_EQ(gui_test::entry_text(wolpex::frequency_entry[15]).substr(0, 2) != "--", true);
    EXPECT_TRUE(none.seen().empty());
}

} // namespace
