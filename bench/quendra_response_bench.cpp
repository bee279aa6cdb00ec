// How fast quendra answers in its real window: "Rechnen" on the form's example spring and
// the characteristic over the form's range. "handler" is the handler alone; "on_screen"
// adds the repaint it causes, until the X server has drawn it all.
#include <benchmark/benchmark.h>

#include "quendra.h"
#include "response_support.h"

namespace {

void calculate(benchmark::State& state, bool on_screen) {
    response_bench::time_calculation(state, quendra::on_calculate, on_screen);
    if (shell::calculation_done != 1) {
        state.SkipWithError("the calculation did not run");
    }
}
BENCHMARK_CAPTURE(calculate, handler, false);
BENCHMARK_CAPTURE(calculate, on_screen, true);

// The draw button after one calculation: clears the area and draws grid and curve.
void draw_curve(benchmark::State& state, bool on_screen) {
    shell::calculation_done = 0;
    quendra::on_calculate(shell::calculate_button, nullptr);
    response_bench::settle();
    for (auto _ : state) {
        gtk_button_clicked(GTK_BUTTON(shell::draw_button));
        if (on_screen) {
            response_bench::settle();
        }
    }
}
BENCHMARK_CAPTURE(draw_curve, handler, false);
BENCHMARK_CAPTURE(draw_curve, on_screen, true);

} // namespace

int main(int argc, char** argv) { return response_bench::run(argc, argv, quendra::settings); }
