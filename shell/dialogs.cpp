// The number check, the message dialogs, the recompute question and the about box.
#include "calculator_shell.h"

#include "number_text.h"

namespace shell {

int show_message(GtkMessageType type, GtkButtonsType buttons, const std::string& text) {
    // The text is data, never a format: a '%' in it is shown as it is.
    GtkWidget* dialog = gtk_message_dialog_new(GTK_WINDOW(main_window),
                                               GTK_DIALOG_DESTROY_WITH_PARENT, type, buttons,
                                               "%s", text.c_str());
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    return response;
}

int validate_number_text(const char* text) {
    const int position = number_text::first_bad_position(text);
    if (position == 0) {
        return 0;
    }
    show_message(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, number_text::position_message(position));
    return -1;
}

namespace {
constexpr const char* NOT_A_NUMBER_TEXT =
    "Fehler in einem Eingabefeld\nMindestens ein Feld enthaelt keine gueltige Zahl!";
constexpr const char* RANGE_ORDER_TEXT =
    "Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!";
} // namespace

int show_input_error() {
    show_message(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, NOT_A_NUMBER_TEXT);
    return 0;
}

int show_input_error(int code) {
    caption(code == INPUT_ERROR_RANGE_ORDER ? RANGE_ORDER_TEXT : NOT_A_NUMBER_TEXT);
    show_message(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, caption_buffer);
    return 0;
}

int show_not_computed() {
    show_message(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, "Berechnung noch nicht durchgefuert!");
    return 0;
}

namespace {
bool read_checked(GtkWidget* entry, const char*& text, double& value, int error_code) {
    text = gtk_entry_get_text(GTK_ENTRY(entry));
    check_result = validate_number_text(text);
    if (check_result == -1) {
        if (error_code == 0) {
            show_input_error();
        } else {
            show_input_error(error_code);
        }
        return false;
    }
    value = number_text::to_real(text);
    return true;
}
} // namespace

bool read_real_field(GtkWidget* entry, const char*& text, double& value) {
    return read_checked(entry, text, value, 0);
}

bool read_real_field(GtkWidget* entry, const char*& text, double& value, int error_code) {
    return read_checked(entry, text, value, error_code);
}

bool confirm_recompute() {
    if (calculation_done != 1) {
        return true;
    }
    dialog_response = show_message(GTK_MESSAGE_INFO, GTK_BUTTONS_YES_NO,
                                   "Berechnung wurde schon durchgefuert!\n\nNeu Rechnen?\n");
    if (dialog_response != GTK_RESPONSE_YES) {
        return false;
    }
    calculation_done = 0;
    return true;
}

int on_info(GtkWidget*, gpointer) {
    show_message(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, program->about_text);
    return 0;
}

} // namespace shell
