// The form of quendra: the spring's data, the action bar, the results, and the plot frame
// with the deflection range, the draw button and the drawing area, in one column.
#include <vector>

#include "quendra.h"

namespace quendra {

GtkWidget* input_entry[INPUT_COUNT];
GtkWidget* result_entry[RESULT_COUNT];
GtkWidget* range_entry[2];
GtkWidget* curve_area;
GtkWidget *main_vbox, *input_box, *action_box, *result_box, *plot_box, *plot_vbox, *range_hbox;

const int plot_width = 800;
const int plot_height = 300;
const int plot_margin = 2;

namespace {

// A field of a table: its label, the default text of its entry, and the cell of the entry
// (the label stands in the column to its left).
struct Field {
    const char* label;
    const char* text;
    guint column;
    guint row;
};

// The example spring, in index order of input_entry.
const Field INPUT_FIELDS[INPUT_COUNT] = {
    {"Aussendurchmesser De / mm", "100", 1, 0},
    {"E-Modul E / (N/mm^2)", "206000", 3, 0},
    {"Innendurchmesser Di / mm", "50", 1, 1},
    {"Querkontraktionszahl nue", "0.3", 3, 1},
    {"Dicke t / mm", "1", 1, 2},
    {"Stuelphoehe h0 / mm", "1", 3, 2},
    {"Federweg s / mm", "1", 1, 3},
};

// In index order of result_entry; "--" until the first calculation.
const Field RESULT_FIELDS[RESULT_COUNT] = {
    {"Federkraft F / N", "--", 1, 0},       {"Spannung 1 / (N/mm^2)", "--", 3, 0},
    {"Arbeit W / mJ", "--", 1, 1},          {"Spannung 2 / (N/mm^2)", "--", 3, 1},
    {"Spannung OM / (N/mm^2)", "--", 1, 2}, {"Spannung 3 / (N/mm^2)", "--", 3, 2},
};

const Field RANGE_FIELDS[2] = {
    {"Federweg von s1 / mm", "0", 1, 0},
    {"Federweg bis s2 / mm", "1", 3, 0},
};

// A table of label/entry pairs in the order a frame builder makes it: the labels, then the
// entries in index order with their default texts (results made read-only right after
// creation), then the table; each entry is attached with its label to its left, which also
// names it.
GtkWidget* new_fields_table(guint rows, const Field* fields, int count, GtkWidget** entries,
                            bool editable) {
    std::vector<GtkWidget*> labels(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        labels[i] = gtk_label_new(fields[i].label);
    }
    for (int i = 0; i < count; ++i) {
        entries[i] = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(entries[i]), fields[i].text);
        if (!editable) {
            gtk_editable_set_editable(GTK_EDITABLE(entries[i]), FALSE);
        }
    }
    GtkWidget* table = shell::new_field_table(rows, 4);
    for (int i = 0; i < count; ++i) {
        const Field& field = fields[i];
        shell::name_by_label(labels[i], entries[i]);
        gtk_table_attach_defaults(GTK_TABLE(table), labels[i], field.column - 1, field.column,
                                  field.row, field.row + 1);
        gtk_table_attach_defaults(GTK_TABLE(table), entries[i], field.column, field.column + 1,
                                  field.row, field.row + 1);
    }
    return table;
}

} // namespace

int build_input_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Geometrie und Werkstoffdaten"));
    GtkWidget* table = new_fields_table(4, INPUT_FIELDS, INPUT_COUNT, input_entry, true);
    shell::pack(input_box, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
    return 0;
}

int build_results_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Ergebnisse"));
    GtkWidget* table = new_fields_table(3, RESULT_FIELDS, RESULT_COUNT, result_entry, false);
    shell::pack(result_box, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
    return 0;
}

// Needs draw_button (from the action bar) and curve_area.
int build_range_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Federkennlinie zeichnen von - bis"));
    GtkWidget* table = new_fields_table(1, RANGE_FIELDS, 2, range_entry, true);
    shell::pack(range_hbox, table);
    shell::pack(range_hbox, shell::draw_button);
    shell::pack(plot_vbox, range_hbox);
    shell::pack(plot_vbox, curve_area);
    shell::pack(plot_box, frame);
    gtk_container_add(GTK_CONTAINER(frame), plot_vbox);
    return 0;
}

int build_layout() {
    curve_area = gtk_drawing_area_new();
    gtk_widget_set_size_request(curve_area, plot_width, plot_height);

    input_box = gtk_vbox_new(FALSE, 0);
    action_box = gtk_vbox_new(FALSE, 0);
    result_box = gtk_vbox_new(FALSE, 0);
    range_hbox = gtk_hbox_new(FALSE, 0);
    plot_vbox = gtk_vbox_new(FALSE, 0);
    plot_box = gtk_vbox_new(FALSE, 0);
    main_vbox = gtk_vbox_new(FALSE, 0);

    build_input_frame();
    shell::build_action_bar(action_box); // creates draw_button for the range frame
    build_results_frame();
    build_range_frame();

    shell::connect_signals();

    for (GtkWidget* box : {input_box, action_box, result_box, range_hbox, plot_box, main_vbox}) {
        gtk_container_set_border_width(GTK_CONTAINER(box), 5);
    }
    for (GtkWidget* box : {input_box, action_box, result_box, plot_box}) {
        shell::pack(main_vbox, box);
    }
    gtk_container_add(GTK_CONTAINER(shell::main_window), main_vbox);
    gtk_widget_show_all(shell::main_window);
    return 0;
}

} // namespace quendra
