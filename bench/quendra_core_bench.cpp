// quendra's core without GTK: the calculation of one spring, the geometry of the
// characteristic and the report, for the form's example spring.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "characteristic_curve.h"
#include "disc_spring.h"
#include "report.h"

namespace {

// The form's example: De, E, Di, nu, t, h0, s.
const double INPUT[quendra::INPUT_COUNT] = {100, 206000, 50, 0.3, 1, 1, 1};

quendra::SpringCalculation example() {
    return quendra::calculate_spring(INPUT[0], INPUT[1], INPUT[2], INPUT[3], INPUT[4], INPUT[5],
                                     INPUT[6]);
}

void spring(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(example());
    }
}
BENCHMARK(spring);

// Grid and curve over the form's range 0 to 1 mm on the program's area of 800 x 300 pixels.
void curve(benchmark::State& state) {
    const quendra::SpringCalculation c = example();
    const quendra::CurveSpring spring{INPUT[quendra::INPUT_THICKNESS],
                                      INPUT[quendra::INPUT_CONE_HEIGHT],
                                      INPUT[quendra::INPUT_OUTER_DIAMETER], c.modulus_factor,
                                      c.k1};
    const quendra::PlotGeometry geometry{800, 300, 2};
    for (auto _ : state) {
        const plot::Drawing drawing = quendra::characteristic_curve(spring, 0.0, 1.0, geometry);
        benchmark::DoNotOptimize(drawing.items.data());
    }
}
BENCHMARK(curve);

// The report into a stream in memory, rewound for every copy.
void report(benchmark::State& state) {
    const quendra::SpringCalculation c = example();
    static char buffer[1 << 16];
    std::FILE* file = fmemopen(buffer, sizeof buffer, "w");
    for (auto _ : state) {
        std::rewind(file);
        quendra::write_report(file, INPUT, c.result_value.data());
        std::fflush(file);
    }
    state.counters["bytes"] = static_cast<double>(std::ftell(file));
    std::fclose(file);
}
BENCHMARK(report);

} // namespace

BENCHMARK_MAIN();
