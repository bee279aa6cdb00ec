// The plain-text report of a torsional chain: all sixteen masses, fifteen stiffnesses, the
// mass count and sixteen frequencies, 62 lines whatever the count.
#pragma once

#include <cstdio>

namespace wolpex {

// inertia, stiffness and freq_hz are indexed 1..16 (stiffness 1..15 is printed).
void write_report(std::FILE* file, const double* inertia, const double* stiffness,
                  int mass_count, const double* freq_hz);

} // namespace wolpex
