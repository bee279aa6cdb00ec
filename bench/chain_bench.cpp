// The analysis of a 16-mass chain beside LAPACK's dstev on the same tridiagonal matrix:
// time per analysis, and the largest relative difference of the eigenvalues.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "chain.h"

extern "C" void dstev_(const char* jobz, const int* n, double* d, double* e, double* z,
                       const int* ldz, double* work, int* info);

namespace {

// The example chain of the form with a sixteenth mass of 0.05 kgm^2 on a spring of 5000 Nm/rad.
struct Chain16 {
    double inertia[17] = {0,      0.004,  0.001,  0.01,    0.01,   0.01,   0.01, 0.215, 0.00028,
                          0.00425, 0.0025, 0.0065, 0.0024, 0.00237, 0.1241, 4748, 0.05};
    double stiffness[17] = {0,     20000, 90000, 450000, 450000, 450000, 500000, 1600, 9000,
                            60000, 9000,  9000,  54800,  700,    2900,   5000,   16};
};

const Chain16 chain;

// The whole analysis as "Rechnen" runs it: work set, matrices, imtql2, frequencies.
void analysis(benchmark::State& state) {
    for (auto _ : state) {
        wolpex::WorkSet work(16);
        wolpex::analyse(work, chain.inertia, chain.stiffness);
        benchmark::DoNotOptimize(work.freq_work.data());
    }
}
BENCHMARK(analysis);

struct Tridiagonal {
    std::vector<double> d, e, z;
};

Tridiagonal prepared() {
    wolpex::WorkSet work(16);
    wolpex::build_matrices(work, chain.inertia, chain.stiffness);
    return {work.eigenvalues, work.offdiag, work.eigenvectors};
}

// imtql2 alone, with the eigenvectors, on a fresh copy of d, e and Z each time.
void imtql2_eigenvectors(benchmark::State& state) {
    const Tridiagonal start = prepared();
    for (auto _ : state) {
        Tridiagonal t = start;
        benchmark::DoNotOptimize(wolpex::imtql2(16, t.d.data(), t.e.data(), t.z.data()));
    }
}
BENCHMARK(imtql2_eigenvectors);

// dstev on the same matrix: jobz "V" (eigenvectors too, like imtql2) and "N".
void dstev(benchmark::State& state, const char* jobz) {
    const Tridiagonal start = prepared();
    const int n = 16;
    std::vector<double> d0(start.d.begin() + 1, start.d.end());
    std::vector<double> e0(n - 1);
    for (int i = 2; i <= n; ++i) {
        e0[i - 2] = start.e[i];
    }
    std::vector<double> z(n * n), work(2 * n);
    const int ldz = n;
    int info = 0;
    for (auto _ : state) {
        std::vector<double> d = d0, e = e0;
        dstev_(jobz, &n, d.data(), e.data(), z.data(), &ldz, work.data(), &info);
        benchmark::DoNotOptimize(d.data());
    }
}
BENCHMARK_CAPTURE(dstev, eigenvectors, "V");
BENCHMARK_CAPTURE(dstev, eigenvalues_only, "N");

// The largest relative difference between the eigenvalues of imtql2 and dstev, relative to
// the largest eigenvalue (the small ones carry absolute rounding errors of that size).
void report_difference() {
    Tridiagonal ours = prepared();
    wolpex::imtql2(16, ours.d.data(), ours.e.data(), ours.z.data());
    const Tridiagonal start = prepared();
    const int n = 16;
    std::vector<double> d(start.d.begin() + 1, start.d.end()), e(n - 1), z(1), work(1);
    for (int i = 2; i <= n; ++i) {
        e[i - 2] = start.e[i];
    }
    const int ldz = 1;
    int info = 0;
    dstev_("N", &n, d.data(), e.data(), z.data(), &ldz, work.data(), &info);
    const double largest = *std::max_element(d.begin(), d.end());
    double worst = 0.0;
    for (int i = 0; i < n; ++i) {
        worst = std::max(worst, std::fabs(ours.d[i + 1] - d[i]) / largest);
    }
    std::printf("largest eigenvalue difference imtql2 - dstev, relative to the largest "
                "eigenvalue: %.3g\n",
                worst);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    report_difference();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
