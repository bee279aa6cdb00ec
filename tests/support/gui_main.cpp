// The main of every in-process GUI test: GTK in the user's locale with the point kept as
// decimal separator, exactly as the programs start, and GTK's own criticals made fatal.
#include <gtest/gtest.h>

#include "calculator_shell.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (!GTEST_FLAG_GET(list_tests)) {
        if (!gtk_init_check(&argc, &argv)) {
            std::fprintf(stderr, "No display: the GUI tests need an X server (Xvfb).\n");
            return 1;
        }
        shell::use_c_numeric_locale();
        g_log_set_always_fatal(static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL |
                                                           G_LOG_LEVEL_ERROR));
    }
    return RUN_ALL_TESTS();
}
