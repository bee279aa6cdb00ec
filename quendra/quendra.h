// The globals and functions of quendra: its form, its handlers and the numbers they share.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "calculator_shell.h"
#include "characteristic_curve.h"
#include "disc_spring.h"

namespace quendra {

// The program's settings for the shell: title, icon, action bar, wiring, about text.
extern const shell::ProgramSettings settings;

// Child widgets: inputs De, E, Di, nu, t, h0, s; results F, stress 1, W, stress 2,
// stress OM, stress 3; the deflection range s1, s2; the drawing area of the characteristic.
extern GtkWidget* input_entry[INPUT_COUNT];
extern GtkWidget* result_entry[RESULT_COUNT];
extern GtkWidget* range_entry[2];
extern GtkWidget* curve_area;

// Boxes of the form.
extern GtkWidget *main_vbox, *input_box, *action_box, *result_box, *plot_box, *plot_vbox,
    *range_hbox;

// Size of the drawing area and margin of the curve inside it, in pixels.
extern const int plot_width;
extern const int plot_height;
extern const int plot_margin;

// Numbers of the latest calculation. input_text borrows the entries' texts; input_value is
// written field by field, the working values only when all seven fields have passed.
extern const char* input_text[INPUT_COUNT];
extern double input_value[INPUT_COUNT];
extern double outer_diameter, youngs_modulus, inner_diameter, poisson_ratio, thickness, cone_height,
    deflection;
extern double modulus_factor, diameter_ratio, k1, k2, k3;
extern double result_value[RESULT_COUNT];
extern std::string output_text;

// The deflection range of the latest drawing.
extern const char* range_text[2];
extern double range_value[2];

// Form builders.
int build_layout();
int build_input_frame();
int build_results_frame();
int build_range_frame();

// Signal handlers.
int on_calculate(GtkWidget* widget, gpointer data);
int on_draw(GtkWidget* widget, gpointer data);
int on_save(GtkWidget* widget, gpointer data);

} // namespace quendra
