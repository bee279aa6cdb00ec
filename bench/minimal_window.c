/* The yardstick of the start-up benchmark: the smallest GTK+ 2 program with a window, one
 * top-level window holding one button. */
#include <gtk/gtk.h>

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_container_add(GTK_CONTAINER(window), gtk_button_new_with_label("OK"));
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
