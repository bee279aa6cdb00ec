// The number check, the conversions and locale-independent formatting.
#include "number_text.h"

#include <climits>
#include <clocale>
#include <cstdarg>
#include <cstdlib>
#include <locale.h>
#include <vector>

namespace number_text {
namespace {

// One "C" locale for the whole process, made on first use and kept to the end.
locale_t c_locale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the "C" locale for the lifetime of the object.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(uselocale(c_locale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t previous_;
};

std::string vformat(const char* fmt, va_list args) {
    CLocaleScope scope;
    va_list again;
    va_copy(again, args);
    char small[128];
    const int length = std::vsnprintf(small, sizeof small, fmt, args);
    if (length < 0) {
        va_end(again);
        return std::string();
    }
    if (static_cast<size_t>(length) < sizeof small) {
        va_end(again);
        return std::string(small, static_cast<size_t>(length));
    }
    std::vector<char> large(static_cast<size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), fmt, again);
    va_end(again);
    return std::string(large.data(), static_cast<size_t>(length));
}

} // namespace

int first_bad_position(const char* text) {
    for (int i = 0; text[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (!((byte >= '0' && byte <= '9') || byte == '.')) {
            return i + 1;
        }
    }
    return 0;
}

std::string position_message(int position) { return format("Stelle %d: keine Zahl\n", position); }

double to_real(const char* text) { return strtod_l(text, nullptr, c_locale()); }

int to_int(const char* text) {
    const long value = strtol_l(text, nullptr, 10, c_locale());
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::string format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = vformat(fmt, args);
    va_end(args);
    return text;
}

int print(std::FILE* file, const char* fmt, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, fmt);
    const int written = std::vfprintf(file, fmt, args);
    va_end(args);
    return written;
}

} // namespace number_text
