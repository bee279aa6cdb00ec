// Where the start-up time goes: starts one program's window (or the minimal window) the
// way main() does, in separate steps, and prints the milliseconds of each step:
//
//   startup_phases wolpex|quendra|barvilo|minimal
//
// prints "<exec> <gtk_init> <fonts> <pictures> <widgets> <first drawing>":
//   exec           from the exec of startup_probe (STARTUP_PROBE_START_NS) to main: the
//                  loading and linking of the shared libraries
//   gtk_init       GTK's start: display connection, theme, settings
//   fonts          the first text laid out in the default font: fontconfig and the font
//   pictures       the first loads of the program's pictures (icon and buttons)
//   widgets        create_main_window: the widgets, the pictures decoded again, the size
//                  negotiation and the X windows (the minimal window: window and button)
//   first drawing  the main loop up to the end of the window's first expose
// Run under startup_probe, which ends it after its window is mapped.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "calculator_shell.h"
#ifdef SUITE_HAVE_WOLPEX
#include "wolpex.h"
#endif
#ifdef SUITE_HAVE_QUENDRA
#include "quendra.h"
#endif
#ifdef SUITE_HAVE_BARVILO
#include "barvilo.h"
#endif

namespace {

double now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool exposed = false;

gboolean note_expose(GtkWidget*, GdkEventExpose*, gpointer) {
    exposed = true;
    return FALSE;
}

const shell::ProgramSettings* settings_of(const std::string& name) {
#ifdef SUITE_HAVE_WOLPEX
    if (name == "wolpex") {
        return &wolpex::settings;
    }
#endif
#ifdef SUITE_HAVE_QUENDRA
    if (name == "quendra") {
        return &quendra::settings;
    }
#endif
#ifdef SUITE_HAVE_BARVILO
    if (name == "barvilo") {
        return &barvilo::settings;
    }
#endif
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const double entered = now_ms();
    const char* start_ns = std::getenv("STARTUP_PROBE_START_NS");
    const double exec_ms = start_ns != nullptr ? entered - std::atof(start_ns) / 1e6 : 0.0;
    const std::string name = argc > 1 ? argv[1] : "";
    const shell::ProgramSettings* settings = settings_of(name);
    if (settings == nullptr && name != "minimal") {
        std::fprintf(stderr, "usage: startup_phases wolpex|quendra|barvilo|minimal\n");
        return 2;
    }

    std::vector<double> marks{entered};
    gtk_init(&argc, &argv);
    shell::use_c_numeric_locale();
    marks.push_back(now_ms());

    // A label's layout in the default style's font, as the first label of the form does.
    GtkWidget* label = gtk_label_new(nullptr);
    g_object_ref_sink(label);
    PangoLayout* layout = gtk_widget_create_pango_layout(label, "Aktionen");
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    g_object_unref(label);
    marks.push_back(now_ms());

    if (settings != nullptr) {
        std::vector<const char*> files{settings->icon_file};
        for (const shell::ActionRow& row : settings->action_rows) {
            files.push_back(row.image_file);
        }
        for (const char* file : files) {
            GdkPixbuf* picture = gdk_pixbuf_new_from_file(file, nullptr);
            if (picture != nullptr) {
                g_object_unref(picture);
            }
        }
    }
    marks.push_back(now_ms());

    GtkWidget* window = nullptr;
    if (settings != nullptr) {
        window = shell::create_main_window(*settings);
    } else {
        window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
        gtk_container_add(GTK_CONTAINER(window), gtk_button_new_with_label("OK"));
        gtk_widget_show_all(window);
    }
    g_signal_connect_after(window, "expose-event", G_CALLBACK(note_expose), nullptr);
    marks.push_back(now_ms());

    while (!exposed) {
        gtk_main_iteration();
    }
    marks.push_back(now_ms());

    std::printf("%.3f", exec_ms);
    for (size_t i = 1; i < marks.size(); ++i) {
        std::printf(" %.3f", marks[i] - marks[i - 1]);
    }
    std::printf("\n");
    std::fflush(stdout);
    gtk_main();
    return 0;
}
