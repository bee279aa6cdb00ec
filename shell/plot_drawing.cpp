// Truncation of plot coordinates to pixels.
#include "plot_drawing.h"

#include <cmath>

namespace plot {

namespace {
// X11 carries coordinates as 16-bit numbers; stay well inside them.
constexpr double PIXEL_LIMIT = 16000.0;
} // namespace

int to_pixel(double coordinate) {
    if (std::isnan(coordinate)) {
        return 0;
    }
    if (coordinate > PIXEL_LIMIT) {
        coordinate = PIXEL_LIMIT;
    } else if (coordinate < -PIXEL_LIMIT) {
        coordinate = -PIXEL_LIMIT;
    }
    return static_cast<int>(coordinate); // truncation toward zero
}

void Drawing::line(double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return;
    }
    items.emplace_back(Line{to_pixel(x1), to_pixel(y1), to_pixel(x2), to_pixel(y2)});
}

void Drawing::text(double x, double y, std::string content) {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    items.emplace_back(Text{to_pixel(x), to_pixel(y), std::move(content)});
}

std::vector<Line> Drawing::lines() const {
    std::vector<Line> found;
    for (const Item& item : items) {
        if (const Line* l = std::get_if<Line>(&item)) {
            found.push_back(*l);
        }
    }
    return found;
}

std::vector<Text> Drawing::texts() const {
    std::vector<Text> found;
    for (const Item& item : items) {
        if (const Text* t = std::get_if<Text>(&item)) {
            found.push_back(*t);
        }
    }
    return found;
}

} // namespace plot
