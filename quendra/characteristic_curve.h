// The geometry of the spring characteristic (force over deflection) in the drawing area:
// a 10 x 10 grid and the curve through 31 samples of the force, as whole pixels.
// Pure C++ without GTK; the form hands the result to GDK.
#pragma once

#include "plot_drawing.h"

namespace quendra {

// The stored spring that the curve samples: the values of the last complete calculation.
struct CurveSpring {
    double thickness;
    double cone_height;
    double outer_diameter;
    double modulus_factor;
    double k1;
};

// The size of the drawing and the margin of the curve inside it, in pixels.
struct PlotGeometry {
    int width;
    int height;
    int margin;
};

inline constexpr int CURVE_SEGMENTS = 30;

// The grid, then the curve from s_start to s_end (the caller has checked s_start < s_end).
// The deflection range fills the width between the margins, the sampled forces fill the
// height, the largest force at the top. A curve that cannot be scaled (forces all equal or
// not all finite, or a scale that is not finite) is left out: only the grid is drawn.
plot::Drawing characteristic_curve(const CurveSpring& spring, double s_start, double s_end,
                                   const PlotGeometry& geometry);

} // namespace quendra
