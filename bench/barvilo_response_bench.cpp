// How fast barvilo answers in its real window: "Rechnen" on the form's example member.
// "handler" is the handler alone; "on_screen" adds the repaint it causes, until the X
// server has drawn it.
#include <benchmark/benchmark.h>

#include "barvilo.h"
#include "response_support.h"

namespace {

void calculate(benchmark::State& state, bool on_screen) {
    response_bench::time_calculation(state, barvilo::on_calculate, on_screen);
    if (shell::calculation_done != 1) {
        state.SkipWithError("the calculation did not run");
    }
}
BENCHMARK_CAPTURE(calculate, handler, false);
BENCHMARK_CAPTURE(calculate, on_screen, true);

} // namespace

int main(int argc, char** argv) { return response_bench::run(argc, argv, barvilo::settings); }
