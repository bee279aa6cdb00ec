// The number check and the text-to-number conversions of the suite's input fields, and
// printf-style formatting that always writes the point as decimal separator.
// Pure C++: no GTK, no global state; the same result in every user locale.
#pragma once

#include <cstdio>
#include <string>

namespace number_text {

// 0 when every byte of the text is one of the digits 0-9 or '.', otherwise the 1-based byte
// position of the first other byte. The empty text, "." and "1.2.3" pass.
int first_bad_position(const char* text);

// The number check's message for a bad position: "Stelle <pos>: keine Zahl\n".
std::string position_message(int position);

// The standard text-to-double conversion (longest leading decimal number, 0.0 when there is
// none), with '.' as decimal separator whatever the locale: "" and "." give 0.0, "1.2.3" 1.2.
double to_real(const char* text);

// The standard text-to-int conversion ("2.7" gives 2, "" gives 0); a number beyond the range
// of int gives the nearest int instead of an undefined value.
int to_int(const char* text);

// printf into a string of any length, in the "C" numeric locale.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// fprintf in the "C" numeric locale; returns what fprintf returns.
int print(std::FILE* file, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

} // namespace number_text
