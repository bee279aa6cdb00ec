// The disc spring formulas. The evaluation order and the groupings are kept exactly as the
// program has always computed them; they decide the last printed digits.
#include "disc_spring.h"

#include <cmath>

#include "number_text.h"

namespace quendra {

double spring_force(double thickness, double cone_height, double outer_diameter,
                    double modulus_factor, double k1, double deflection) {
    const double t = thickness;
    const double h0 = cone_height;
    const double De = outer_diameter;
    const double M = modulus_factor;
    const double s = deflection;
    return ((std::pow(t, 4.0) * M) / (k1 * De * De)) * s / t *
           ((h0 / t - s / t) * (h0 / t - s / (2.0 * t)) + 1.0);
}

SpringCalculation calculate_spring(double outer_diameter, double youngs_modulus,
                                   double inner_diameter, double poisson_ratio, double thickness,
                                   double cone_height, double deflection) {
    const double De = outer_diameter;
    const double E = youngs_modulus;
    const double Di = inner_diameter;
    const double nu = poisson_ratio;
    const double t = thickness;
    const double h0 = cone_height;
    const double s = deflection;
    const double pi = SPRING_PI;

    SpringCalculation c{};
    const double M = (4.0 * E) / (1.0 - nu * nu);
    const double delta = De / Di;
    const double K1 = ((1.0 / pi) * std::pow((delta - 1.0) / delta, 2.0)) /
                      ((delta + 1.0) / (delta - 1.0) - 2.0 / std::log(delta));
    const double K2 = ((6.0 / pi) / std::log(delta)) * ((delta - 1.0) / std::log(delta) - 1.0);
    const double K3 = ((3.0 / pi) / std::log(delta)) * (delta - 1.0);
    c.modulus_factor = M;
    c.diameter_ratio = delta;
    c.k1 = K1;
    c.k2 = K2;
    c.k3 = K3;

    const double F = spring_force(t, h0, De, M, K1, s);
    const double W = (((M / 2.0) * std::pow(t, 5.0)) / (K1 * De * De)) * std::pow(s / t, 2.0) *
                     (std::pow(h0 / t - s / (2.0 * t), 2.0) + 1.0);
    // The common factor of the stresses; with s = 0 it is a negative zero, which shows as
    // "-0.000000" in the stresses that keep its sign.
    const double Q = (((-M) * t * s) / K1) / (De * De);
    const double a = h0 / t - s / (2.0 * t);

    c.result_value[RESULT_FORCE] = F;
    c.result_value[RESULT_STRESS_1] = Q * (K2 * a + K3);
    c.result_value[RESULT_WORK] = W;
    c.result_value[RESULT_STRESS_2] = Q * (K2 * a - K3);
    c.result_value[RESULT_STRESS_OM] = (Q * 3.0) / pi;
    c.result_value[RESULT_STRESS_3] = (Q / delta) * ((K2 - 2.0 * K3) * a - K3);
    return c;
}

std::string result_text(double value) { return number_text::format("%10.6lf", value); }

} // namespace quendra
