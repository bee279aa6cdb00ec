// Start-up, the main window, the action bar and the wiring of the signals.
#include "calculator_shell.h"

#include <clocale>
#include <cstring>

namespace shell {

const ProgramSettings* program = nullptr;
GtkWidget* main_window = nullptr;
int calculation_done = 0;
int check_result = 0;
int dialog_response = 0;
char caption_buffer[256] = "";

GtkWidget* calculate_button = nullptr;
GtkWidget* save_button = nullptr;
GtkWidget* info_button = nullptr;
GtkWidget* quit_button = nullptr;
GtkWidget* draw_button = nullptr;

void use_c_numeric_locale() { std::setlocale(LC_NUMERIC, "C"); }

const char* caption(const char* text) {
    g_strlcpy(caption_buffer, text, sizeof caption_buffer);
    return caption_buffer;
}

void set_window_icon(GtkWidget* window, const char* file) {
    // Asking for the error keeps GTK from printing a warning; the window simply has no icon.
    GError* error = nullptr;
    if (!gtk_window_set_icon_from_file(GTK_WINDOW(window), file, &error)) {
        g_clear_error(&error);
    }
}

GtkWidget* create_main_window(const ProgramSettings& settings) {
    program = &settings;
    main_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(main_window), settings.window_title);
    gtk_window_set_position(GTK_WINDOW(main_window), GTK_WIN_POS_CENTER);
    set_window_icon(main_window, settings.icon_file);
    g_signal_connect(main_window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_container_set_reallocate_redraws(GTK_CONTAINER(main_window), TRUE);
    check_result = settings.build_layout();
    calculation_done = 0;
    return main_window;
}

int run(const ProgramSettings& settings, int argc, char** argv) {
    gtk_init(&argc, &argv);
    use_c_numeric_locale();
    create_main_window(settings);
    gtk_main();
    return 0;
}

GtkWidget* make_icon_label_box(const char* image_file, const char* label) {
    GtkWidget* box = gtk_hbox_new(FALSE, 0);
    gtk_container_set_border_width(GTK_CONTAINER(box), 2);
    GtkWidget* image = gtk_image_new_from_file(image_file);
    GtkWidget* text = gtk_label_new(label);
    gtk_box_pack_start(GTK_BOX(box), image, FALSE, FALSE, 3);
    gtk_box_pack_start(GTK_BOX(box), text, FALSE, FALSE, 15);
    gtk_widget_show(image);
    gtk_widget_show(text);
    return box;
}

int build_action_bar(GtkWidget* action_box) {
    GtkWidget* frame = gtk_frame_new(caption("Aktionen"));
    GtkWidget* button_box = gtk_hbutton_box_new();
    gtk_button_box_set_layout(GTK_BUTTON_BOX(button_box), GTK_BUTTONBOX_SPREAD);
    gtk_box_set_spacing(GTK_BOX(button_box), 40);
    gtk_button_box_set_child_size(GTK_BUTTON_BOX(button_box), 85, 20);
    gtk_container_set_border_width(GTK_CONTAINER(button_box), 5);

    // The frame is packed right after the last button that goes into the bar; buttons
    // placed elsewhere may follow it.
    size_t last_in_bar = 0;
    for (size_t i = 0; i < program->action_rows.size(); ++i) {
        if (program->action_rows[i].placement == Placement::bar) {
            last_in_bar = i;
        }
    }
    for (size_t i = 0; i < program->action_rows.size(); ++i) {
        const ActionRow& row = program->action_rows[i];
        GtkWidget* button = gtk_button_new();
        *row.button = button;
        gtk_container_add(GTK_CONTAINER(button), make_icon_label_box(row.image_file, row.label));
        if (row.tooltip != nullptr) {
            gtk_widget_set_tooltip_text(button, caption(row.tooltip));
        }
        if (row.placement == Placement::bar) {
            gtk_container_add(GTK_CONTAINER(button_box), button);
        }
        if (i == last_in_bar) {
            gtk_box_pack_start(GTK_BOX(action_box), frame, FALSE, FALSE, 3);
            gtk_container_add(GTK_CONTAINER(frame), button_box);
        }
    }
    return 0;
}

int connect_signals() {
    for (const ActionRow& row : program->action_rows) {
        g_signal_connect(*row.button, "clicked", row.on_clicked, nullptr);
    }
    for (const SignalRow& row : program->signal_rows) {
        g_signal_connect(*row.widget, row.signal, row.handler, nullptr);
    }
    return 0;
}

} // namespace shell
