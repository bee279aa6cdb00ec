// The report of one disc spring, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "disc_spring.h"
#include "report.h"
#include "test_files.h"

namespace {

std::string report_of(const double input_value[7], const double result_value[6]) {
    return test_files::capture(
        [&](std::FILE* file) { quendra::write_report(file, input_value, result_value); });
}

TEST(QuendraReport, ExampleSpringByteForByte) {
    // Inputs in the form's order De, E, Di, nu, t, h0, s; the report lists De, Di, E, ...
    // and the results as F, W, OM, 1, 2, 3.
    const double input_value[7] = {100.0, 206000.0, 50.0, 0.3, 1.0, 1.0, 1.0};
    const quendra::SpringCalculation c =
        quendra::calculate_spring(100.0, 206000.0, 50.0, 0.3, 1.0, 1.0, 1.0);
    const std::string expected = "Ergebnisse der Berechnung von QUENDRA:\n"
                                 "\n"
                                 "\n"
                                 "Eingabedaten:\n"
                                 "\n"
                                 "Aussendurchmesser De / mm:            100.00000\n"
                                 "Innendurchmesser Di / mm:             50.00000\n"
                                 "E-Modul E / (N/mm^2):                 206000.00000\n"
                                 "Querkontraktionszahl nue / 1:         0.30000\n"
                                 "Dicke t / mm:                         1.00000\n"
                                 "Stuelphoehe h0 / mm:                  1.00000\n"
                                 "Federweg s / mm:                      1.00000\n"
                                 "\n"
                                 "\n"
                                 "\n"
                                 "Ergebnisse:\n"
                                 "\n"
                                 "Federkraft F / N:                     130.41199\n"
                                 "Arbeit W / mJ:                        81.50749\n"
                                 "Spannung OM / (N/mm^2):               -124.53438\n"
                                 "Spannung 1 / (N/mm^2):                -259.20200\n"
                                 "Spannung 2 / (N/mm^2):                100.12827\n"
                                 "Spannung 3 / (N/mm^2):                139.89670\n"
                                 "\n";
    EXPECT_EQ(report_of(input_value, c.result_value.data()), expected);
}

TEST(QuendraReport, EveryValueStandsInItsOwnLine) {
    // Distinct values show that each line reads its own index, and that a number of any
    // length is written whole, neither padded nor cut.
    const double input_value[7] = {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0};
    const double result_value[6] = {1e300, 20.0, 30.0, 40.0, 50.0, -0.0};
    const std::string report = report_of(input_value, result_value);
    EXPECT_NE(report.find("Aussendurchmesser De / mm:            1.00000\n"
                          "Innendurchmesser Di / mm:             3.00000\n"
                          "E-Modul E / (N/mm^2):                 2.00000\n"
                          "Querkontraktionszahl nue / 1:         4.00000\n"
                          "Dicke t / mm:                         5.00000\n"
                          "Stuelphoehe h0 / mm:                  6.00000\n"
                          "Federweg s / mm:                      7.00000\n"),
              std::string::npos);
    EXPECT_NE(report.find("Arbeit W / mJ:                        30.00000\n"
                          "Spannung OM / (N/mm^2):               50.00000\n"
                          "Spannung 1 / (N/mm^2):                20.00000\n"
                          "Spannung 2 / (N/mm^2):                40.00000\n"
                          "Spannung 3 / (N/mm^2):                -0.00000\n"),
              std::string::npos);
    // 1e300 is not exactly a power of ten; its 301 digits begin with 1 and a run of zeros.
    const size_t at = report.find("Federkraft F / N:                     1000000000000000052504");
    ASSERT_NE(at, std::string::npos);
    const size_t end = report.find('\n', at);
    EXPECT_EQ(end - at, 38u + 301u + 6u);
}

} // namespace
