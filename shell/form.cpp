// The conventions the three forms share: packing, field tables, labels that name entries.
#include "calculator_shell.h"

namespace shell {

void pack(GtkWidget* box, GtkWidget* child) {
    gtk_box_pack_start(GTK_BOX(box), child, FALSE, FALSE, 3);
}

GtkWidget* new_field_table(guint rows, guint columns) {
    GtkWidget* table = gtk_table_new(rows, columns, FALSE);
    gtk_table_set_row_spacings(GTK_TABLE(table), 2);
    gtk_table_set_col_spacings(GTK_TABLE(table), 3);
    gtk_container_set_border_width(GTK_CONTAINER(table), 3);
    return table;
}

void name_by_label(GtkWidget* label, GtkWidget* entry) {
    gtk_label_set_mnemonic_widget(GTK_LABEL(label), entry);
    atk_object_set_name(gtk_widget_get_accessible(entry), gtk_label_get_text(GTK_LABEL(label)));
}

} // namespace shell
