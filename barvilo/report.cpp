// The report of a buckling check, written as 23 formatted writes in file order. Its labels
// are the report's own and differ in places from the form's ("Knicklaenge l1",
// "Sicherheit S / 1", "zul. Druckspannung (N/mm^2)").
#include "report.h"

#include "number_text.h"

namespace barvilo {

void write_report(std::FILE* file, const double input_value[INPUT_COUNT], int buckling_case,
                  const double result_value[RESULT_COUNT], const char* verdict) {
    using number_text::print;
    print(file, "Ergebnisse der Berechnung:\n\n\n");
    print(file, "Eingabedaten:\n\n");
    print(file, "Geometriedaten:\n");
    print(file, "Kraft F / N:                             %7.5lf\n", input_value[0]);
    print(file, "Knicklaenge l1 / mm:                     %7.5lf\n", input_value[1]);
    print(file, "Flaeche A / mm^2:                        %7.5lf\n", input_value[2]);
    print(file, "Flaechentraegheitsmoment I / mm^4:       %7.5lf\n", input_value[3]);
    print(file, "E-Modul E / (N/mm^2):                    %7.5lf\n", input_value[4]);
    print(file, "Streckgrenze Re / (N/mm^2):              %7.5lf\n", input_value[5]);
    print(file, "Sicherheit S / 1:                        %7.5lf\n", input_value[6]);
    print(file, "\n");
    print(file, "Auswahl:\n");
    // Four tests of equality: a code that is no case writes no case line.
    if (buckling_case == BUCKLING_CASE_1) {
        print(file, "Knickfall: 1\n");
    }
    if (buckling_case == BUCKLING_CASE_2) {
        print(file, "Knickfall: 2\n");
    }
    if (buckling_case == BUCKLING_CASE_3) {
        print(file, "Knickfall: 3\n");
    }
    if (buckling_case == BUCKLING_CASE_4) {
        print(file, "Knickfall: 4\n");
    }
    print(file, "\n\n\n");
    print(file, "Ergebnisse:\n\n");
    print(file, "freie Knicklaenge / mm:                  %7.5lf\n", result_value[0]);
    print(file, "Traegheitsradius / mm:                   %7.5lf\n", result_value[1]);
    print(file, "Schlankheitsgrad / 1:                    %7.5lf\n", result_value[2]);
    print(file, "Grenzschlankheitsgrad / 1:               %7.5lf\n", result_value[3]);
    print(file, "Druckspannung / (N/mm^2):                %7.5lf\n", result_value[4]);
    print(file, "zul. Druckspannung (N/mm^2):             %7.5lf\n", result_value[5]);
    print(file, "zul. Maximalkraft / N:                   %7.5lf\n", result_value[6]);
    print(file, "Knickung:                                %s\n", verdict);
}

} // namespace barvilo
