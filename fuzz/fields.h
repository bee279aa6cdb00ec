// The fuzz input as the form would hand it over: field texts, one per line. Fields that the
// input does not reach are empty, as a cleared entry would be.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "number_text.h"

namespace fuzz {

inline std::vector<std::string> split_fields(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> fields(count);
    size_t field = 0;
    for (size_t i = 0; i < size && field < count; ++i) {
        if (data[i] == '\n') {
            ++field;
        } else if (data[i] != '\0') { // a GTK entry text ends at its first zero byte
            fields[field].push_back(static_cast<char>(data[i]));
        }
    }
    return fields;
}

// Reads fields as a calculation does: each text through the number check, then converted;
// false at the first text the check refuses.
inline bool read_fields(const std::vector<std::string>& fields, size_t first, size_t count,
                        double* values) {
    for (size_t i = 0; i < count; ++i) {
        const char* text = fields[first + i].c_str();
        if (number_text::first_bad_position(text) != 0) {
            return false;
        }
        values[i] = number_text::to_real(text);
    }
    return true;
}

// A report written into memory, as it would go into the file.
template <typename Writer> size_t report_size(Writer write) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    write(stream);
    std::fclose(stream);
    std::free(buffer);
    return size;
}

} // namespace fuzz
