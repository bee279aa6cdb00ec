// The disc spring after DIN 2093: the coefficients K1, K2, K3, the spring force and the six
// results of one spring at one deflection. Pure C++ without GTK; every input is a parameter.
#pragma once

#include <array>
#include <string>

namespace quendra {

// The circle constant of every formula of the program, stored with six digits. The printed
// results depend on it in their last digits, so it is not the full-precision value.
inline constexpr double SPRING_PI = 3.14159;

// Indices of the seven inputs, in the order of the form (row by row).
inline constexpr int INPUT_OUTER_DIAMETER = 0; // De / mm
inline constexpr int INPUT_YOUNGS_MODULUS = 1; // E / (N/mm^2)
inline constexpr int INPUT_INNER_DIAMETER = 2; // Di / mm
inline constexpr int INPUT_POISSON_RATIO = 3;  // nu
inline constexpr int INPUT_THICKNESS = 4;      // t / mm
inline constexpr int INPUT_CONE_HEIGHT = 5;    // h0 / mm
inline constexpr int INPUT_DEFLECTION = 6;     // s / mm
inline constexpr int INPUT_COUNT = 7;

// Indices of the six results, in the order of the results table (row by row).
inline constexpr int RESULT_FORCE = 0;     // F / N
inline constexpr int RESULT_STRESS_1 = 1;  // N/mm^2
inline constexpr int RESULT_WORK = 2;      // W / mJ (N mm)
inline constexpr int RESULT_STRESS_2 = 3;  // N/mm^2
inline constexpr int RESULT_STRESS_OM = 4; // N/mm^2
inline constexpr int RESULT_STRESS_3 = 5;  // N/mm^2
inline constexpr int RESULT_COUNT = 6;

// What one calculation leaves behind: the intermediate values that the plot reads and the
// six results in result order. Negative stresses are compressive.
struct SpringCalculation {
    double modulus_factor; // M = 4 E / (1 - nu^2)
    double diameter_ratio; // delta = De / Di
    double k1, k2, k3;
    std::array<double, RESULT_COUNT> result_value;
};

// The force of a spring at the deflection s. The grouping fixes the last digits and is the
// same in the calculation and in the plot.
double spring_force(double thickness, double cone_height, double outer_diameter,
                    double modulus_factor, double k1, double deflection);

// The whole calculation of one spring. Nothing is checked: divisions by zero give infinite
// or undefined results, which are shown like any other value.
SpringCalculation calculate_spring(double outer_diameter, double youngs_modulus,
                                   double inner_diameter, double poisson_ratio, double thickness,
                                   double cone_height, double deflection);

// The text of a result entry: "%10.6lf" in full, whatever the magnitude.
std::string result_text(double value);

} // namespace quendra
