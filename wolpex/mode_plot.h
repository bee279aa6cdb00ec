// The geometry of the mode-shape plot: the zero line, one vertical line and number per mass,
// the frequency label and the mode shape as a polyline, in pixels of the drawing area.
#pragma once

#include "chain.h"
#include "plot_drawing.h"

namespace wolpex {

struct PlotSize {
    int width = 1200;
    int height = 300;
    int margin = 2;
};

struct ModePlot {
    plot::Drawing drawing;
    double mode_norm = 0.0; // Euclidean length of the amplitudes
    double grid_step = 0.0; // horizontal distance between two masses (0 for one mass)
};

// The drawing of mode selected_mode (1..work.n) of a completed analysis, labelled with its
// frequency in Hz. Fills work.mode_amplitude with the physical amplitudes of the masses.
ModePlot mode_plot(WorkSet& work, int selected_mode, double frequency, const PlotSize& size);

} // namespace wolpex
