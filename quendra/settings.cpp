// What makes the shell quendra: title, pictures, action bar, wiring and about text.
#include "quendra.h"

namespace quendra {

namespace {

// The draw button gets its picture and tooltip here like the others, but the range row of
// the plot frame holds it, not the bar.
const shell::ActionRow ACTION_ROWS[] = {
    {&shell::calculate_button, "Rechnen", "quendra_rechnen.png", "Berechnung starten",
     shell::Placement::bar, G_CALLBACK(on_calculate)},
    {&shell::save_button, "Speichern", "quendra_speichern.png", "Speichern der Ergebnisse",
     shell::Placement::bar, G_CALLBACK(on_save)},
    {&shell::info_button, "Info", "quendra_info.png", "Informationen anzeigen",
     shell::Placement::bar, G_CALLBACK(shell::on_info)},
    {&shell::quit_button, "Beenden", "quendra_ende.png", nullptr, shell::Placement::bar,
     G_CALLBACK(gtk_main_quit)},
    {&shell::draw_button, "Kennlinie zeichnen", "quendra_zeichnen.png", "Federkennline zeichnen",
     shell::Placement::elsewhere, G_CALLBACK(on_draw)},
};

} // namespace

// The drawing area has no expose handler: the characteristic is drawn on the button only.
const shell::ProgramSettings settings = {
    "Berechung von Tellerfedern nach DIN 2093",
    "quendra.png",
    "quendra_speichern.png",
    "Ein Rechenprogramm fuer Tellerfedern nach DIN 2093\n"
    "von Dr.-Ing. N. N. und Dipl.-Ing. N. N.\n"
    "Lehrstuhl fuer Maschinenelemente\n"
    "Technische Hochschule Musterstadt\n"
    "16.8.2010\n"
    "\n"
    "http://www.example.org/maschinenelemente\n"
    "http://www.example.org/software",
    ACTION_ROWS,
    {},
    build_layout,
};

} // namespace quendra
