// The handlers of barvilo: the choice of the buckling case, the check behind "Rechnen" and
// the report behind "Speichern".
#include "barvilo.h"
#include "report.h"

#include <algorithm>

namespace barvilo {

int buckling_case;
const char* input_text[INPUT_COUNT];
double input_value[INPUT_COUNT];
double force, length_l1, area, area_moment, modulus, yield_strength, safety;
double free_length, gyration_radius, slenderness, limit_slenderness, compressive_stress,
    allowed_stress, allowed_force;
double result_value[RESULT_COUNT];
std::string output_text;

namespace {

// The report of the latest calculation: the stored numbers, not the entries' texts.
void write_current_report(std::FILE* file) {
    write_report(file, input_value, buckling_case, result_value,
                 gtk_label_get_text(GTK_LABEL(verdict_label)));
}

} // namespace

// GTK has already moved the selection when "clicked" arrives, and it also sends "clicked"
// to the button that lost it; each run records the button that is active now.
int on_case_toggled(GtkWidget*, gpointer) {
    shell::calculation_done = 0;
    for (int index = 0; index < 4; ++index) {
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(case_buttons[index]))) {
            buckling_case = BUCKLING_CASE_1 + index;
        }
    }
    return 0;
}

int on_calculate(GtkWidget*, gpointer) {
    if (!shell::confirm_recompute()) {
        return 0;
    }
    on_case_toggled(nullptr, nullptr);
    // Set before reading: a rejected input leaves the calculation counted as started.
    shell::calculation_done = 1;
    for (int k = 0; k < INPUT_COUNT; ++k) {
        if (!shell::read_real_field(input_entry[k], input_text[k], input_value[k])) {
            return -1;
        }
    }
    force = input_value[0];
    length_l1 = input_value[1];
    area = input_value[2];
    area_moment = input_value[3];
    modulus = input_value[4];
    yield_strength = input_value[5];
    safety = input_value[6];

    const BucklingResults results = check_buckling(
        {force, length_l1, area, area_moment, modulus, yield_strength, safety}, buckling_case);
    free_length = results.free_length;
    gyration_radius = results.gyration_radius;
    slenderness = results.slenderness;
    limit_slenderness = results.limit_slenderness;
    compressive_stress = results.compressive_stress;
    allowed_stress = results.allowed_stress;
    allowed_force = results.allowed_force;
    const auto in_order = results.in_display_order();
    std::copy(in_order.begin(), in_order.end(), result_value);

    gtk_label_set_text(GTK_LABEL(verdict_label), verdict_text(limit_slenderness, slenderness));
    for (int k = 0; k < RESULT_COUNT; ++k) {
        output_text = result_text(result_value[k]);
        gtk_entry_set_text(GTK_ENTRY(result_entry[k]), output_text.c_str());
    }
    return 0;
}

int on_save(GtkWidget*, gpointer) { return shell::save_results(&write_current_report); }

} // namespace barvilo
