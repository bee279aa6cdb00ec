// The plain-text report of a buckling check: inputs, case, results and verdict.
// Pure C++: no GTK.
#pragma once

#include <cstdio>

#include "buckling.h"

namespace barvilo {

// Writes the report into an open stream: the seven inputs F, L1, A, I, E, Re, S, the case
// whose code equals buckling_case (none for another code), the seven results in display
// order and the verdict text. Values start in column 42 and are printed with "%7.5lf" in
// the "C" numeric locale. Write errors are left to the caller's stream checks.
void write_report(std::FILE* file, const double input_value[INPUT_COUNT], int buckling_case,
                  const double result_value[RESULT_COUNT], const char* verdict);

} // namespace barvilo
