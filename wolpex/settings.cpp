// What makes the shell wolpex: title, pictures, action bar, wiring and about text.
#include "wolpex.h"

namespace wolpex {

namespace {

const shell::ActionRow ACTION_ROWS[] = {
    {&shell::calculate_button, "Rechnen", "wolpex_rechnen.png", "Berechnung starten",
     shell::Placement::bar, G_CALLBACK(on_calculate)},
    {&shell::save_button, "Speichern", "wolpex_speichern.png", "Speichern der Ergebnisse",
     shell::Placement::bar, G_CALLBACK(on_save)},
    {&shell::info_button, "Info", "wolpex_info.png", "Informationen anzeigen",
     shell::Placement::bar, G_CALLBACK(shell::on_info)},
    {&shell::quit_button, "Beenden", "wolpex_ende.png", "Programm beenden", shell::Placement::bar,
     G_CALLBACK(gtk_main_quit)},
    {&shell::draw_button, "Eigenform zeichnen", "wolpex_zeichnen.png",
     "Eigenform der Frequenz plotten", shell::Placement::bar, G_CALLBACK(on_draw)},
};

const shell::SignalRow SIGNAL_ROWS[] = {
    {&plot_area, "expose_event", G_CALLBACK(on_draw)},
};

} // namespace

const shell::ProgramSettings settings = {
    "n-Massen Torsionsschwinger",
    "wolpex.png",
    "wolpex_speichern.png",
    "Ein Mehrmassen-Torsionsschwinger-Rechenprogramm von\n"
    "Dr.-Ing. N. N. und Dipl.-Ing. N. N.\n"
    "Lehrstuhl fuer Maschinenelemente, Technische Hochschule Musterstadt,\n"
    "18.8.2010\n"
    "\n"
    "http://www.example.org/maschinenelemente\n"
    "http://www.example.org/software",
    ACTION_ROWS,
    SIGNAL_ROWS,
    build_layout,
};

} // namespace wolpex
