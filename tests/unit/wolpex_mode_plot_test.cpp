// The mode-shape plot in pixels: zero line, mass lines and numbers, label and polyline.
#include <gtest/gtest.h>

#include <vector>

#include "chain.h"
#include "mode_plot.h"
#include "wolpex_example_chain.h"

namespace {

using plot::Line;
using plot::Text;

struct Analysed {
    double inertia[17], stiffness[17];
    wolpex::WorkSet work;
    explicit Analysed(int n) : work(n) {}
};

Analysed example(int n) {
    Analysed a(n);
    wolpex_example::fill(a.inertia, a.stiffness);
    EXPECT_EQ(wolpex::analyse(a.work, a.inertia, a.stiffness).outcome,
              wolpex::Outcome::completed);
    return a;
}

// The polyline: the lines after the label.
std::vector<Line> mode_lines(const plot::Drawing& d, int n) {
    const std::vector<Line> lines = d.lines();
    return std::vector<Line>(lines.end() - (n - 1), lines.end());
}

TEST(ModePlot, ExampleChainModeTwoInPixels) {
    Analysed a = example(15);
    const wolpex::ModePlot p = wolpex::mode_plot(a.work, 2, 5.81206108, {});
    const std::vector<Line> lines = p.drawing.lines();
    ASSERT_EQ(lines.size(), 1u + 15u + 14u);
    EXPECT_EQ(lines[0], (Line{2, 150, 1198, 150}));
    const int mass_x[] = {0, 85, 171, 256, 342, 427, 513, 599, 684, 770, 855, 941, 1026, 1112, 1198};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(lines[1 + i], (Line{mass_x[i], 2, mass_x[i], 298})) << "mass " << i + 1;
    }
    const std::vector<Line> expected_shape = {
        {0, 102, 85, 102},     {85, 102, 171, 102},    {171, 102, 256, 102},
        {256, 102, 342, 102},  {342, 102, 427, 102},   {427, 102, 513, 102},
        {513, 102, 599, 112},  {599, 112, 684, 114},   {684, 114, 770, 114},
        {770, 114, 855, 116},  {855, 116, 941, 118},   {941, 118, 1026, 118},
        {1026, 118, 1112, 142}, {1112, 142, 1198, 149}};
    EXPECT_EQ(mode_lines(p.drawing, 15), expected_shape);

    const std::vector<Text> texts = p.drawing.texts();
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts[0], (Text{5, 7, "1"}));
    EXPECT_EQ(texts[1], (Text{90, 7, "2"}));
    EXPECT_EQ(texts[14], (Text{1173, 7, "15"})); // the last number left of its line
    EXPECT_EQ(texts[15], (Text{5, 273, "f2:    5.81 Hz"}));
}

// Mode 1 of a free chain turns all masses alike: one horizontal line, off the base by the
// full amplitude share of each mass.
TEST(ModePlot, FirstModeIsAFlatLine) {
    Analysed a = example(15);
    const wolpex::ModePlot p = wolpex::mode_plot(a.work, 1, 0.0, {});
    const std::vector<Line> shape = mode_lines(p.drawing, 15);
    for (const Line& l : shape) {
        EXPECT_EQ(l.y1, shape[0].y1);
        EXPECT_EQ(l.y2, shape[0].y1);
    }
    EXPECT_NE(shape[0].y1, 149);
    EXPECT_EQ(p.drawing.texts().back().text, "f1:    0.00 Hz");
}

TEST(ModePlot, TwoMasses) {
    Analysed a(2);
    a.inertia[1] = a.inertia[2] = 1.0;
    a.stiffness[1] = 1.0;
    ASSERT_EQ(wolpex::analyse(a.work, a.inertia, a.stiffness).outcome,
              wolpex::Outcome::completed);
    const wolpex::ModePlot p = wolpex::mode_plot(a.work, 2, 0.22508, {});
    const std::vector<Line> lines = p.drawing.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], (Line{0, 2, 0, 298}));
    EXPECT_EQ(lines[2], (Line{1198, 2, 1198, 298}));
    EXPECT_EQ(lines[3].x1, 0);
    EXPECT_EQ(lines[3].x2, 1198);
    // Equal and opposite amplitudes of 1/sqrt(2) of the norm.
    EXPECT_EQ(std::min(lines[3].y1, lines[3].y2), 43);
    EXPECT_EQ(std::max(lines[3].y1, lines[3].y2), 254);
    const std::vector<Text> texts = p.drawing.texts();
    EXPECT_EQ(texts[0].x, 5);
    EXPECT_EQ(texts[1].x, 1173);
    EXPECT_DOUBLE_EQ(p.grid_step, 1198.0);
}

// One mass has no spacing: only the zero line and the label, nothing from 1198 / 0.
TEST(ModePlot, OneMassDrawsTheZeroLineAndTheLabelOnly) {
    Analysed a(1);
    a.inertia[1] = 2.0;
    ASSERT_EQ(wolpex::analyse(a.work, a.inertia, a.stiffness).outcome,
              wolpex::Outcome::completed);
    const wolpex::ModePlot p = wolpex::mode_plot(a.work, 1, 0.0, {});
    ASSERT_EQ(p.drawing.items.size(), 2u);
    EXPECT_EQ(p.drawing.lines(), (std::vector<Line>{{2, 150, 1198, 150}}));
    EXPECT_EQ(p.drawing.texts(), (std::vector<Text>{{5, 273, "f1:    0.00 Hz"}}));
}

} // namespace
