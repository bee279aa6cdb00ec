// The disc spring calculation: the printed results of worked springs, the signs of zero, an
// independent textbook computation of the force, and results of any magnitude.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "disc_spring.h"
#include "number_text.h"

namespace {

using quendra::calculate_spring;
using quendra::result_text;
using quendra::SpringCalculation;

// The example spring of the form: De 100 mm, E 206000 N/mm^2, Di 50 mm, nu 0.3, t 1 mm,
// h0 1 mm, deflected by s 1 mm.
SpringCalculation example_spring(double deflection) {
    return calculate_spring(100.0, 206000.0, 50.0, 0.3, 1.0, 1.0, deflection);
}

std::array<std::string, 6> shown(const SpringCalculation& c) {
    std::array<std::string, 6> texts;
    for (int i = 0; i < 6; ++i) {
        texts[i] = result_text(c.result_value[i]);
    }
    return texts;
}

TEST(QuendraSpring, ExampleSpringShowsItsSixResults) {
    // F, stress 1, W, stress 2, stress OM, stress 3: the last digits depend on the stored
    // circle constant 3.14159 and on the evaluation order of the formulas.
    const std::array<std::string, 6> expected{"130.411989", "-259.201999", " 81.507493",
                                              "100.128270", "-124.534381", "139.896703"};
    EXPECT_EQ(shown(example_spring(1.0)), expected);
}

TEST(QuendraSpring, ExampleSpringIntermediateValues) {
    const SpringCalculation c = example_spring(1.0);
    EXPECT_EQ(c.diameter_ratio, 2.0);
    // Ten significant digits.
    EXPECT_NEAR(c.modulus_factor, 905494.5055, 1e-4);
    EXPECT_NEAR(c.k1, 0.6943337889, 1e-10);
    EXPECT_NEAR(c.k2, 1.219778405, 1e-9);
    EXPECT_NEAR(c.k3, 1.377673446, 1e-9);
}

TEST(QuendraSpring, NoDeflectionShowsTheSignsOfZero) {
    // Q = -M t s / K1 / De^2 is a negative zero; stress 1 and stress OM keep its sign,
    // stress 2 and stress 3 multiply it by a negative factor.
    const std::array<std::string, 6> expected{"  0.000000", " -0.000000", "  0.000000",
                                              "  0.000000", " -0.000000", "  0.000000"};
    EXPECT_EQ(shown(example_spring(0.0)), expected);
}

// The force after Almen and Laszlo as a textbook writes it, in long double and with its own
// grouping: F = 4 E / (1 - nu^2) * t^4 / (K1 De^2) * s/t * ((h0/t - s/t)(h0/t - s/2t) + 1),
// K1 = 1/pi * ((delta - 1)/delta)^2 / ((delta + 1)/(delta - 1) - 2/ln delta). It uses the
// program's six-digit circle constant, so only rounding separates the two.
long double textbook_force(long double De, long double E, long double Di, long double nu,
                           long double t, long double h0, long double s) {
    const long double pi = 3.14159L;
    const long double delta = De / Di;
    const long double ratio = (delta - 1.0L) / delta;
    const long double k1 =
        ratio * ratio / pi / ((delta + 1.0L) / (delta - 1.0L) - 2.0L / std::log(delta));
    const long double h = h0 / t;
    const long double x = s / t;
    return 4.0L * E / (1.0L - nu * nu) * t * t * t * t / (k1 * De * De) * x *
           ((h - x) * (h - x / 2.0L) + 1.0L);
}

struct OtherSpring {
    const char* name;
    double De, E, Di, nu, t, h0, s;
};

TEST(QuendraSpring, ForceAgreesWithTextbookComputation) {
    const OtherSpring springs[] = {
        // thick steel spring, deflected by three quarters of h0
        {"steel 40 x 20.4 x 2.25, h0 0.9", 40.0, 206000.0, 20.4, 0.3, 2.25, 0.9, 0.675},
        // thin spring with a high cone, pressed beyond flat (falling branch)
        {"steel 40 x 20.4 x 1, h0 1.3, s 2", 40.0, 206000.0, 20.4, 0.3, 1.0, 1.3, 2.0},
        // large spring
        {"steel 100 x 51 x 6, h0 2.2", 100.0, 206000.0, 51.0, 0.3, 6.0, 2.2, 1.65},
        // copper-beryllium spring, other E and nu
        {"CuBe 50 x 25.4 x 2, h0 1.1", 50.0, 120000.0, 25.4, 0.35, 2.0, 1.1, 0.5},
    };
    for (const OtherSpring& sp : springs) {
        SCOPED_TRACE(sp.name);
        const double force =
            calculate_spring(sp.De, sp.E, sp.Di, sp.nu, sp.t, sp.h0, sp.s).result_value[0];
        const double expected =
            static_cast<double>(textbook_force(sp.De, sp.E, sp.Di, sp.nu, sp.t, sp.h0, sp.s));
        EXPECT_NEAR(force, expected, std::fabs(expected) * 1e-12);
        // spring_force of the stored coefficients is the same operation, bit for bit.
        const SpringCalculation c = calculate_spring(sp.De, sp.E, sp.Di, sp.nu, sp.t, sp.h0, sp.s);
        EXPECT_EQ(quendra::spring_force(sp.t, sp.h0, sp.De, c.modulus_factor, c.k1, sp.s), force);
    }
}

TEST(QuendraSpring, FlatPositionForceOfTextbook) {
    // Pressed flat (s = h0) the bracket is 1: F = 4 E / (1 - nu^2) * t^3 h0 / (K1 De^2).
    const SpringCalculation c = calculate_spring(80.0, 206000.0, 41.0, 0.3, 3.0, 2.3, 2.3);
    const double flat = c.modulus_factor * 27.0 * 2.3 / (c.k1 * 80.0 * 80.0);
    EXPECT_NEAR(c.result_value[0], flat, flat * 1e-14);
}

TEST(QuendraSpring, ResultOfAnyMagnitudeIsFormattedInFull) {
    // An E of 300 nines (digits pass the number check) gives a force of about 6e296 N:
    // its text has 297 digits before the point and must not be cut at any buffer size.
    const std::string nines(300, '9');
    const double E = number_text::to_real(nines.c_str());
    const SpringCalculation c = calculate_spring(100.0, E, 50.0, 0.3, 1.0, 1.0, 1.0);
    const std::string force = result_text(c.result_value[0]);
    EXPECT_EQ(force.size(), 297u + 7u);
    EXPECT_EQ(force.substr(0, 3), "633");
    EXPECT_EQ(force.substr(force.size() - 7), ".000000");

    const std::string huge = result_text(-1e308);
    EXPECT_EQ(huge.size(), 1u + 309u + 7u);
    EXPECT_EQ(huge.substr(0, 12), "-10000000000");
}

TEST(QuendraSpring, DivisionsByZeroAreShownAsTheyCome) {
    struct Case {
        const char* name;
        double De, E, Di, nu, t, h0, s;
        const char* force_text;
    };
    const Case cases[] = {
        {"Di = 0 makes delta infinite", 100.0, 206000.0, 0.0, 0.3, 1.0, 1.0, 1.0, "      -nan"},
        {"t = 0", 100.0, 206000.0, 50.0, 0.3, 0.0, 1.0, 1.0, "      -nan"},
        {"nu = 1", 100.0, 206000.0, 50.0, 1.0, 1.0, 1.0, 1.0, "       inf"},
        {"De = Di", 50.0, 206000.0, 50.0, 0.3, 1.0, 1.0, 1.0, "      -nan"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const SpringCalculation c = calculate_spring(k.De, k.E, k.Di, k.nu, k.t, k.h0, k.s);
        EXPECT_EQ(result_text(c.result_value[0]), k.force_text);
    }
}

} // namespace
