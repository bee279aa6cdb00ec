// 10,000 buckling checks through all four cases in one process.
#include <gtest/gtest.h>

#include "barvilo.h"
#include "dialog_script.h"
#include "program_window.h"
#include "soak.h"

namespace {

using BarviloSoak = gui_test::ProgramWindow<barvilo::settings>;

TEST_F(BarviloSoak, CheckingEveryCaseDoesNotGrowMemory) {
    gui_test::DialogScript none;
    gui_test::expect_no_growth([](int round) {
        // A case click clears the calculation, so "Rechnen" asks nothing.
        gtk_button_clicked(GTK_BUTTON(barvilo::case_buttons[round % 4]));
        gtk_button_clicked(GTK_BUTTON(shell::calculate_button));
    });
    EXPECT_TRUE(none.seen().empty());
}

} // namespace
