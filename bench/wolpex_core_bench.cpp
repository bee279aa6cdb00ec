// wolpex's core without GTK: the analysis of "Rechnen", the geometry of the mode plot and
// the report, for the chain of 16 masses of the chain benchmark.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "chain.h"
#include "mode_plot.h"
#include "report.h"

namespace {

// The example chain of the form with a sixteenth mass of 0.05 kgm^2 on a spring of 5000 Nm/rad.
const double INERTIA[17] = {0,       0.004,  0.001,  0.01,   0.01,    0.01,   0.01,
                            0.215,   0.00028, 0.00425, 0.0025, 0.0065, 0.0024, 0.00237,
                            0.1241,  4748,   0.05};
const double STIFFNESS[17] = {0,     20000, 90000, 450000, 450000, 450000, 500000, 1600, 9000,
                              60000, 9000,  9000,  54800,  700,    2900,   5000,   16};

void analysis(benchmark::State& state) {
    for (auto _ : state) {
        wolpex::WorkSet work(16);
        wolpex::analyse(work, INERTIA, STIFFNESS);
        benchmark::DoNotOptimize(work.freq_work.data());
    }
}
BENCHMARK(analysis);

// The lines and texts of mode 16 on the program's plot of 1200 x 300 pixels.
void mode_plot_16(benchmark::State& state) {
    wolpex::WorkSet work(16);
    wolpex::analyse(work, INERTIA, STIFFNESS);
    const wolpex::PlotSize size{1200, 300, 2};
    for (auto _ : state) {
        const wolpex::ModePlot plot = wolpex::mode_plot(work, 16, work.freq_work[16], size);
        benchmark::DoNotOptimize(plot.drawing.items.data());
    }
}
BENCHMARK(mode_plot_16);

// The report of 62 lines into a stream in memory, rewound for every copy.
void report(benchmark::State& state) {
    wolpex::WorkSet work(16);
    wolpex::analyse(work, INERTIA, STIFFNESS);
    double freq_hz[17] = {};
    for (int i = 1; i <= 16; ++i) {
        freq_hz[i] = work.freq_work[i];
    }
    static char buffer[1 << 16];
    std::FILE* file = fmemopen(buffer, sizeof buffer, "w");
    for (auto _ : state) {
        std::rewind(file);
        wolpex::write_report(file, INERTIA, STIFFNESS, 16, freq_hz);
        std::fflush(file);
    }
    state.counters["bytes"] = static_cast<double>(std::ftell(file));
    std::fclose(file);
}
BENCHMARK(report);

} // namespace

BENCHMARK_MAIN();
