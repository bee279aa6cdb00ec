// Saving a report: the file chooser, the overwrite question and the report stream.
#include "calculator_shell.h"

namespace shell {

std::string results_path;
std::FILE* results_file = nullptr;
std::string start_folder = g_get_home_dir();

int choose_results_file() {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, "*.txt");
    gtk_file_filter_add_pattern(filter, "*.txt");

    GtkWidget* chooser = gtk_file_chooser_dialog_new(
        caption("Ergebnisse speichern"), nullptr, GTK_FILE_CHOOSER_ACTION_SAVE, GTK_STOCK_OK,
        GTK_RESPONSE_OK, GTK_STOCK_CANCEL, GTK_RESPONSE_CANCEL, nullptr);
    // A folder that does not exist leaves the chooser in GTK's default folder.
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(chooser), start_folder.c_str());
    gtk_window_set_position(GTK_WINDOW(chooser), GTK_WIN_POS_CENTER);
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(chooser), filter);
    set_window_icon(chooser, program->chooser_icon_file);

    dialog_response = gtk_dialog_run(GTK_DIALOG(chooser));
    int result = -1;
    if (dialog_response == GTK_RESPONSE_OK) {
        gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser));
        if (name != nullptr) {
            results_path = name; // taken whole, whatever its length
            g_free(name);
            result = 0;
        }
    }
    gtk_widget_destroy(chooser);
    return result;
}

int confirm_overwrite() {
    results_file = std::fopen(results_path.c_str(), "r");
    if (results_file == nullptr) {
        return 0; // taken as not existing
    }
    dialog_response =
        show_message(GTK_MESSAGE_INFO, GTK_BUTTONS_YES_NO,
                     "Es ist schon eine Ergebnissdatei vorhanden!\nSoll diese ueberschrieben werden?");
    std::fclose(results_file);
    results_file = nullptr;
    return dialog_response == GTK_RESPONSE_YES ? 0 : -1;
}

namespace {

void report_save_failure(const char* what) {
    gchar* shown = g_filename_display_name(results_path.c_str());
    show_message(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK,
                 std::string("Die Ergebnisdatei\n") + shown + "\n" + what);
    g_free(shown);
}

} // namespace

int save_results(void (*write_report)(std::FILE* file)) {
    if (calculation_done == 0) {
        show_not_computed();
        return 0;
    }
    check_result = choose_results_file();
    if (check_result == -1) {
        return 0;
    }
    check_result = confirm_overwrite();
    if (check_result == -1) {
        return 0;
    }
    results_file = std::fopen(results_path.c_str(), "w+");
    if (results_file == nullptr) {
        report_save_failure("konnte nicht zum Schreiben geoeffnet werden!");
        return 0;
    }
    write_report(results_file);
    // A full disk shows itself in the stream's error flag or, for buffered data, at closing.
    bool failed = std::ferror(results_file) != 0;
    failed = (std::fclose(results_file) != 0) || failed;
    results_file = nullptr;
    if (failed) {
        report_save_failure("konnte nicht vollstaendig geschrieben werden!");
    }
    return 0;
}

} // namespace shell
