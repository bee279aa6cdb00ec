// The report of wolpex, one formatted write per line of the table; the blanks after each
// label put the numbers of a block into one column.
#include "report.h"

#include "number_text.h"

namespace wolpex {

void write_report(std::FILE* file, const double* inertia, const double* stiffness,
                  int mass_count, const double* freq_hz) {
    using number_text::print;
    print(file, "Berechnungsergebnisse von WOLPEX:\n\n\n");
    print(file, "Eingabedaten:\n\n");
    print(file, "Massen:\n");
    for (int i = 1; i <= 16; ++i) {
        print(file, i < 10 ? "J%d / kgm^2:     %.8lf\n" : "J%d / kgm^2:    %.8lf\n", i,
              inertia[i]);
    }
    print(file, "\n");
    print(file, "Steifigkeiten:\n");
    for (int i = 1; i <= 15; ++i) {
        print(file, i < 10 ? "ct%d / (Nm/rad): %.8lf\n" : "ct%d / (Nm/rad):%.8lf\n", i,
              stiffness[i]);
    }
    print(file, "\n");
    print(file, "Anzahl der Massen / 1:  %d\n", mass_count);
    print(file, "\n\n\n");
    print(file, "Ergebnisse:\n\n");
    for (int i = 1; i <= 16; ++i) {
        print(file, i < 10 ? "F%d / (Hz):   %.8lf\n" : "F%d / (Hz):  %.8lf\n", i, freq_hz[i]);
    }
}

} // namespace wolpex
