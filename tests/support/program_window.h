// A fixture that builds a program's real main window and form for each test, as main()
// does, and takes it down again afterwards; every dialog must be answered by then.
#pragma once

#include <gtest/gtest.h>

#include "calculator_shell.h"
#include "gui_helpers.h"

namespace gui_test {

template <const shell::ProgramSettings& Settings> class ProgramWindow : public testing::Test {
  protected:
    void SetUp() override {
        shell::create_main_window(Settings);
        drain_events();
    }

    void TearDown() override {
        // The window goes without ending a main loop that the test never started.
        g_signal_handlers_disconnect_by_func(shell::main_window,
                                             reinterpret_cast<gpointer>(gtk_main_quit), nullptr);
        gtk_widget_destroy(shell::main_window);
        shell::main_window = nullptr;
        drain_events();
        EXPECT_EQ(open_dialogs(), 0) << "a dialog was left open";
    }
};

} // namespace gui_test
