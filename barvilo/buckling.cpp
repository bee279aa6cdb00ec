// The buckling check. Every step is one statement whose result is stored as a double, in
// the order of the method, so that the printed digits do not depend on the compiler.
#include "buckling.h"

#include <cmath>
#include <limits>

#include "number_text.h"

namespace barvilo {

std::array<double, RESULT_COUNT> BucklingResults::in_display_order() const {
    return {free_length,        gyration_radius, slenderness,  limit_slenderness,
            compressive_stress, allowed_stress,  allowed_force};
}

Member member_from_inputs(const double input_value[INPUT_COUNT]) {
    return {input_value[0], input_value[1], input_value[2], input_value[3],
            input_value[4], input_value[5], input_value[6]};
}

double free_buckling_length(int buckling_case, double length_l1) {
    double free_length = std::numeric_limits<double>::quiet_NaN();
    if (buckling_case == BUCKLING_CASE_1) {
        free_length = 2.0 * length_l1;
    }
    if (buckling_case == BUCKLING_CASE_2) {
        free_length = length_l1;
    }
    if (buckling_case == BUCKLING_CASE_3) {
        // Computed, not a rounded 0.7: the digits of the free length depend on it.
        const double factor = std::sqrt(2.0) * 0.5;
        free_length = factor * length_l1;
    }
    if (buckling_case == BUCKLING_CASE_4) {
        free_length = 0.5 * length_l1;
    }
    return free_length;
}

BucklingResults check_buckling(const Member& member, int buckling_case) {
    BucklingResults r{};
    r.free_length = free_buckling_length(buckling_case, member.length_l1);
    const double moment_per_area = member.area_moment / member.area;
    r.gyration_radius = std::sqrt(moment_per_area);
    r.slenderness = r.free_length / r.gyration_radius;
    // The yield strength itself is the limit stress; no proportional limit is derived.
    const double modulus_per_yield = member.modulus / member.yield_strength;
    const double root = std::sqrt(modulus_per_yield);
    r.limit_slenderness = root * BUCKLING_PI;
    r.compressive_stress = member.force / member.area;
    // Euler's critical stress divided by the safety factor.
    const double pi_squared = std::pow(BUCKLING_PI, 2.0);
    const double numerator = pi_squared * member.modulus;
    const double slenderness_squared = std::pow(r.slenderness, 2.0);
    const double denominator = slenderness_squared * member.safety;
    r.allowed_stress = numerator / denominator;
    r.allowed_force = r.allowed_stress * member.area;
    return r;
}

const char* verdict_text(double limit_slenderness, double slenderness) {
    if (limit_slenderness > slenderness) {
        return VERDICT_TETMAJER;
    }
    return VERDICT_EULER;
}

std::string result_text(double value) { return number_text::format("%7.5lf", value); }

} // namespace barvilo
