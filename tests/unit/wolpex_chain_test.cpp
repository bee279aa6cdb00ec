// The eigen-analysis of torsional chains: printed frequencies against LAPACK's dstev on the
// same tridiagonal matrix, worked small chains, and the inputs that must be refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "chain.h"
#include "number_text.h"

extern "C" void dstev_(const char* jobz, const int* n, double* d, double* e, double* z,
                       const int* ldz, double* work, int* info);

namespace {

using wolpex::WorkSet;

// A chain as the form holds it: index 1..16, stiffness[16] unused here.
struct Chain {
    double inertia[17] = {};
    double stiffness[17] = {};
    int n = 0;
};

Chain example_chain() {
    const double j[] = {0.004,  0.001,   0.01,    0.01,   0.01,    0.01,   0.215, 0.00028,
                        0.00425, 0.0025, 0.0065, 0.0024, 0.00237, 0.1241, 4748,  0};
    const double ct[] = {20000, 90000, 450000, 450000, 450000, 500000, 1600, 9000,
                         60000, 9000,  9000,   54800,  700,    2900,   0,    15};
    Chain c;
    for (int i = 1; i <= 16; ++i) {
        c.inertia[i] = j[i - 1];
        c.stiffness[i] = ct[i - 1];
    }
    c.n = 15;
    return c;
}

std::vector<std::string> printed(const std::vector<double>& frequencies) {
    std::vector<std::string> texts;
    for (double f : frequencies) {
        texts.push_back(number_text::format("%7.5lf", f));
    }
    return texts;
}

std::vector<double> analysed_frequencies(const Chain& c) {
    WorkSet work(c.n);
    const wolpex::AnalysisResult result = wolpex::analyse(work, c.inertia, c.stiffness);
    EXPECT_EQ(result.outcome, wolpex::Outcome::completed);
    return std::vector<double>(work.freq_work.begin() + 1, work.freq_work.end());
}

// The same matrix A handed to LAPACK: its diagonal and sub-diagonal.
std::vector<double> lapack_frequencies(const Chain& c) {
    WorkSet work(c.n);
    wolpex::build_matrices(work, c.inertia, c.stiffness);
    std::vector<double> d(work.eigenvalues.begin() + 1, work.eigenvalues.end());
    std::vector<double> e(std::max(c.n - 1, 1));
    for (int i = 2; i <= c.n; ++i) {
        e[i - 2] = work.dynamic_matrix[work.at(i, i - 1)];
    }
    const int ldz = 1;
    double z = 0.0;
    int info = 0;
    std::vector<double> scratch(1);
    dstev_("N", &c.n, d.data(), e.data(), &z, &ldz, scratch.data(), &info);
    EXPECT_EQ(info, 0);
    std::vector<double> f;
    for (double eigenvalue : d) {
        f.push_back(wolpex::frequency_hz(eigenvalue));
    }
    return f;
}

TEST(ChainAnalysis, ExampleChainPrintsAsLapackComputesIt) {
    const Chain c = example_chain();
    const std::vector<std::string> ours = printed(analysed_frequencies(c));
    EXPECT_EQ(ours, printed(lapack_frequencies(c)));
    ASSERT_EQ(ours.size(), 15u);
    EXPECT_EQ(ours[0], "0.00000");
    EXPECT_EQ(ours[1], "5.81206");
    EXPECT_EQ(ours[14], "2023.29978");
}

// Sixteen-mass chains with varied values. Within three decades of inertia both solvers agree
// to every printed digit.
TEST(ChainAnalysis, VariedChainsPrintAsLapackComputesThem) {
    std::mt19937 random(20261211);
    std::uniform_real_distribution<double> decade(0.0, 3.0);
    std::uniform_int_distribution<int> count(2, 16);
    for (int round = 0; round < 40; ++round) {
        Chain c;
        c.n = round < 10 ? 16 : count(random);
        for (int i = 1; i <= 16; ++i) {
            c.inertia[i] = 0.001 * std::pow(10.0, decade(random));
            c.stiffness[i] = 100.0 * std::pow(10.0, decade(random));
        }
        EXPECT_EQ(printed(analysed_frequencies(c)), printed(lapack_frequencies(c)))
            << "round " << round << ", " << c.n << " masses";
    }
}

// Inertias spanning ten decades make A ill-conditioned: the two QL variants round their
// rotations differently, and the small frequencies carry an absolute error of the order of
// the machine precision times the largest eigenvalue. The printed digits may then differ in
// the last places, so the comparison is relative to the largest frequency.
TEST(ChainAnalysis, IllConditionedChainsAgreeRelativeToTheLargestFrequency) {
    std::mt19937 random(4711);
    std::uniform_real_distribution<double> decade(-5.0, 5.0);
    for (int round = 0; round < 20; ++round) {
        Chain c;
        c.n = 16;
        for (int i = 1; i <= 16; ++i) {
            c.inertia[i] = std::pow(10.0, decade(random));
            c.stiffness[i] = std::pow(10.0, 2.0 + decade(random) / 2.0);
        }
        const std::vector<double> ours = analysed_frequencies(c);
        const std::vector<double> theirs = lapack_frequencies(c);
        const double largest = *std::max_element(theirs.begin(), theirs.end());
        for (size_t k = 0; k < ours.size(); ++k) {
            EXPECT_NEAR(ours[k], theirs[k], 1e-9 * largest) << "round " << round << ", F" << k + 1;
        }
    }
}

TEST(ChainAnalysis, WorkedSmallChains) {
    struct Case {
        int n;
        std::vector<double> inertia, stiffness;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {1, {1.0}, {}, {"0.00000"}},
        {2, {1.0, 1.0}, {1.0}, {"0.00000", "0.22508"}},
        // A zero stiffness splits the chain into two free parts.
        {3, {1.0, 1.0, 1.0}, {1.0, 0.0}, {"0.00000", "0.00000", "0.22508"}},
    };
    for (const Case& k : cases) {
        Chain c;
        c.n = k.n;
        std::copy(k.inertia.begin(), k.inertia.end(), c.inertia + 1);
        std::copy(k.stiffness.begin(), k.stiffness.end(), c.stiffness + 1);
        EXPECT_EQ(printed(analysed_frequencies(c)), k.expected) << k.n << " masses";
    }
}

// The rigid rotation of a free chain is mode 1: all masses turn alike.
TEST(ChainAnalysis, FirstModeIsTheRigidRotation) {
    const Chain c = example_chain();
    WorkSet work(c.n);
    ASSERT_EQ(wolpex::analyse(work, c.inertia, c.stiffness).outcome, wolpex::Outcome::completed);
    const double first = work.inv_sqrt_inertia[work.at(1, 1)] * work.eigenvectors[work.at(1, 1)];
    for (int i = 2; i <= c.n; ++i) {
        const double amplitude =
            work.inv_sqrt_inertia[work.at(i, i)] * work.eigenvectors[work.at(i, 1)];
        EXPECT_NEAR(amplitude / first, 1.0, 1e-6) << "mass " << i;
    }
}

// Eigenvectors are orthonormal and A Z = Z D.
TEST(ChainAnalysis, EigenvectorsSolveTheMatrix) {
    const Chain c = example_chain();
    WorkSet work(c.n);
    ASSERT_EQ(wolpex::analyse(work, c.inertia, c.stiffness).outcome, wolpex::Outcome::completed);
    const int n = c.n;
    double scale = 0.0;
    for (int i = 1; i <= n; ++i) {
        scale = std::max(scale, std::fabs(work.eigenvalues[i]));
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            double az = 0.0;
            for (int k = 1; k <= n; ++k) {
                az += work.dynamic_matrix[work.at(i, k)] * work.eigenvectors[work.at(k, j)];
            }
            EXPECT_NEAR(az, work.eigenvalues[j] * work.eigenvectors[work.at(i, j)], 1e-9 * scale);
        }
        double length = 0.0;
        for (int i = 1; i <= n; ++i) {
            length += std::pow(work.eigenvectors[work.at(i, j)], 2.0);
        }
        EXPECT_NEAR(length, 1.0, 1e-12);
    }
    EXPECT_TRUE(std::is_sorted(work.eigenvalues.begin() + 1, work.eigenvalues.end()));
}

// One mass has no spring: the arrays of a one-mass set have two elements, and nothing is
// written beyond them (the sanitizer build checks the bounds).
TEST(ChainAnalysis, OneMassStaysInsideItsWorkSet) {
    Chain c = example_chain();
    c.n = 1;
    WorkSet work(1);
    ASSERT_EQ(work.stiffness_matrix.size(), 2u);
    ASSERT_EQ(wolpex::analyse(work, c.inertia, c.stiffness).outcome, wolpex::Outcome::completed);
    EXPECT_EQ(work.stiffness_matrix[1], 0.0);
    EXPECT_EQ(work.eigenvectors[1], 1.0);
    EXPECT_EQ(work.freq_work[1], 0.0);
}

TEST(ChainAnalysis, InputsThatMakeTheMatrixUndefinedAreRefused) {
    struct Case {
        const char* what;
        int n;
        int index;
        double inertia, stiffness;
        const char* message;
    };
    const Case cases[] = {
        {"J16 of 0 in a chain of 16", 16, 16, 0.0, 15.0,
         "Ungueltige Eingabe!\nJ16 muss groesser als 0 sein."},
        {"J3 of 0", 15, 3, 0.0, 450000.0, "Ungueltige Eingabe!\nJ3 muss groesser als 0 sein."},
        {"ct4 beyond a double", 15, 4, 0.01, INFINITY, "Ungueltige Eingabe!\nct4 ist zu gross."},
        {"J2 so small that A overflows", 15, 2, 1e-310, 90000.0,
         "Ungueltige Eingabe!\nDie Werte der Kette sind zu gross oder zu klein."},
    };
    for (const Case& k : cases) {
        Chain c = example_chain();
        c.n = k.n;
        c.inertia[k.index] = k.inertia;
        c.stiffness[k.index] = k.stiffness;
        WorkSet work(c.n);
        const wolpex::AnalysisResult result = wolpex::analyse(work, c.inertia, c.stiffness);
        EXPECT_EQ(result.outcome, wolpex::Outcome::invalid_input) << k.what;
        EXPECT_EQ(result.message, k.message) << k.what;
    }
}

// An infinite inertia is a mass that does not move: A stays finite and the analysis ends.
TEST(ChainAnalysis, InfiniteInertiaIsAnalysed) {
    Chain c = example_chain();
    c.inertia[15] = INFINITY;
    WorkSet work(c.n);
    EXPECT_EQ(wolpex::analyse(work, c.inertia, c.stiffness).outcome, wolpex::Outcome::completed);
}

TEST(Imtql2, EndsForValuesThatAreNotNumbers) {
    for (double poison : {NAN, INFINITY, -INFINITY}) {
        const int n = 4;
        double d[] = {0, 2.0, poison, 1.0, 3.0};
        double e[] = {0, 0, 1.0, poison, 0.5};
        double z[n * n + 1] = {};
        for (int i = 1; i <= n; ++i) {
            z[(i - 1) * n + i] = 1.0;
        }
        // Ending is what counts (CTest's timeout catches a loop); NaN never converges.
        const int error = wolpex::imtql2(n, d, e, z);
        EXPECT_EQ(error, std::isnan(poison) ? 1 : 0) << poison;
    }
}

TEST(Pythag, LengthsAndValuesThatAreNotNumbers) {
    EXPECT_DOUBLE_EQ(wolpex::pythag(3.0, 4.0), 5.0);
    EXPECT_DOUBLE_EQ(wolpex::pythag(-4.0, 3.0), 5.0);
    EXPECT_EQ(wolpex::pythag(0.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(wolpex::pythag(1e300, 1e300), std::sqrt(2.0) * 1e300);
    EXPECT_TRUE(std::isnan(wolpex::pythag(NAN, 1.0)));
    EXPECT_EQ(wolpex::pythag(INFINITY, INFINITY), INFINITY);
    EXPECT_TRUE(std::isnan(wolpex::pythag(-INFINITY, NAN)));
}

TEST(TransferSign, NegativeZeroCountsAsPositive) {
    EXPECT_EQ(wolpex::transfer_sign(-2.0, 1.0), 2.0);
    EXPECT_EQ(wolpex::transfer_sign(2.0, -1.0), -2.0);
    EXPECT_EQ(wolpex::transfer_sign(-2.0, 0.0), 2.0);
    EXPECT_EQ(wolpex::transfer_sign(-2.0, -0.0), 2.0);
}

TEST(Frequency, SmallAndNegativeEigenvaluesGiveZero) {
    EXPECT_EQ(wolpex::frequency_hz(-1e-9), 0.0);
    EXPECT_EQ(wolpex::frequency_hz(0.0), 0.0);
    EXPECT_EQ(wolpex::frequency_hz(NAN), 0.0);
    // sqrt(d) / (2 pi) just below 0.001 Hz with pi = 3.14159.
    EXPECT_EQ(wolpex::frequency_hz(std::pow(0.000999 * 2.0 * 3.14159, 2.0)), 0.0);
    EXPECT_EQ(number_text::format("%.8lf", wolpex::frequency_hz(1.0)), "0.15915508");
}

TEST(MassCount, TruncatesTowardZero) {
    EXPECT_EQ(wolpex::truncate_count(3.9), 3);
    EXPECT_EQ(wolpex::truncate_count(15.9), 15);
    EXPECT_EQ(wolpex::truncate_count(0.5), 0);
    EXPECT_EQ(wolpex::truncate_count(1e30), 2147483647);
    EXPECT_FALSE(wolpex::count_allowed(0));
    EXPECT_FALSE(wolpex::count_allowed(17));
    EXPECT_TRUE(wolpex::count_allowed(16));
    EXPECT_TRUE(wolpex::count_allowed(1));
}

} // namespace
