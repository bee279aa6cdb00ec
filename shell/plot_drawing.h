// A drawing as the programs compute it: lines and texts at whole pixel positions, in the
// order in which they are drawn. Pure C++, so that every pixel can be checked without a
// display; the shell's draw_plot hands it to GDK.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace plot {

struct Line {
    int x1, y1, x2, y2;
    bool operator==(const Line&) const = default;
};

struct Text {
    int x, y; // top-left corner of the text
    std::string text;
    bool operator==(const Text&) const = default;
};

using Item = std::variant<Line, Text>;

// The pixel of a coordinate: truncated toward zero, and kept within the range that the X
// protocol can carry (far outside any drawing area, so nothing visible changes).
int to_pixel(double coordinate);

// The coordinates are computed as doubles and truncated toward zero. A line or text with a
// coordinate that is not finite is left out: it has no place on the screen.
struct Drawing {
    std::vector<Item> items;

    void line(double x1, double y1, double x2, double y2);
    void text(double x, double y, std::string content);
    std::vector<Line> lines() const;
    std::vector<Text> texts() const;
};

} // namespace plot
