// The report of wolpex, byte for byte.
#include <gtest/gtest.h>

#include "chain.h"
#include "report.h"
#include "test_files.h"
#include "wolpex_example_chain.h"

namespace {

const char* const EXAMPLE_REPORT = "Berechnungsergebnisse von WOLPEX:\n"
                                   "\n"
                                   "\n"
                                   "Eingabedaten:\n"
                                   "\n"
                                   "Massen:\n"
                                   "J1 / kgm^2:     0.00400000\n"
                                   "J2 / kgm^2:     0.00100000\n"
                                   "J3 / kgm^2:     0.01000000\n"
                                   "J4 / kgm^2:     0.01000000\n"
                                   "J5 / kgm^2:     0.01000000\n"
                                   "J6 / kgm^2:     0.01000000\n"
                                   "J7 / kgm^2:     0.21500000\n"
                                   "J8 / kgm^2:     0.00028000\n"
                                   "J9 / kgm^2:     0.00425000\n"
                                   "J10 / kgm^2:    0.00250000\n"
                                   "J11 / kgm^2:    0.00650000\n"
                                   "J12 / kgm^2:    0.00240000\n"
                                   "J13 / kgm^2:    0.00237000\n"
                                   "J14 / kgm^2:    0.12410000\n"
                                   "J15 / kgm^2:    4748.00000000\n"
                                   "J16 / kgm^2:    0.00000000\n"
                                   "\n"
                                   "Steifigkeiten:\n"
                                   "ct1 / (Nm/rad): 20000.00000000\n"
                                   "ct2 / (Nm/rad): 90000.00000000\n"
                                   "ct3 / (Nm/rad): 450000.00000000\n"
                                   "ct4 / (Nm/rad): 450000.00000000\n"
                                   "ct5 / (Nm/rad): 450000.00000000\n"
                                   "ct6 / (Nm/rad): 500000.00000000\n"
                                   "ct7 / (Nm/rad): 1600.00000000\n"
                                   "ct8 / (Nm/rad): 9000.00000000\n"
                                   "ct9 / (Nm/rad): 60000.00000000\n"
                                   "ct10 / (Nm/rad):9000.00000000\n"
                                   "ct11 / (Nm/rad):9000.00000000\n"
                                   "ct12 / (Nm/rad):54800.00000000\n"
                                   "ct13 / (Nm/rad):700.00000000\n"
                                   "ct14 / (Nm/rad):2900.00000000\n"
                                   "ct15 / (Nm/rad):0.00000000\n"
                                   "\n"
                                   "Anzahl der Massen / 1:  15\n"
                                   "\n"
                                   "\n"
                                   "\n"
                                   "Ergebnisse:\n"
                                   "\n"
                                   "F1 / (Hz):   0.00000000\n"
                                   "F2 / (Hz):   5.81206108\n"
                                   "F3 / (Hz):   25.87555757\n"
                                   "F4 / (Hz):   54.14239452\n"
                                   "F5 / (Hz):   204.94048619\n"
                                   "F6 / (Hz):   289.90697351\n"
                                   "F7 / (Hz):   327.71552939\n"
                                   "F8 / (Hz):   445.30514274\n"
                                   "F9 / (Hz):   944.99534288\n"
                                   "F10 / (Hz):  1068.91140824\n"
                                   "F11 / (Hz):  1083.44676421\n"
                                   "F12 / (Hz):  1103.74528962\n"
                                   "F13 / (Hz):  1599.26877647\n"
                                   "F14 / (Hz):  1788.29843538\n"
                                   "F15 / (Hz):  2023.29977896\n"
                                   "F16 / (Hz):  0.00000000\n";

TEST(Report, ExampleChainByteForByte) {
    double inertia[17], stiffness[17], freq[17] = {};
    wolpex_example::fill(inertia, stiffness);
    wolpex::WorkSet work(15);
    ASSERT_EQ(wolpex::analyse(work, inertia, stiffness).outcome, wolpex::Outcome::completed);
    for (int i = 1; i <= 15; ++i) {
        freq[i] = work.freq_work[i];
    }
    const std::string report = test_files::capture(
        [&](std::FILE* f) { wolpex::write_report(f, inertia, stiffness, 15, freq); });
    EXPECT_EQ(report, EXAMPLE_REPORT);
}

// Whatever the count, all sixteen of each block are listed; the count line holds the
// stored count, also a rejected one.
TEST(Report, AlwaysSixtyTwoLines) {
    double inertia[17] = {}, stiffness[17] = {}, freq[17] = {};
    const std::string report = test_files::capture(
        [&](std::FILE* f) { wolpex::write_report(f, inertia, stiffness, 17, freq); });
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 62);
    EXPECT_NE(report.find("\nAnzahl der Massen / 1:  17\n"), std::string::npos);
    EXPECT_NE(report.find("\nF16 / (Hz):  0.00000000\n"), std::string::npos);
}

} // namespace
