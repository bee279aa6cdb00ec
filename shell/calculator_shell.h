// The calculator shell: what wolpex, quendra and barvilo share. Start-up and the main
// window, the action bar and the wiring of its buttons, the number check, the message
// dialogs, the about box and the saving of reports. What differs between the programs is
// handed in as one ProgramSettings table per program.
#pragma once

#include <gtk/gtk.h>

#include <cstdio>
#include <span>
#include <string>

#include "plot_drawing.h"

namespace shell {

// ---- Settings of one program ------------------------------------------------------------

enum class Placement {
    bar,      // the button goes into the action bar
    elsewhere // the program's layout packs it (quendra's draw button)
};

// One row of a program's action bar, in the order of the bar.
struct ActionRow {
    GtkWidget** button;    // the global that receives the button
    const char* label;     // text beside the picture
    const char* image_file; // picture, loaded by bare file name
    const char* tooltip;   // nullptr: the button has no tooltip
    Placement placement;
    GCallback on_clicked;  // handler of "clicked"
};

// A signal connected after those of the action bar.
struct SignalRow {
    GtkWidget** widget;
    const char* signal;
    GCallback handler;
};

struct ProgramSettings {
    const char* window_title;
    const char* icon_file;
    const char* chooser_icon_file;
    const char* about_text;
    std::span<const ActionRow> action_rows;
    std::span<const SignalRow> signal_rows;
    int (*build_layout)(); // builds the form into main_window and shows it
};

// ---- Shell globals, one set per program -------------------------------------------------

extern const ProgramSettings* program;
extern GtkWidget* main_window;
extern int calculation_done;
extern int check_result;
extern int dialog_response;
extern char caption_buffer[256];
extern std::string results_path; // the last accepted report path, of any length
extern std::FILE* results_file;
extern std::string start_folder; // where the file chooser opens: the user's home folder

// The buttons of the action bar (draw_button stays null in barvilo).
extern GtkWidget* calculate_button;
extern GtkWidget* save_button;
extern GtkWidget* info_button;
extern GtkWidget* quit_button;
extern GtkWidget* draw_button;

// ---- Start-up ----------------------------------------------------------------------------

// The whole life of a program: GTK start-up, the window and form, the main loop. Returns 0.
int run(const ProgramSettings& settings, int argc, char** argv);

// Everything of run() between GTK's start-up and the main loop: the main window with its
// title, icon and form, calculation_done cleared. Returns main_window.
GtkWidget* create_main_window(const ProgramSettings& settings);

// Sets a window's icon from a picture file; a missing or unreadable file is passed over.
void set_window_icon(GtkWidget* window, const char* file);

// Keeps the point as decimal separator after GTK has taken over the user's locale.
void use_c_numeric_locale();

// ---- Action bar and wiring ---------------------------------------------------------------

// Builds the frame "Aktionen" with the program's buttons and packs it into action_box.
int build_action_bar(GtkWidget* action_box);

// A horizontal box with the picture from image_file and then the label text.
GtkWidget* make_icon_label_box(const char* image_file, const char* label);

// Connects the action bar's "clicked" signals and then the program's signal rows.
int connect_signals();

// Copies a title into caption_buffer (cut to fit) and returns the buffer.
const char* caption(const char* text);

// ---- Form conventions --------------------------------------------------------------------

// Packs a child at the start of a box, as every form does: no expand, no fill, padding 3.
void pack(GtkWidget* box, GtkWidget* child);

// A table of label/entry fields: not homogeneous, row spacing 2, column spacing 3, border 3.
GtkWidget* new_field_table(guint rows, guint columns);

// Lets a label name its entry for screen readers and tests: the labelled-by relation through
// the mnemonic widget (the label has no mnemonic, so nothing visible changes) and the
// accessible name itself, which GTK 2's accessibility module does not take from the label.
void name_by_label(GtkWidget* label, GtkWidget* entry);

// ---- Number check and messages -----------------------------------------------------------

inline constexpr int INPUT_ERROR_NOT_A_NUMBER = 4711;
inline constexpr int INPUT_ERROR_RANGE_ORDER = 4712;

// A message dialog over main_window (destroyed with it), run at once and destroyed after
// the answer. The text is shown as it is. Returns the answer.
int show_message(GtkMessageType type, GtkButtonsType buttons, const std::string& text);

// 0 for a text of digits and points only; otherwise shows "Stelle <n>: keine Zahl" with the
// first bad byte's position and returns -1.
int validate_number_text(const char* text);

// Reads one input field as every calculation does: the entry's text into text, the number
// check (its result in check_result), and on a bad text the input-error dialog (plain, or
// quendra's form with error_code) and false; otherwise the text converted like atof.
bool read_real_field(GtkWidget* entry, const char*& text, double& value);
bool read_real_field(GtkWidget* entry, const char*& text, double& value, int error_code);

// The input-error dialog (wolpex, barvilo).
int show_input_error();
// quendra's form: INPUT_ERROR_NOT_A_NUMBER or INPUT_ERROR_RANGE_ORDER.
int show_input_error(int code);

// "Berechnung noch nicht durchgefuert!"
int show_not_computed();

// The question at the start of every calculation: true when the calculation goes on
// (nothing computed yet, or the user answered Yes; then calculation_done is 0 again).
bool confirm_recompute();

// "Info": the about box with the program's about text.
int on_info(GtkWidget* widget, gpointer data);

// ---- Saving reports ----------------------------------------------------------------------

// The file chooser: 0 and results_path set when a name was accepted, -1 when cancelled.
int choose_results_file();

// 0 when the report may be written to results_path, -1 when the user keeps the file.
int confirm_overwrite();

// The whole "Speichern" flow around a report: the refusal before any calculation, the
// chooser, the overwrite question, the file opened with "w+", the report written by
// write_report, the file closed. A file that cannot be opened or written completely is
// reported in an error dialog. Returns 0.
int save_results(void (*write_report)(std::FILE* file));

// ---- Drawing -----------------------------------------------------------------------------

// Draws the lines of a drawing with the black graphics context of the area's style and its
// texts with a new graphics context in the given font, on the area's window.
void draw_plot(GtkWidget* area, const plot::Drawing& drawing, const char* font);

// Clears the area's window to its background (nothing when it is not realised yet).
void clear_area(GtkWidget* area);

} // namespace shell
