// The globals and functions of wolpex: its form, its handlers and the numbers they share.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "calculator_shell.h"
#include "chain.h"
#include "mode_plot.h"

namespace wolpex {

// The program's settings for the shell: title, icon, action bar, wiring, about text.
extern const shell::ProgramSettings settings;

// Child widgets: inputs 1..16 (stiffness_entry[16] is the mass count), results 0..15.
extern GtkWidget* inertia_entry[17];
extern GtkWidget* stiffness_entry[17];
extern GtkWidget* frequency_entry[16];
extern GtkWidget* mode_entry;
extern GtkWidget* plot_area;

// Boxes of the form.
extern GtkWidget *outer_box, *scroller, *content_box, *input_box, *masses_box, *stiffness_box,
    *action_box, *result_box, *plot_box;

// Numbers of the last calculation, indexed 1..16 like the entries.
extern const char* inertia_text[17];
extern const char* stiffness_text[17];
extern double inertia[17];
extern double stiffness[17];
extern int mass_count;
extern double freq_hz[17];
extern int imtql2_error;
extern std::string output_text;

// The work set of the last completed analysis (null before the first one): the plot draws
// its modes, with the count it was made for.
extern std::unique_ptr<WorkSet> work_set;

// The plot.
extern const PlotSize plot_size;
extern const char* mode_text;
extern int selected_mode;
extern double mode_norm;
extern double grid_step;

// Form builders.
int build_layout();
int build_masses_frame();
int build_stiffness_frame();
int build_results_frame();
int build_plot_frame();

// Signal handlers.
int on_calculate(GtkWidget* widget, gpointer data);
int on_draw(GtkWidget* widget, gpointer data);
int on_save(GtkWidget* widget, gpointer data);

} // namespace wolpex
