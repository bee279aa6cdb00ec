// The form of wolpex: masses, stiffnesses with the mass count, the action bar, the
// frequencies with the choice of the mode, and the plot, in a scrolled column.
#include <string>

#include "number_text.h"
#include "wolpex.h"

namespace wolpex {

GtkWidget* inertia_entry[17];
GtkWidget* stiffness_entry[17];
GtkWidget* frequency_entry[16];
GtkWidget* mode_entry;
GtkWidget* plot_area;
GtkWidget *outer_box, *scroller, *content_box, *input_box, *masses_box, *stiffness_box,
    *action_box, *result_box, *plot_box;

namespace {

// The example chain of 15 masses.
const char* const DEFAULT_INERTIA[17] = {
    nullptr, "0.004",   "0.001",   "0.01",    "0.01",   "0.01", "0.01", "0.215", "0.00028",
    "0.00425", "0.0025", "0.0065", "0.0024", "0.00237", "0.1241", "4748", "0"};
const char* const DEFAULT_STIFFNESS[17] = {
    nullptr, "20000", "90000", "450000", "450000", "450000", "500000", "1600", "9000",
    "60000", "9000",  "9000",  "54800",  "700",    "2900",   "0",      "15"};

// Field i (counted from 1) of a four-column grid of label/entry pairs.
void attach_field(GtkWidget* table, int i, GtkWidget* label, GtkWidget* entry) {
    shell::name_by_label(label, entry);
    const guint column = 2 * ((i - 1) % 4);
    const guint row = (i - 1) / 4;
    gtk_table_attach_defaults(GTK_TABLE(table), label, column, column + 1, row, row + 1);
    gtk_table_attach_defaults(GTK_TABLE(table), entry, column + 1, column + 2, row, row + 1);
}

// A frame of sixteen inputs: label_format with i for i = 1..count, then the extra label.
void build_input_frame(const char* title, GtkWidget* box, GtkWidget** entries,
                       const char* const* defaults, const char* label_format, int count,
                       const char* last_label) {
    GtkWidget* frame = gtk_frame_new(shell::caption(title));
    GtkWidget* table = shell::new_field_table(4, 8);
    for (int i = 1; i <= 16; ++i) {
        const std::string text =
            i <= count ? number_text::format(label_format, i) : std::string(last_label);
        GtkWidget* label = gtk_label_new(text.c_str());
        entries[i] = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(entries[i]), defaults[i]);
        attach_field(table, i, label, entries[i]);
    }
    shell::pack(box, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
}

} // namespace

int build_masses_frame() {
    build_input_frame("Massen", masses_box, inertia_entry, DEFAULT_INERTIA, "J%d / kgm^2", 16,
                      "");
    return 0;
}

int build_stiffness_frame() {
    build_input_frame("Steifigkeiten", stiffness_box, stiffness_entry, DEFAULT_STIFFNESS,
                      "ct%d / (Nm/rad)", 15, "Anzahl der Drehmassen");
    return 0;
}

int build_results_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Ergebnisse"));
    GtkWidget* table = shell::new_field_table(5, 8);
    for (int k = 0; k < 16; ++k) {
        GtkWidget* label = gtk_label_new(number_text::format("F%d / Hz", k + 1).c_str());
        frequency_entry[k] = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(frequency_entry[k]), "");
        gtk_editable_set_editable(GTK_EDITABLE(frequency_entry[k]), FALSE);
        attach_field(table, k + 1, label, frequency_entry[k]);
    }
    GtkWidget* mode_label = gtk_label_new("Eigenform welcher Frequenz zeichnen?");
    mode_entry = gtk_entry_new();
    gtk_entry_set_text(GTK_ENTRY(mode_entry), "0");
    shell::name_by_label(mode_label, mode_entry);
    gtk_table_attach_defaults(GTK_TABLE(table), mode_label, 1, 3, 4, 5);
    gtk_table_attach_defaults(GTK_TABLE(table), mode_entry, 3, 4, 4, 5);
    shell::pack(result_box, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
    return 0;
}

int build_plot_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Frequenzplot"));
    plot_area = gtk_drawing_area_new();
    gtk_widget_set_size_request(plot_area, plot_size.width, plot_size.height);
    shell::pack(plot_box, frame);
    gtk_container_add(GTK_CONTAINER(frame), plot_area);
    return 0;
}

int build_layout() {
    masses_box = gtk_vbox_new(FALSE, 0);
    stiffness_box = gtk_hbox_new(FALSE, 0);
    input_box = gtk_vbox_new(FALSE, 0);
    action_box = gtk_vbox_new(FALSE, 0);
    result_box = gtk_vbox_new(FALSE, 0);
    plot_box = gtk_vbox_new(FALSE, 0);
    content_box = gtk_vbox_new(FALSE, 0);
    outer_box = gtk_vbox_new(FALSE, 0);

    build_masses_frame();
    build_stiffness_frame();
    shell::build_action_bar(action_box);
    build_results_frame();
    build_plot_frame();

    scroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_AUTOMATIC,
                                   GTK_POLICY_AUTOMATIC);
    gtk_container_set_border_width(GTK_CONTAINER(scroller), 5);

    shell::connect_signals();

    for (GtkWidget* box : {masses_box, input_box, action_box, result_box, plot_box, content_box}) {
        gtk_container_set_border_width(GTK_CONTAINER(box), 5);
    }
    shell::pack(input_box, masses_box);
    shell::pack(input_box, stiffness_box);
    for (GtkWidget* box : {input_box, action_box, result_box, plot_box}) {
        shell::pack(content_box, box);
    }
    gtk_scrolled_window_add_with_viewport(GTK_SCROLLED_WINDOW(scroller), content_box);
    gtk_widget_set_size_request(outer_box, 800, 600);
    gtk_box_pack_start(GTK_BOX(outer_box), scroller, TRUE, TRUE, 3);
    gtk_container_add(GTK_CONTAINER(shell::main_window), outer_box);
    gtk_widget_show_all(shell::main_window);
    return 0;
}

} // namespace wolpex
