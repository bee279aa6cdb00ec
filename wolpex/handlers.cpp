// The handlers of wolpex: the analysis behind "Rechnen", the mode-shape plot behind
// "Eigenform zeichnen" and every expose of the plot, and the report behind "Speichern".
#include "number_text.h"
#include "report.h"
#include "wolpex.h"

namespace wolpex {

const char* inertia_text[17];
const char* stiffness_text[17];
double inertia[17];
double stiffness[17];
int mass_count;
double freq_hz[17];
int imtql2_error;
std::string output_text;
std::unique_ptr<WorkSet> work_set;

const PlotSize plot_size{1200, 300, 2};
const char* mode_text = "";
int selected_mode;
double mode_norm;
double grid_step;

namespace {

int show_info(const std::string& text) {
    shell::dialog_response = shell::show_message(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, text);
    return shell::dialog_response;
}

// Reads entries 1..16 in order; false at the first bad text, after its dialogs.
bool read_fields(GtkWidget* const* entries, const char** texts, double* values) {
    for (int i = 1; i <= 16; ++i) {
        if (!shell::read_real_field(entries[i], texts[i], values[i])) {
            return false;
        }
    }
    return true;
}

void write_current_report(std::FILE* file) {
    write_report(file, inertia, stiffness, mass_count, freq_hz);
}

} // namespace

int on_calculate(GtkWidget*, gpointer) {
    if (!shell::confirm_recompute()) {
        return 0;
    }
    shell::calculation_done = 1;
    shell::clear_area(plot_area);

    // All sixteen masses and all sixteen stiffness fields are checked, whatever the count.
    if (!read_fields(inertia_entry, inertia_text, inertia) ||
        !read_fields(stiffness_entry, stiffness_text, stiffness)) {
        return -1;
    }
    mass_count = truncate_count(stiffness[16]);
    if (!count_allowed(mass_count)) {
        show_info("Falscher Wert bei Anzahl Drehmassen!\nMin.: 1, Max.: 16");
        return 0;
    }

    auto work = std::make_unique<WorkSet>(mass_count);
    const AnalysisResult result = analyse(*work, inertia, stiffness);
    if (result.outcome == Outcome::invalid_input) {
        show_info(result.message);
        return 0;
    }
    if (result.outcome == Outcome::not_converged) {
        imtql2_error = 1;
        show_info("IMTQL2 konvergierte nicht!\nStop!");
        return 0;
    }
    imtql2_error = 0;
    work_set = std::move(work);

    for (GtkWidget* entry : frequency_entry) {
        gtk_entry_set_text(GTK_ENTRY(entry), "--");
    }
    for (int i = 1; i <= mass_count; ++i) {
        freq_hz[i] = work_set->freq_work[i];
        output_text = number_text::format("%7.5lf", freq_hz[i]);
        gtk_entry_set_text(GTK_ENTRY(frequency_entry[i - 1]), output_text.c_str());
    }
    for (int i = mass_count + 1; i <= 16; ++i) {
        freq_hz[i] = 0.0;
    }
    return 0;
}

// Called by the button and by every expose of the plot area. Only the button speaks: an
// expose with a bad mode text draws nothing and says nothing, so that a message covering
// the area cannot bring itself back again and again.
int on_draw(GtkWidget* widget, gpointer) {
    const bool from_button = widget == shell::draw_button;
    if (shell::calculation_done == 0) {
        return 0;
    }
    mode_text = gtk_entry_get_text(GTK_ENTRY(mode_entry));
    if (from_button) {
        shell::check_result = shell::validate_number_text(mode_text);
        if (shell::check_result == -1) {
            shell::show_input_error();
            return -1;
        }
    } else if (number_text::first_bad_position(mode_text) != 0) {
        return 0;
    }
    selected_mode = number_text::to_int(mode_text);
    if (selected_mode == 0 || work_set == nullptr) {
        return 0;
    }
    // The modes are those of the last completed analysis, whatever count was typed since.
    if (selected_mode < 1 || selected_mode > work_set->n) {
        if (from_button) {
            output_text = number_text::format(
                "Falscher Wert bei gewuenschter Eigenform!\nNur 1 bis %d erlaubt!", work_set->n);
            show_info(output_text);
        }
        return 0;
    }
    shell::clear_area(plot_area);
    const ModePlot shape = mode_plot(*work_set, selected_mode, freq_hz[selected_mode], plot_size);
    mode_norm = shape.mode_norm;
    grid_step = shape.grid_step;
    shell::draw_plot(plot_area, shape.drawing, "Arial 12");
    return 0;
}

int on_save(GtkWidget*, gpointer) { return shell::save_results(&write_current_report); }

} // namespace wolpex
