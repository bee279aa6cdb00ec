// The grid and the characteristic curve, computed as whole pixels.
#include "characteristic_curve.h"

#include <cmath>
#include <optional>

#include "disc_spring.h"

namespace quendra {

namespace {

// The linear maps from deflection to x and from force to y.
struct CurveScale {
    double a_x, b_x, a_y, b_y;
};

// The scale of the curve, or nothing when the samples cannot be mapped onto the area: a force
// that is not finite (t = 0, or no complete calculation yet), forces that are all equal
// (E = 0), or ranges so narrow or so wide that a factor is no longer finite or not zero.
std::optional<CurveScale> curve_scale(double s_start, double s_end,
                                      const double (&s)[CURVE_SEGMENTS + 1],
                                      const double (&force)[CURVE_SEGMENTS + 1], double f_max,
                                      double f_min, double x_min, double x_max, double y_min,
                                      double y_max) {
    for (int i = 0; i <= CURVE_SEGMENTS; ++i) {
        if (!std::isfinite(s[i]) || !std::isfinite(force[i])) {
            return std::nullopt;
        }
    }
    if (!(f_max > f_min) || !std::isfinite(f_max - f_min)) {
        return std::nullopt;
    }
    CurveScale scale{};
    scale.a_x = (x_max - x_min) / (s_end - s_start);
    scale.b_x = x_min - scale.a_x * s_start;
    scale.a_y = -(y_max - y_min) / (f_max - f_min);
    scale.b_y = y_min - scale.a_y * f_max;
    if (!std::isfinite(scale.a_x) || !std::isfinite(scale.b_x) || !std::isfinite(scale.a_y) ||
        !std::isfinite(scale.b_y) || scale.a_x == 0.0 || scale.a_y == 0.0) {
        return std::nullopt;
    }
    return scale;
}

} // namespace

plot::Drawing characteristic_curve(const CurveSpring& spring, double s_start, double s_end,
                                   const PlotGeometry& geometry) {
    // The box of the curve; the differences are taken in whole pixels.
    const double x_min = geometry.margin;
    const double x_max = geometry.width - geometry.margin;
    const double y_min = geometry.margin;
    const double y_max = geometry.height - geometry.margin;

    plot::Drawing drawing;

    // The grid starts at 0, not at the margin, and ends at x_max and y_max.
    const double grid_dx = x_max / 10.0;
    const double grid_dy = y_max / 10.0;
    for (int i = 0; i <= 10; ++i) {
        drawing.line(0.0, i * grid_dy, x_max, i * grid_dy);
        drawing.line(i * grid_dx, 0.0, i * grid_dx, y_max);
    }

    double s[CURVE_SEGMENTS + 1];
    double force[CURVE_SEGMENTS + 1];
    const double step = (s_end - s_start) / CURVE_SEGMENTS;
    double f_max = -1e100;
    double f_min = 1e100;
    for (int i = 0; i <= CURVE_SEGMENTS; ++i) {
        s[i] = i * step + s_start;
        force[i] = spring_force(spring.thickness, spring.cone_height, spring.outer_diameter,
                                spring.modulus_factor, spring.k1, s[i]);
        if (f_max < force[i]) {
            f_max = force[i];
        }
        if (f_min > force[i]) {
            f_min = force[i];
        }
    }

    const std::optional<CurveScale> scale =
        curve_scale(s_start, s_end, s, force, f_max, f_min, x_min, x_max, y_min, y_max);
    if (!scale) {
        return drawing;
    }
    for (int i = 0; i < CURVE_SEGMENTS; ++i) {
        drawing.line(scale->a_x * s[i] + scale->b_x, scale->a_y * force[i] + scale->b_y,
                     scale->a_x * s[i + 1] + scale->b_x, scale->a_y * force[i + 1] + scale->b_y);
    }
    return drawing;
}

} // namespace quendra
