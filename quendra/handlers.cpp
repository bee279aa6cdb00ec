// The handlers of quendra: the calculation behind "Rechnen", the characteristic behind
// "Kennlinie zeichnen" and the report behind "Speichern".
#include "number_text.h"
#include "quendra.h"
#include "report.h"

namespace quendra {

const char* input_text[INPUT_COUNT];
double input_value[INPUT_COUNT];
double outer_diameter, youngs_modulus, inner_diameter, poisson_ratio, thickness, cone_height,
    deflection;
double modulus_factor, diameter_ratio, k1, k2, k3;
double result_value[RESULT_COUNT];
std::string output_text;

const char* range_text[2];
double range_value[2];

namespace {

void write_current_report(std::FILE* file) { write_report(file, input_value, result_value); }

} // namespace

int on_calculate(GtkWidget*, gpointer) {
    if (!shell::confirm_recompute()) {
        return 0;
    }
    shell::calculation_done = 1;
    shell::clear_area(curve_area);

    // input_value takes each field as it passes; a bad field stops the reading there.
    for (int i = 0; i < INPUT_COUNT; ++i) {
        if (!shell::read_real_field(input_entry[i], input_text[i], input_value[i],
                                    shell::INPUT_ERROR_NOT_A_NUMBER)) {
            return -1;
        }
    }
    outer_diameter = input_value[INPUT_OUTER_DIAMETER];
    youngs_modulus = input_value[INPUT_YOUNGS_MODULUS];
    inner_diameter = input_value[INPUT_INNER_DIAMETER];
    poisson_ratio = input_value[INPUT_POISSON_RATIO];
    thickness = input_value[INPUT_THICKNESS];
    cone_height = input_value[INPUT_CONE_HEIGHT];
    deflection = input_value[INPUT_DEFLECTION];

    const SpringCalculation c = calculate_spring(outer_diameter, youngs_modulus, inner_diameter,
                                                 poisson_ratio, thickness, cone_height, deflection);
    modulus_factor = c.modulus_factor;
    diameter_ratio = c.diameter_ratio;
    k1 = c.k1;
    k2 = c.k2;
    k3 = c.k3;
    for (int i = 0; i < RESULT_COUNT; ++i) {
        result_value[i] = c.result_value[i];
        // Shown in full: a result of any magnitude has room in the string.
        output_text = result_text(result_value[i]);
        gtk_entry_set_text(GTK_ENTRY(result_entry[i]), output_text.c_str());
    }
    return 0;
}

// The characteristic of the last complete calculation over the range s1 to s2. Drawn only
// here, on the button: nothing redraws it when the area is exposed.
int on_draw(GtkWidget*, gpointer) {
    if (shell::calculation_done == 0) {
        shell::show_not_computed();
        return 0;
    }
    shell::clear_area(curve_area);
    for (int i = 0; i < 2; ++i) {
        if (!shell::read_real_field(range_entry[i], range_text[i], range_value[i],
                                    shell::INPUT_ERROR_NOT_A_NUMBER)) {
            return -1;
        }
    }
    if (!(range_value[0] < range_value[1])) {
        shell::show_input_error(shell::INPUT_ERROR_RANGE_ORDER);
        return -1;
    }
    const CurveSpring spring{thickness, cone_height, outer_diameter, modulus_factor, k1};
    const PlotGeometry geometry{plot_width, plot_height, plot_margin};
    shell::draw_plot(curve_area,
                     characteristic_curve(spring, range_value[0], range_value[1], geometry),
                     "Sans 10");
    return 0;
}

int on_save(GtkWidget*, gpointer) { return shell::save_results(&write_current_report); }

} // namespace quendra
