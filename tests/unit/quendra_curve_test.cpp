// The geometry of the spring characteristic: the grid, the 31 points of the example spring,
// and the curves that cannot be scaled.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "characteristic_curve.h"
#include "disc_spring.h"

namespace {

using plot::Line;
using quendra::characteristic_curve;
using quendra::CurveSpring;
using quendra::PlotGeometry;

constexpr PlotGeometry AREA{800, 300, 2};

CurveSpring stored(const quendra::SpringCalculation& c, double De, double t, double h0) {
    return CurveSpring{t, h0, De, c.modulus_factor, c.k1};
}

// The example spring of the form, as the last complete calculation left it.
CurveSpring example_spring() {
    return stored(quendra::calculate_spring(100.0, 206000.0, 50.0, 0.3, 1.0, 1.0, 1.0), 100.0, 1.0,
                  1.0);
}

std::vector<Line> expected_grid() {
    // A horizontal and then a vertical line in each of 11 rounds, from 0 (not the margin) to
    // x_max = 798 and y_max = 298; the steps 79.8 and 29.8 are truncated per line.
    const int y[] = {0, 29, 59, 89, 119, 149, 178, 208, 238, 268, 298};
    const int x[] = {0, 79, 159, 239, 319, 399, 478, 558, 638, 718, 798};
    std::vector<Line> grid;
    for (int i = 0; i <= 10; ++i) {
        grid.push_back({0, y[i], 798, y[i]});
        grid.push_back({x[i], 0, x[i], 298});
    }
    return grid;
}

std::vector<Line> curve_part(const plot::Drawing& drawing) {
    const std::vector<Line> lines = drawing.lines();
    return std::vector<Line>(lines.begin() + 22, lines.end());
}

TEST(QuendraCurve, GridComesFirst) {
    const std::vector<Line> lines = characteristic_curve(example_spring(), 0.0, 1.0, AREA).lines();
    ASSERT_GE(lines.size(), 22u);
    EXPECT_EQ(std::vector<Line>(lines.begin(), lines.begin() + 22), expected_grid());
    EXPECT_TRUE(characteristic_curve(example_spring(), 0.0, 1.0, AREA).texts().empty());
}

TEST(QuendraCurve, ExampleSpringOverDefaultRange) {
    // Force rises from 0 to 130.41 N: s = 0 maps to the bottom left, s = 1 to the top right.
    const int points[31][2] = {
        {2, 298},   {28, 278},  {55, 260},  {81, 243},  {108, 226}, {134, 210}, {161, 196},
        {187, 182}, {214, 168}, {240, 156}, {267, 144}, {293, 133}, {320, 122}, {346, 112},
        {373, 103}, {400, 94},  {426, 86},  {453, 78},  {479, 70},  {506, 63},  {532, 56},
        {559, 50},  {585, 44},  {612, 38},  {638, 32},  {665, 27},  {691, 22},  {718, 16},
        {744, 11},  {771, 6},   {798, 2}};
    std::vector<Line> expected;
    for (int i = 0; i < 30; ++i) {
        expected.push_back({points[i][0], points[i][1], points[i + 1][0], points[i + 1][1]});
    }
    EXPECT_EQ(curve_part(characteristic_curve(example_spring(), 0.0, 1.0, AREA)), expected);
}

TEST(QuendraCurve, NarrowRangeStillFillsTheArea) {
    // 0.5 to 0.6: the range is stretched over the width, its forces over the height.
    const std::vector<Line> curve =
        curve_part(characteristic_curve(example_spring(), 0.5, 0.6, AREA));
    ASSERT_EQ(curve.size(), 30u);
    EXPECT_EQ(curve.front().x1, 2);
    EXPECT_EQ(curve.front().y1, 298);
    EXPECT_EQ(curve.back().x2, 798);
    EXPECT_EQ(curve.back().y2, 2);
}

TEST(QuendraCurve, UnscalableCurveLeavesOnlyTheGrid) {
    struct Case {
        const char* name;
        CurveSpring spring;
        double s_start, s_end;
    };
    const quendra::SpringCalculation steel_e0 =
        quendra::calculate_spring(100.0, 0.0, 50.0, 0.3, 1.0, 1.0, 1.0);
    const quendra::SpringCalculation thin =
        quendra::calculate_spring(100.0, 206000.0, 50.0, 0.3, 0.0, 1.0, 1.0);
    // E = 1e307 on a small spring with a high cone: every force is finite, but they run from
    // +1.2e308 to -1.1e308, a span beyond the doubles. Scaled anyway, the curve would collapse
    // into a straight line along the top.
    const quendra::SpringCalculation span =
        quendra::calculate_spring(10.0, 1e307, 5.0, 0.3, 1.0, 10.0, 1.0);
    // Smaller still: the falling branch overflows to -inf while the rest stays finite.
    const quendra::SpringCalculation overflow =
        quendra::calculate_spring(7.0, 1e307, 3.5, 0.3, 1.0, 10.0, 1.0);
    const Case cases[] = {
        {"E = 0: all forces equal", stored(steel_e0, 100.0, 1.0, 1.0), 0.0, 1.0},
        {"t = 0: forces undefined", stored(thin, 100.0, 0.0, 1.0), 0.0, 1.0},
        {"no complete calculation yet: all stored values 0", CurveSpring{0, 0, 0, 0, 0}, 0.0, 1.0},
        {"force span not finite", stored(span, 10.0, 1.0, 10.0), 0.0, 20.0},
        {"some forces infinite", stored(overflow, 7.0, 1.0, 10.0), 0.0, 20.0},
        {"range end infinite (a number of 400 digits)", example_spring(), 0.0, HUGE_VAL},
        {"forces beyond the doubles at the range end", example_spring(), 0.0, 1e110},
        {"range narrower than the doubles can scale", example_spring(), 0.0, 1e-310},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const plot::Drawing drawing = characteristic_curve(k.spring, k.s_start, k.s_end, AREA);
        EXPECT_EQ(drawing.lines(), expected_grid());
    }
}

TEST(QuendraCurve, ExtremeRangesStayInsideTheArea) {
    // Ranges far from the example: the forces are finite and scalable, so the whole curve is
    // drawn, and every pixel lands inside the area (give or take the rounding of the
    // scale factors).
    struct Case {
        const char* name;
        double s_start, s_end;
    };
    const Case cases[] = {
        {"forces up to 1e152", 0.0, 1e50},
        {"a range of 1 far from zero", 1e15, 1e15 + 1.0},
        {"a tiny range", 0.5, 0.5 + 1e-12},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const std::vector<Line> curve =
            curve_part(characteristic_curve(example_spring(), k.s_start, k.s_end, AREA));
        ASSERT_EQ(curve.size(), 30u);
        for (const Line& l : curve) {
            for (int x : {l.x1, l.x2}) {
                EXPECT_GE(x, 0);
                EXPECT_LE(x, 800);
            }
            for (int y : {l.y1, l.y2}) {
                EXPECT_GE(y, 0);
                EXPECT_LE(y, 300);
            }
        }
    }
}

} // namespace
