// The number check and the conversions on any bytes.
#include <cstdint>
#include <string>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* c = text.c_str(); // ends at the first zero byte, as an entry text does
    const int position = number_text::first_bad_position(c);
    if (position < 0 || static_cast<size_t>(position) > text.size()) {
        __builtin_trap();
    }
    const double real = number_text::to_real(c);
    const int whole = number_text::to_int(c);
    if (position == 0) {
        // An accepted text never reads as negative.
        if (real < 0.0 || whole < 0) {
            __builtin_trap();
        }
        number_text::position_message(1);
    } else {
        number_text::position_message(position);
    }
    number_text::format("%10.6lf|%7.5lf|%.8lf|%d", real, real, real, whole);
    return 0;
}
