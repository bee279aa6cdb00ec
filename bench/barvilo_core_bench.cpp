// barvilo's core without GTK: the buckling check and the report, for the form's example
// member in each of the four cases.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "buckling.h"
#include "report.h"

namespace {

// The form's example: F, L1, A, I, E, Re, S.
const double INPUT[barvilo::INPUT_COUNT] = {3500, 229, 78.54, 490.87, 206000, 500, 7};

void check(benchmark::State& state) {
    const barvilo::Member member = barvilo::member_from_inputs(INPUT);
    const int buckling_case = barvilo::BUCKLING_CASE_1 + static_cast<int>(state.range(0));
    for (auto _ : state) {
        const barvilo::BucklingResults results = barvilo::check_buckling(member, buckling_case);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(check)->DenseRange(0, 3);

// The report into a stream in memory, rewound for every copy.
void report(benchmark::State& state) {
    const barvilo::Member member = barvilo::member_from_inputs(INPUT);
    const barvilo::BucklingResults results =
        barvilo::check_buckling(member, barvilo::BUCKLING_CASE_2);
    const auto in_order = results.in_display_order();
    const char* verdict = barvilo::verdict_text(results.limit_slenderness, results.slenderness);
    static char buffer[1 << 16];
    std::FILE* file = fmemopen(buffer, sizeof buffer, "w");
    for (auto _ : state) {
        std::rewind(file);
        barvilo::write_report(file, INPUT, barvilo::BUCKLING_CASE_2, in_order.data(), verdict);
        std::fflush(file);
    }
    state.counters["bytes"] = static_cast<double>(std::ftell(file));
    std::fclose(file);
}
BENCHMARK(report);

} // namespace

BENCHMARK_MAIN();
