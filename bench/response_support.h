// What the response benchmarks share: GTK started as the programs start it, the program's
// real window built once per run, events settled, and a guard against dialogs.
#pragma once

#include <benchmark/benchmark.h>
#include <gtk/gtk.h>

#include "calculator_shell.h"

namespace response_bench {

// Lets GTK handle everything pending (relayout, repaint), then waits until the X server
// has carried out every request: the answer is on the screen.
void settle();

// Builds the program's main window as main() does, places it at (0,0) at 1270 x 1000 so
// that its drawing areas are on the screen (the X server draws nothing off it), and waits
// for its first drawing.
void open_window(const shell::ProgramSettings& settings);

using Handler = int (*)(GtkWidget*, gpointer);

// Times a calculation handler: calculation_done is cleared before each call, so that the
// recompute question never comes; on_screen adds the repaint it causes (settle()).
void time_calculation(benchmark::State& state, Handler on_calculate, bool on_screen);

// gtk_init, the "C" numeric locale, Google Benchmark's flags, the benchmarks; a message
// dialog that opens during a run ends the run with an error, since nobody answers it.
int run(int argc, char** argv, const shell::ProgramSettings& settings);

} // namespace response_bench
