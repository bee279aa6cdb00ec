// The report: 18 writes, every number with "%.5lf" (no width, so nothing is cut or padded).
#include "report.h"

#include "disc_spring.h"
#include "number_text.h"

namespace quendra {

void write_report(std::FILE* file, const double input_value[7], const double result_value[6]) {
    using number_text::print;
    print(file, "Ergebnisse der Berechnung von QUENDRA:\n\n\n");
    print(file, "Eingabedaten:\n\n");
    print(file, "Aussendurchmesser De / mm:            %.5lf\n", input_value[INPUT_OUTER_DIAMETER]);
    print(file, "Innendurchmesser Di / mm:             %.5lf\n", input_value[INPUT_INNER_DIAMETER]);
    print(file, "E-Modul E / (N/mm^2):                 %.5lf\n", input_value[INPUT_YOUNGS_MODULUS]);
    print(file, "Querkontraktionszahl nue / 1:         %.5lf\n", input_value[INPUT_POISSON_RATIO]);
    print(file, "Dicke t / mm:                         %.5lf\n", input_value[INPUT_THICKNESS]);
    print(file, "Stuelphoehe h0 / mm:                  %.5lf\n", input_value[INPUT_CONE_HEIGHT]);
    print(file, "Federweg s / mm:                      %.5lf\n", input_value[INPUT_DEFLECTION]);
    print(file, "\n\n\n");
    print(file, "Ergebnisse:\n\n");
    print(file, "Federkraft F / N:                     %.5lf\n", result_value[RESULT_FORCE]);
    print(file, "Arbeit W / mJ:                        %.5lf\n", result_value[RESULT_WORK]);
    print(file, "Spannung OM / (N/mm^2):               %.5lf\n", result_value[RESULT_STRESS_OM]);
    print(file, "Spannung 1 / (N/mm^2):                %.5lf\n", result_value[RESULT_STRESS_1]);
    print(file, "Spannung 2 / (N/mm^2):                %.5lf\n", result_value[RESULT_STRESS_2]);
    print(file, "Spannung 3 / (N/mm^2):                %.5lf\n", result_value[RESULT_STRESS_3]);
    print(file, "\n");
}

} // namespace quendra
