// The mode-shape plot, computed as doubles and truncated toward zero at every pixel.
#include "mode_plot.h"

#include <cmath>

#include "number_text.h"

namespace wolpex {

ModePlot mode_plot(WorkSet& work, int selected_mode, double frequency, const PlotSize& size) {
    ModePlot result;
    const int n = work.n;
    const double x0 = size.margin;
    const double x1 = size.width - size.margin;
    const double y0 = size.margin;
    const double y1 = size.height - size.margin;
    const double ym = size.height / 2.0;

    double norm = 0.0;
    for (int i = 1; i <= n; ++i) {
        work.mode_amplitude[i] =
            work.inv_sqrt_inertia[work.at(i, i)] * work.eigenvectors[work.at(i, selected_mode)];
        norm += std::pow(work.mode_amplitude[i], 2.0);
    }
    result.mode_norm = std::sqrt(norm);

    plot::Drawing& drawing = result.drawing;
    drawing.line(x0, ym, x1, ym);

    // One mass has no spacing between masses: only the zero line and the label are drawn.
    if (n > 1) {
        result.grid_step = x1 / (n - 1);
        for (int i = 0; i <= n - 1; ++i) {
            const double x = i * result.grid_step;
            drawing.line(x, y0, x, y1);
            // The last number stands left of its line so that it stays inside the area.
            const double text_x = i < n - 1 ? x + 5.0 : x - 25.0;
            drawing.text(text_x, y0 + 5.0, number_text::format("%d", i + 1));
        }
    }

    drawing.text(5, y1 - 25.0, number_text::format("f%d: %7.2lf Hz", selected_mode, frequency));

    if (n > 1) {
        const double h = x1 / (n - 1);
        const double offset = x1 - n * h;
        const double a = -y1 / 2.0;
        const double yb = y1 + a;
        for (int i = 2; i <= n; ++i) {
            drawing.line(h * (i - 1) + offset, a * (work.mode_amplitude[i - 1] / result.mode_norm) + yb,
                         h * i + offset, a * (work.mode_amplitude[i] / result.mode_norm) + yb);
        }
    }
    return result;
}

} // namespace wolpex
