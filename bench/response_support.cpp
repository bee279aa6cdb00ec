// The start and the window of the response benchmarks.
#include "response_support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace response_bench {

namespace {

// A dialog would wait for an answer for ever: a benchmark case must never raise one.
gboolean fail_on_dialog(gpointer) {
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        if (GTK_IS_DIALOG(item->data) && gtk_widget_get_visible(GTK_WIDGET(item->data))) {
            std::fprintf(stderr, "A dialog opened during a benchmark: \"%s\"\n",
                         gtk_window_get_title(GTK_WINDOW(item->data)));
            std::exit(1);
        }
    }
    g_list_free(windows);
    return TRUE;
}

} // namespace

void settle() {
    while (gtk_events_pending()) {
        gtk_main_iteration();
    }
    gdk_display_sync(gdk_display_get_default());
}

void open_window(const shell::ProgramSettings& settings) {
    shell::create_main_window(settings);
    gtk_window_move(GTK_WINDOW(shell::main_window), 0, 0);
    gtk_window_resize(GTK_WINDOW(shell::main_window), 1270, 1000);
    const gint64 end = g_get_monotonic_time() + 300 * 1000;
    while (g_get_monotonic_time() < end) {
        settle();
        g_usleep(5000);
    }
}

int run(int argc, char** argv, const shell::ProgramSettings& settings) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (!gtk_init_check(&argc, &argv)) {
        std::fprintf(stderr, "No display: the response benchmarks need an X server (Xvfb).\n");
        return 1;
    }
    shell::use_c_numeric_locale();
    g_timeout_add(20, fail_on_dialog, nullptr);
    open_window(settings);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

void time_calculation(benchmark::State& state, Handler on_calculate, bool on_screen) {
    for (auto _ : state) {
        shell::calculation_done = 0;
        on_calculate(shell::calculate_button, nullptr);
        if (on_screen) {
            settle();
        }
    }
}

} // namespace response_bench
