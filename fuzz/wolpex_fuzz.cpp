// wolpex from the raw field texts: 16 inertias, 15 stiffnesses, the mass count and the mode,
// through the analysis, every mode's plot and the report.
#include <cstdint>

#include "chain.h"
#include "fields.h"
#include "mode_plot.h"
#include "report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> fields = fuzz::split_fields(data, size, 33);
    double inertia[17] = {};
    double stiffness[17] = {};
    if (!fuzz::read_fields(fields, 0, 16, inertia + 1) ||
        !fuzz::read_fields(fields, 16, 16, stiffness + 1)) {
        return 0;
    }
    const int mass_count = wolpex::truncate_count(stiffness[16]);
    double freq_hz[17] = {};
    if (wolpex::count_allowed(mass_count)) {
        wolpex::WorkSet work(mass_count);
        if (wolpex::analyse(work, inertia, stiffness).outcome == wolpex::Outcome::completed) {
            for (int i = 1; i <= mass_count; ++i) {
                freq_hz[i] = work.freq_work[i];
            }
            for (int mode = 1; mode <= mass_count; ++mode) {
                wolpex::mode_plot(work, mode, freq_hz[mode], {});
            }
        }
    }
    fuzz::report_size([&](std::FILE* f) {
        wolpex::write_report(f, inertia, stiffness, mass_count, freq_hz);
    });
    return 0;
}
