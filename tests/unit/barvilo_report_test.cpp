// The buckling report: the example member's report byte for byte, the verdict of case 4,
// and the report left by a first calculation that stopped at a rejected input.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "buckling.h"
#include "report.h"
#include "test_files.h"

namespace {

// F, L1, A, I, E, Re, S of the example member: a round steel bar of 10 mm diameter.
constexpr double EXAMPLE_INPUTS[barvilo::INPUT_COUNT] = {3500, 229, 78.54, 490.87, 206000, 500, 7};

// The report of a full calculation of the example member in one case.
std::string example_report(int buckling_case) {
    const barvilo::BucklingResults results =
        barvilo::check_buckling(barvilo::member_from_inputs(EXAMPLE_INPUTS), buckling_case);
    const auto result_value = results.in_display_order();
    const char* verdict = barvilo::verdict_text(results.limit_slenderness, results.slenderness);
    return test_files::capture([&](std::FILE* file) {
        barvilo::write_report(file, EXAMPLE_INPUTS, buckling_case, result_value.data(), verdict);
    });
}

TEST(BarviloReport, ExampleMemberCaseOneByteForByte) {
    const std::string expected =
        "Ergebnisse der Berechnung:\n"
        "\n"
        "\n"
        "Eingabedaten:\n"
        "\n"
        "Geometriedaten:\n"
        "Kraft F / N:                             3500.00000\n"
        "Knicklaenge l1 / mm:                     229.00000\n"
        "Flaeche A / mm^2:                        78.54000\n"
        "Flaechentraegheitsmoment I / mm^4:       490.87000\n"
        "E-Modul E / (N/mm^2):                    206000.00000\n"
        "Streckgrenze Re / (N/mm^2):              500.00000\n"
        "Sicherheit S / 1:                        7.00000\n"
        "\n"
        "Auswahl:\n"
        "Knickfall: 1\n"
        "\n"
        "\n"
        "\n"
        "Ergebnisse:\n"
        "\n"
        "freie Knicklaenge / mm:                  458.00000\n"
        "Traegheitsradius / mm:                   2.49999\n"
        "Schlankheitsgrad / 1:                    183.20093\n"
        "Grenzschlankheitsgrad / 1:               63.76737\n"
        "Druckspannung / (N/mm^2):                44.56328\n"
        "zul. Druckspannung (N/mm^2):             8.65393\n"
        "zul. Maximalkraft / N:                   679.67995\n"
        "Knickung:                                elastische Knickung nach Euler\n";
    EXPECT_EQ(example_report(barvilo::BUCKLING_CASE_1), expected);
}

TEST(BarviloReport, CaseFourNamesItsCaseAndEndsWithTetmajer) {
    const std::string report = example_report(barvilo::BUCKLING_CASE_4);
    EXPECT_NE(report.find("\nAuswahl:\nKnickfall: 4\n\n\n\nErgebnisse:\n\n"), std::string::npos);
    EXPECT_EQ(report.find("Knickfall: 1"), std::string::npos);
    EXPECT_NE(report.find("\nfreie Knicklaenge / mm:                  114.50000\n"),
              std::string::npos);
    EXPECT_NE(report.find("\nzul. Maximalkraft / N:                   10874.87921\n"),
              std::string::npos);
    const std::string last_line =
        "\nKnickung:" + std::string(32, ' ') + "unelastische Knickung nach Tetmajer\n";
    ASSERT_GE(report.size(), last_line.size());
    EXPECT_EQ(report.substr(report.size() - last_line.size()), last_line);
}

TEST(BarviloReport, AfterFirstCalculationStoppedAtThirdField) {
    // F and L1 were read, A was rejected: nothing else was converted or computed, and the
    // verdict label still shows its starting text.
    const double input_value[barvilo::INPUT_COUNT] = {3500, 229, 0, 0, 0, 0, 0};
    const double result_value[barvilo::RESULT_COUNT] = {};
    const std::string report = test_files::capture([&](std::FILE* file) {
        barvilo::write_report(file, input_value, barvilo::BUCKLING_CASE_3, result_value,
                              barvilo::VERDICT_UNKNOWN);
    });
    const std::string expected = "Ergebnisse der Berechnung:\n\n\n"
                                 "Eingabedaten:\n\n"
                                 "Geometriedaten:\n"
                                 "Kraft F / N:                             3500.00000\n"
                                 "Knicklaenge l1 / mm:                     229.00000\n"
                                 "Flaeche A / mm^2:                        0.00000\n"
                                 "Flaechentraegheitsmoment I / mm^4:       0.00000\n"
                                 "E-Modul E / (N/mm^2):                    0.00000\n"
                                 "Streckgrenze Re / (N/mm^2):              0.00000\n"
                                 "Sicherheit S / 1:                        0.00000\n"
                                 "\n"
                                 "Auswahl:\n"
                                 "Knickfall: 3\n"
                                 "\n\n\n"
                                 "Ergebnisse:\n\n"
                                 "freie Knicklaenge / mm:                  0.00000\n"
                                 "Traegheitsradius / mm:                   0.00000\n"
                                 "Schlankheitsgrad / 1:                    0.00000\n"
                                 "Grenzschlankheitsgrad / 1:               0.00000\n"
                                 "Druckspannung / (N/mm^2):                0.00000\n"
                                 "zul. Druckspannung (N/mm^2):             0.00000\n"
                                 "zul. Maximalkraft / N:                   0.00000\n"
                                 "Knickung:                                Knickung?\n";
    EXPECT_EQ(report, expected);
}

TEST(BarviloReport, HugeValueIsWrittenInFull) {
    // A result of 1e300 N/mm^2 takes 301 digits before the point; the line keeps them all.
    double result_value[barvilo::RESULT_COUNT] = {};
    result_value[4] = 1e300;
    const std::string report = test_files::capture([&](std::FILE* file) {
        barvilo::write_report(file, EXAMPLE_INPUTS, barvilo::BUCKLING_CASE_1, result_value,
                              barvilo::VERDICT_TETMAJER);
    });
    const std::string label = "\nDruckspannung / (N/mm^2):                ";
    const size_t start = report.find(label);
    ASSERT_NE(start, std::string::npos);
    const size_t value_start = start + label.size();
    const std::string value =
        report.substr(value_start, report.find('\n', value_start) - value_start);
    EXPECT_EQ(value.size(), 301u + 6u);
    EXPECT_EQ(std::strtod(value.c_str(), nullptr), 1e300);
}

} // namespace
