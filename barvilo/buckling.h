// The buckling check of a compression member for the four Euler support cases: free
// buckling length, radius of gyration, slenderness, limit slenderness, compressive stress,
// allowed stress, allowed force and the regime (Euler or Tetmajer).
// Pure C++: no GTK, no global state; every input is a parameter.
#pragma once

#include <array>
#include <string>

namespace barvilo {

// The codes of the four buckling cases, as the case buttons store them.
inline constexpr int BUCKLING_CASE_1 = 880; // fixed / free
inline constexpr int BUCKLING_CASE_2 = 881; // pinned / pinned
inline constexpr int BUCKLING_CASE_3 = 882; // fixed / pinned
inline constexpr int BUCKLING_CASE_4 = 883; // fixed / fixed

// The program's own circle constant; printed results depend on it, so it is not M_PI.
inline constexpr double BUCKLING_PI = 3.14159265;

inline constexpr int INPUT_COUNT = 7;
inline constexpr int RESULT_COUNT = 7;

// The verdict label's texts: before the first calculation, and the two regimes.
inline constexpr const char* VERDICT_UNKNOWN = "Knickung?";
inline constexpr const char* VERDICT_EULER = "elastische Knickung nach Euler";
inline constexpr const char* VERDICT_TETMAJER = "unelastische Knickung nach Tetmajer";

// The member as entered, in entry order.
struct Member {
    double force;          // F / N
    double length_l1;      // L1 / mm
    double area;           // A / mm^2
    double area_moment;    // I / mm^4
    double modulus;        // E / (N/mm^2)
    double yield_strength; // Re / (N/mm^2)
    double safety;         // S / 1
};

// The results, in display order.
struct BucklingResults {
    double free_length;        // mm
    double gyration_radius;    // mm
    double slenderness;        // 1
    double limit_slenderness;  // 1
    double compressive_stress; // N/mm^2
    double allowed_stress;     // N/mm^2
    double allowed_force;      // N

    std::array<double, RESULT_COUNT> in_display_order() const;
};

// The member from the seven converted inputs F, L1, A, I, E, Re, S.
Member member_from_inputs(const double input_value[INPUT_COUNT]);

// The free buckling length of a member of length L1 in the given case. A code that is no
// case gives NaN, so that it shows in every result that depends on it.
double free_buckling_length(int buckling_case, double length_l1);

// The whole check. No range check: zero inputs run through IEEE arithmetic into
// infinities and NaNs. The allowed stress is Euler's also in Tetmajer's range.
BucklingResults check_buckling(const Member& member, int buckling_case);

// The verdict: Tetmajer's (inelastic) range when the limit slenderness is greater than the
// slenderness; equality, and a comparison with a NaN, give Euler.
const char* verdict_text(double limit_slenderness, double slenderness);

// A result as the result entries show it ("%7.5lf"), of any length.
std::string result_text(double value);

} // namespace barvilo
