// 10,000 calculations of the disc spring, each with a drawing of the characteristic.
#include <gtest/gtest.h>

#include "dialog_script.h"
#include "program_window.h"
#include "quendra.h"
#include "soak.h"

namespace {

using QuendraSoak = gui_test::ProgramWindow<quendra::settings>;

TEST_F(QuendraSoak, CalculatingAndDrawingDoNotGrowMemory) {
    gui_test::DialogScript none;
    gui_test::expect_no_growth([](int round) {
        shell::calculation_done = 0;
        gtk_entry_set_text(GTK_ENTRY(quendra::input_entry[6]), round % 2 == 0 ? "1" : "0.5");
        gtk_button_clicked(GTK_BUTTON(shell::calculate_button));
        gtk_button_clicked(GTK_BUTTON(shell::draw_button));
    });
    EXPECT_TRUE(none.seen().empty());
}

} // namespace
