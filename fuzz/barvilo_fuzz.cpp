// barvilo from the raw field texts: the seven member data and a case, through the check,
// the result texts, the verdict and the report.
#include <cstdint>

#include "buckling.h"
#include "fields.h"
#include "report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const int buckling_case = barvilo::BUCKLING_CASE_1 + data[0] % 4;
    const std::vector<std::string> fields = fuzz::split_fields(data + 1, size - 1, 7);
    double input[barvilo::INPUT_COUNT] = {};
    if (!fuzz::read_fields(fields, 0, barvilo::INPUT_COUNT, input)) {
        return 0;
    }
    const barvilo::BucklingResults r =
        barvilo::check_buckling(barvilo::member_from_inputs(input), buckling_case);
    const auto results = r.in_display_order();
    for (double value : results) {
        barvilo::result_text(value);
    }
    const char* verdict = barvilo::verdict_text(r.limit_slenderness, r.slenderness);
    fuzz::report_size([&](std::FILE* f) {
        barvilo::write_report(f, input, buckling_case, results.data(), verdict);
    });
    return 0;
}
