// The globals and functions of barvilo: its form with the choice of the buckling case, its
// handlers and the numbers they share.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "buckling.h"
#include "calculator_shell.h"

namespace barvilo {

// The program's settings for the shell: title, icon, action bar, wiring, about text.
extern const shell::ProgramSettings settings;

// Child widgets: inputs F, L1, A, I, E, Re, S; results in display order with their labels
// (result_label[7] is the verdict label, which has no entry); the four case buttons.
extern GtkWidget* input_entry[INPUT_COUNT];
extern GtkWidget* result_entry[RESULT_COUNT];
extern GtkWidget* result_label[RESULT_COUNT + 1];
extern GtkWidget*& verdict_label;
extern GtkWidget* case_buttons[4];
extern GSList* case_group;

// Boxes of the form.
extern GtkWidget *main_vbox, *input_box, *geometry_row, *case_row, *action_box, *result_box;

// The selected case: 0 until the first case click or calculation, then 880..883.
extern int buckling_case;

// Numbers of the latest calculation. input_text borrows the entries' texts.
extern const char* input_text[INPUT_COUNT];
extern double input_value[INPUT_COUNT];
extern double force, length_l1, area, area_moment, modulus, yield_strength, safety;
extern double free_length, gyration_radius, slenderness, limit_slenderness, compressive_stress,
    allowed_stress, allowed_force;
extern double result_value[RESULT_COUNT];
extern std::string output_text;

// Form builders.
int build_layout();
int build_input_frame();
int build_case_frame();
int build_results_frame();

// Signal handlers.
int on_case_toggled(GtkWidget* widget, gpointer data);
int on_calculate(GtkWidget* widget, gpointer data);
int on_save(GtkWidget* widget, gpointer data);

} // namespace barvilo
