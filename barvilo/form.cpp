// The form of barvilo, one column: the inputs with the four buckling cases, the action bar,
// and the results with the verdict.
#include "barvilo.h"

namespace barvilo {

GtkWidget* input_entry[INPUT_COUNT];
GtkWidget* result_entry[RESULT_COUNT];
GtkWidget* result_label[RESULT_COUNT + 1];
GtkWidget*& verdict_label = result_label[RESULT_COUNT];
GtkWidget* case_buttons[4];
GSList* case_group;
GtkWidget *main_vbox, *input_box, *geometry_row, *case_row, *action_box, *result_box;

namespace {

// The inputs in the order in which they are read: F, L1, A, I, E, Re, S.
const char* const INPUT_LABELS[INPUT_COUNT] = {
    "Kraft F / N",          "Knicklaenge L1 / mm",
    "Flaeche A / mm^2",     "Flaechentraegheitsmoment I / mm^4",
    "E-Modul E / (N/mm^2)", "Streckgrenze Re / (N/mm^2)",
    "Sicherheit / 1",
};
// The example member: a round steel bar of 10 mm diameter, 229 mm long.
const char* const INPUT_DEFAULTS[INPUT_COUNT] = {"3500",   "229", "78.54", "490.87",
                                                 "206000", "500", "7"};

const char* const RESULT_LABELS[RESULT_COUNT + 1] = {
    "freie Knicklaenge / mm",   "Traegheitsradius / mm",
    "Schlankheitsgrad / 1",     "Grenzschlankheitsgrad / 1",
    "Druckspannung / (N/mm^2)", "zul. Druckspannung / (N/mm^2)",
    "zul. Maximalkraft / N",    VERDICT_UNKNOWN,
};

const char* const CASE_LABELS[4] = {
    "Knickfall 1 (eingespannt/frei)",
    "Knickfall 2 (gelenkig/gelenkig)",
    "Knickfall 3 (eingespannt/gelenkig)",
    "Knickfall 4 (eingespannt/eingespannt)",
};
const char* const CASE_PICTURES[4] = {"Knickfall1.png", "Knickfall2.png", "Knickfall3.png",
                                      "Knickfall4.png"};
// What each picture shows, for screen readers.
const char* const CASE_PICTURE_NAMES[4] = {"Bild Knickfall 1", "Bild Knickfall 2",
                                           "Bild Knickfall 3", "Bild Knickfall 4"};
const char* const CASE_PICTURE_DESCRIPTIONS[4] = {
    "Stab unten eingespannt, oben frei, Kraft F am freien Ende; freie Knicklaenge s_k = 2 l",
    "Stab an beiden Enden gelenkig gelagert, Kraft F oben; freie Knicklaenge s_k = l",
    "Stab unten eingespannt, oben gelenkig gelagert, Kraft F oben; freie Knicklaenge "
    "s_k = 0.7 l",
    "Stab an beiden Enden eingespannt, Kraft F oben; freie Knicklaenge s_k = 0.5 l",
};

void attach(GtkWidget* table, GtkWidget* child, guint column, guint row, guint span = 1) {
    gtk_table_attach_defaults(GTK_TABLE(table), child, column, column + span, row, row + 1);
}

// A label with its entry right of it: column pair 0 is columns 0-1, pair 1 columns 2-3. The
// label also names the entry.
void attach_field(GtkWidget* table, GtkWidget* label, GtkWidget* entry, guint column_pair,
                  guint row) {
    shell::name_by_label(label, entry);
    attach(table, label, 2 * column_pair, row);
    attach(table, entry, 2 * column_pair + 1, row);
}

} // namespace

int build_input_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Geometrie"));
    GtkWidget* labels[INPUT_COUNT];
    for (int k = 0; k < INPUT_COUNT; ++k) {
        labels[k] = gtk_label_new(INPUT_LABELS[k]);
        input_entry[k] = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(input_entry[k]), INPUT_DEFAULTS[k]);
    }
    // F, L1, A down the left; I, E, Re down the right; S alone in the last row.
    GtkWidget* table = shell::new_field_table(4, 4);
    const guint pair[INPUT_COUNT] = {0, 0, 0, 1, 1, 1, 0};
    const guint row[INPUT_COUNT] = {0, 1, 2, 0, 1, 2, 3};
    for (int k = 0; k < INPUT_COUNT; ++k) {
        attach_field(table, labels[k], input_entry[k], pair[k], row[k]);
    }
    shell::pack(geometry_row, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
    return 0;
}

int build_case_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Auswahl"));
    // The first button starts a new group (also when a form is built again).
    case_group = nullptr;
    for (int i = 0; i < 4; ++i) {
        case_buttons[i] = gtk_radio_button_new_with_label(case_group, CASE_LABELS[i]);
        case_group = gtk_radio_button_get_group(GTK_RADIO_BUTTON(case_buttons[i]));
    }
    // No handler is connected yet, so this selects case 1 without clearing anything.
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(case_buttons[0]), TRUE);
    GtkWidget* pictures[4];
    for (int i = 0; i < 4; ++i) {
        // A missing picture shows GTK's broken-image placeholder.
        pictures[i] = gtk_image_new_from_file(CASE_PICTURES[i]);
        AtkObject* accessible = gtk_widget_get_accessible(pictures[i]);
        atk_object_set_name(accessible, CASE_PICTURE_NAMES[i]);
        atk_object_set_description(accessible, CASE_PICTURE_DESCRIPTIONS[i]);
    }
    GtkWidget* table = shell::new_field_table(2, 4);
    for (guint i = 0; i < 4; ++i) {
        attach(table, pictures[i], i, 0);
        attach(table, case_buttons[i], i, 1);
    }
    shell::pack(case_row, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
    return 0;
}

int build_results_frame() {
    GtkWidget* frame = gtk_frame_new(shell::caption("Ergebnisse"));
    for (int k = 0; k <= RESULT_COUNT; ++k) {
        result_label[k] = gtk_label_new(RESULT_LABELS[k]);
        if (k < RESULT_COUNT) {
            result_entry[k] = gtk_entry_new();
            gtk_entry_set_text(GTK_ENTRY(result_entry[k]), "");
            gtk_editable_set_editable(GTK_EDITABLE(result_entry[k]), FALSE);
        }
    }
    // Results 0-3 down the left, 4-6 down the right, the verdict under them over both
    // columns of the right pair.
    GtkWidget* table = shell::new_field_table(4, 4);
    for (int k = 0; k < RESULT_COUNT; ++k) {
        attach_field(table, result_label[k], result_entry[k], k < 4 ? 0 : 1, k < 4 ? k : k - 4);
    }
    attach(table, verdict_label, 2, 3, 2);
    shell::pack(result_box, frame);
    gtk_container_add(GTK_CONTAINER(frame), table);
    return 0;
}

int build_layout() {
    GtkWidget* input_frame = gtk_frame_new(shell::caption("Eingabedaten"));
    geometry_row = gtk_hbox_new(FALSE, 0);
    case_row = gtk_hbox_new(FALSE, 0);
    input_box = gtk_vbox_new(FALSE, 0);
    action_box = gtk_vbox_new(FALSE, 0);
    result_box = gtk_vbox_new(FALSE, 0);
    main_vbox = gtk_vbox_new(FALSE, 0);

    build_input_frame();
    build_case_frame();
    shell::build_action_bar(action_box);
    build_results_frame();
    shell::connect_signals();

    for (GtkWidget* box : {main_vbox, action_box, result_box}) {
        gtk_container_set_border_width(GTK_CONTAINER(box), 5);
    }
    shell::pack(input_box, geometry_row);
    shell::pack(input_box, case_row);
    shell::pack(main_vbox, input_frame);
    gtk_container_add(GTK_CONTAINER(input_frame), input_box);
    shell::pack(main_vbox, action_box);
    shell::pack(main_vbox, result_box);
    gtk_container_add(GTK_CONTAINER(shell::main_window), main_vbox);
    gtk_widget_show_all(shell::main_window);
    return 0;
}

} // namespace barvilo
