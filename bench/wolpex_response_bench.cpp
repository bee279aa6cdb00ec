// How fast wolpex answers in its real window: "Rechnen" on a chain of 16 masses and the
// drawing of mode 16. "handler" is the handler alone; "on_screen" adds what the user waits
// for after it: the relayout and repaint it causes, until the X server has drawn it all.
#include <benchmark/benchmark.h>

#include "response_support.h"
#include "wolpex.h"

namespace {

// The example chain of the form with a sixteenth mass of 0.05 kgm^2 on a spring of
// 5000 Nm/rad, as in the chain benchmark.
void enter_chain_of_16() {
    gtk_entry_set_text(GTK_ENTRY(wolpex::inertia_entry[16]), "0.05");
    gtk_entry_set_text(GTK_ENTRY(wolpex::stiffness_entry[15]), "5000");
    gtk_entry_set_text(GTK_ENTRY(wolpex::stiffness_entry[16]), "16");
    gtk_entry_set_text(GTK_ENTRY(wolpex::mode_entry), "16");
    response_bench::settle();
}

void calculate(benchmark::State& state, bool on_screen) {
    enter_chain_of_16();
    response_bench::time_calculation(state, wolpex::on_calculate, on_screen);
    if (wolpex::mass_count != 16) {
        state.SkipWithError("the chain did not have 16 masses");
    }
}
BENCHMARK_CAPTURE(calculate, handler, false);
BENCHMARK_CAPTURE(calculate, on_screen, true);

// The draw button with mode 16 of the chain of 16: clears the plot and draws it anew.
void draw_mode_16(benchmark::State& state, bool on_screen) {
    enter_chain_of_16();
    shell::calculation_done = 0;
    wolpex::on_calculate(shell::calculate_button, nullptr);
    response_bench::settle();
    for (auto _ : state) {
        gtk_button_clicked(GTK_BUTTON(shell::draw_button));
        if (on_screen) {
            response_bench::settle();
        }
    }
    if (wolpex::selected_mode != 16) {
        state.SkipWithError("mode 16 was not drawn");
    }
}
BENCHMARK_CAPTURE(draw_mode_16, handler, false);
BENCHMARK_CAPTURE(draw_mode_16, on_screen, true);

} // namespace

int main(int argc, char** argv) { return response_bench::run(argc, argv, wolpex::settings); }
