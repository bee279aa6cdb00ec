// quendra from the raw field texts: the seven spring data and the range s1, s2, through the
// calculation, the result texts, the characteristic and the report.
#include <cstdint>

#include "characteristic_curve.h"
#include "disc_spring.h"
#include "fields.h"
#include "report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> fields = fuzz::split_fields(data, size, 9);
    double input[7] = {};
    if (!fuzz::read_fields(fields, 0, 7, input)) {
        return 0;
    }
    const quendra::SpringCalculation c =
        quendra::calculate_spring(input[0], input[1], input[2], input[3], input[4], input[5],
                                  input[6]);
    for (double value : c.result_value) {
        quendra::result_text(value);
    }
    double range[2] = {};
    if (fuzz::read_fields(fields, 7, 2, range) && range[0] < range[1]) {
        const quendra::CurveSpring spring{input[4], input[5], input[0], c.modulus_factor, c.k1};
        const plot::Drawing drawing = quendra::characteristic_curve(spring, range[0], range[1],
                                                                    {800, 300, 2});
        // Every line handed to GDK lies within the X protocol's coordinate range.
        for (const plot::Line& l : drawing.lines()) {
            for (int v : {l.x1, l.y1, l.x2, l.y2}) {
                if (v < -32768 || v > 32767) {
                    __builtin_trap();
                }
            }
        }
    }
    fuzz::report_size(
        [&](std::FILE* f) { quendra::write_report(f, input, c.result_value.data()); });
    return 0;
}
