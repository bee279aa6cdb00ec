// The number check and the conversions every input field goes through.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "number_text.h"

namespace {

struct CheckCase {
    const char* text;
    int bad_position; // 0: accepted
};

class NumberCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(NumberCheck, ReportsTheFirstBadBytePosition) {
    EXPECT_EQ(number_text::first_bad_position(GetParam().text), GetParam().bad_position)
        << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberCheck,
    testing::Values(CheckCase{"", 0}, CheckCase{".", 0}, CheckCase{"1.2.3", 0},
                    CheckCase{"0123456789", 0}, CheckCase{"...", 0}, CheckCase{"-5", 1},
                    CheckCase{"+5", 1}, CheckCase{"1e5", 2}, CheckCase{"3,5", 2},
                    CheckCase{" 7", 1}, CheckCase{"7 ", 2}, CheckCase{"12a4b", 3},
                    // Umlauts are two bytes in UTF-8; positions count bytes.
                    CheckCase{"\xc3\xa4", 1}, CheckCase{"1\xc3\xa4", 2},
                    CheckCase{"\xc3\xa4\xc3\xb6" "1x", 1}, CheckCase{"12\xc3\xa4", 3},
                    // A byte with the high bit set must not pass as a digit.
                    CheckCase{"5\xb5", 2}, CheckCase{"\t", 1}, CheckCase{"1\n", 2}));

TEST(NumberCheck, PositionMessageEndsWithALineBreak) {
    EXPECT_EQ(number_text::position_message(1), "Stelle 1: keine Zahl\n");
    EXPECT_EQ(number_text::position_message(12), "Stelle 12: keine Zahl\n");
}

struct RealCase {
    const char* text;
    double value;
};

TEST(Conversion, RealsReadTheLongestLeadingNumber) {
    const RealCase cases[] = {{"", 0.0},        {".", 0.0},         {"1.2.3", 1.2},
                              {"15.9", 15.9},   {"0.00028", 0.00028}, {"4748", 4748.0},
                              {"..5", 0.0},     {".5", 0.5},        {"007", 7.0}};
    for (const RealCase& c : cases) {
        EXPECT_EQ(number_text::to_real(c.text), c.value) << "text \"" << c.text << "\"";
    }
}

TEST(Conversion, DigitsBeyondTheRangeOfADoubleGiveInfinity) {
    EXPECT_EQ(number_text::to_real(std::string(400, '9').c_str()), INFINITY);
    EXPECT_EQ(number_text::to_real(("0." + std::string(400, '0') + "1").c_str()), 0.0);
}

TEST(Conversion, IntegersTruncateAndStayInRange) {
    EXPECT_EQ(number_text::to_int("2.7"), 2);
    EXPECT_EQ(number_text::to_int(""), 0);
    EXPECT_EQ(number_text::to_int(".5"), 0);
    EXPECT_EQ(number_text::to_int("17"), 17);
    EXPECT_EQ(number_text::to_int("99999999999999999999"), 2147483647);
}

// The point stays the decimal separator in a German locale, for reading and writing.
TEST(Conversion, PointInEveryLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
    }
    EXPECT_EQ(number_text::to_real("1.25"), 1.25);
    EXPECT_EQ(number_text::format("%7.5lf", 5.812064), "5.81206");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Formatting, AnyLengthIsKept) {
    const std::string huge = number_text::format("%10.6lf", 1e300);
    EXPECT_EQ(huge.size(), 301u + 7u);
    EXPECT_EQ(huge.substr(huge.size() - 7), ".000000");
    EXPECT_EQ(number_text::format("%10.6lf", -0.0), " -0.000000");
    EXPECT_EQ(number_text::format("%7.5lf", INFINITY), "    inf");
    EXPECT_EQ(number_text::format("%s", "100 %"), "100 %");
}

} // namespace
