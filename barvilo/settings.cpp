// What makes the shell barvilo: title, pictures, action bar, wiring and about text.
#include "barvilo.h"

namespace barvilo {

namespace {

const shell::ActionRow ACTION_ROWS[] = {
    {&shell::calculate_button, "Rechnen", "barvilo_rechnen.png", "Berechnung starten",
     shell::Placement::bar, G_CALLBACK(on_calculate)},
    {&shell::save_button, "Speichern", "barvilo_speichern.png", "Speichern der Ergebnisse",
     shell::Placement::bar, G_CALLBACK(on_save)},
    {&shell::info_button, "Info", "barvilo_info.png", "Informationen anzeigen",
     shell::Placement::bar, G_CALLBACK(shell::on_info)},
    {&shell::quit_button, "Beenden", "barvilo_ende.png", "Programm beenden", shell::Placement::bar,
     G_CALLBACK(gtk_main_quit)},
};

// Every click on a case button, also on the active one, records the case and asks for a
// new calculation.
const shell::SignalRow SIGNAL_ROWS[] = {
    {&case_buttons[0], "clicked", G_CALLBACK(on_case_toggled)},
    {&case_buttons[1], "clicked", G_CALLBACK(on_case_toggled)},
    {&case_buttons[2], "clicked", G_CALLBACK(on_case_toggled)},
    {&case_buttons[3], "clicked", G_CALLBACK(on_case_toggled)},
};

} // namespace

const shell::ProgramSettings settings = {
    "Knickung von Bauteilen",
    "barvilo.png",
    "barvilo_speichern.png",
    "Ein Rechenprogramm fuer Knickung von\n"
    "Dr.-Ing. N. N. und Dipl.-Ing. N. N.\n"
    "Lehrstuhl fuer Maschinenelemente\n"
    "Technische Hochschule Musterstadt\n"
    "24.8.2010\n"
    "\n"
    "http://www.example.org/maschinenelemente\n"
    "http://www.example.org/software",
    ACTION_ROWS,
    SIGNAL_ROWS,
    build_layout,
};

} // namespace barvilo
