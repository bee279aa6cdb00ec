// The plain-text report of one disc spring: the inputs and the six results, each number at
// column 38. Pure C++ without GTK.
#pragma once

#include <cstdio>

namespace quendra {

// Writes the report into an open stream. input_value is in the form's order (De, E, Di, nu,
// t, h0, s), result_value in the results table's order (F, stress 1, W, stress 2, stress OM,
// stress 3); the report lists them in an order of its own. Write errors are left to the
// caller, who sees them in the stream.
void write_report(std::FILE* file, const double input_value[7], const double result_value[6]);

} // namespace quendra
