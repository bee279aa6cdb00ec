// The buckling check against worked cases: the example member in all four cases, zero
// inputs running into infinities and NaNs, the boundary between the regimes, and results
// too large for a short text buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "buckling.h"
#include "number_text.h"

namespace {

using barvilo::BUCKLING_CASE_1;
using barvilo::BUCKLING_CASE_2;
using barvilo::BUCKLING_CASE_3;
using barvilo::BUCKLING_CASE_4;
using barvilo::VERDICT_EULER;
using barvilo::VERDICT_TETMAJER;

// The example member as the form is filled at start: a round steel bar of 10 mm diameter.
struct InputTexts {
    std::string force = "3500";         // F / N
    std::string length_l1 = "229";      // L1 / mm
    std::string area = "78.54";         // A / mm^2
    std::string area_moment = "490.87"; // I / mm^4
    std::string modulus = "206000";     // E / (N/mm^2), steel
    std::string yield_strength = "500"; // Re / (N/mm^2)
    std::string safety = "7";           // S / 1
};

// The member converted from entry texts, as the form reads them.
barvilo::Member member_of(const InputTexts& t) {
    const double values[barvilo::INPUT_COUNT] = {
        number_text::to_real(t.force.c_str()),   number_text::to_real(t.length_l1.c_str()),
        number_text::to_real(t.area.c_str()),    number_text::to_real(t.area_moment.c_str()),
        number_text::to_real(t.modulus.c_str()), number_text::to_real(t.yield_strength.c_str()),
        number_text::to_real(t.safety.c_str())};
    return barvilo::member_from_inputs(values);
}

// The seven results as the result entries show them, in display order.
std::vector<std::string> shown(const barvilo::BucklingResults& results) {
    std::vector<std::string> texts;
    for (double value : results.in_display_order()) {
        texts.push_back(barvilo::result_text(value));
    }
    return texts;
}

struct CaseRow {
    int buckling_case;
    std::vector<std::string> results;
    const char* verdict;
};

TEST(BarviloBuckling, ExampleMemberInEachCase) {
    const std::vector<CaseRow> rows = {
        {BUCKLING_CASE_1,
         {"458.00000", "2.49999", "183.20093", "63.76737", "44.56328", "8.65393", "679.67995"},
         VERDICT_EULER},
        {BUCKLING_CASE_2,
         {"229.00000", "2.49999", "91.60047", "63.76737", "44.56328", "34.61573", "2718.71980"},
         VERDICT_EULER},
        {BUCKLING_CASE_3,
         {"161.92745", "2.49999", "64.77131", "63.76737", "44.56328", "69.23147", "5437.43961"},
         VERDICT_EULER},
        {BUCKLING_CASE_4,
         {"114.50000", "2.49999", "45.80023", "63.76737", "44.56328", "138.46294", "10874.87921"},
         VERDICT_TETMAJER},
    };
    for (const CaseRow& row : rows) {
        SCOPED_TRACE(row.buckling_case);
        const barvilo::BucklingResults results =
            barvilo::check_buckling(member_of(InputTexts{}), row.buckling_case);
        EXPECT_EQ(shown(results), row.results);
        EXPECT_STREQ(barvilo::verdict_text(results.limit_slenderness, results.slenderness),
                     row.verdict);
    }
}

TEST(BarviloBuckling, CaseThreeFactorIsHalfTheRootOfTwo) {
    // A rounded factor (0.7, 0.707, 0.7071068) would change these digits.
    EXPECT_EQ(barvilo::result_text(barvilo::free_buckling_length(BUCKLING_CASE_3, 1000.0)),
              "707.10678");
    EXPECT_EQ(barvilo::result_text(barvilo::free_buckling_length(BUCKLING_CASE_3, 1e9)),
              "707106781.18655");
}

TEST(BarviloBuckling, CodeThatIsNoCaseGivesNoLength) {
    EXPECT_TRUE(std::isnan(barvilo::free_buckling_length(0, 229.0)));
    EXPECT_TRUE(std::isnan(barvilo::free_buckling_length(884, 229.0)));
}

// Stands for a NaN in a table of shown results. Its sign is the processor's choice (x86
// sets it for inf * 0), and printf shows the sign, so either text is right.
const std::string NOT_A_NUMBER = "nan";

void expect_shown(const std::vector<std::string>& actual,
                  const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t k = 0; k < actual.size(); ++k) {
        SCOPED_TRACE(k);
        if (expected[k] == NOT_A_NUMBER) {
            EXPECT_TRUE(actual[k] == "    nan" || actual[k] == "   -nan") << actual[k];
        } else {
            EXPECT_EQ(actual[k], expected[k]);
        }
    }
}

TEST(BarviloBuckling, ZeroInputsRunIntoInfinitiesAndNans) {
    struct ZeroRow {
        const char* name;
        std::string InputTexts::*field;
        std::vector<std::string> results;
        const char* verdict;
    };
    const std::vector<ZeroRow> rows = {
        {"A = 0",
         &InputTexts::area,
         {"458.00000", "    inf", "0.00000", "63.76737", "    inf", "    inf", NOT_A_NUMBER},
         VERDICT_TETMAJER},
        {"I = 0",
         &InputTexts::area_moment,
         {"458.00000", "0.00000", "    inf", "63.76737", "44.56328", "0.00000", "0.00000"},
         VERDICT_EULER},
        {"L1 = 0",
         &InputTexts::length_l1,
         {"0.00000", "2.49999", "0.00000", "63.76737", "44.56328", "    inf", "    inf"},
         VERDICT_TETMAJER},
        {"Re = 0",
         &InputTexts::yield_strength,
         {"458.00000", "2.49999", "183.20093", "    inf", "44.56328", "8.65393", "679.67995"},
         VERDICT_TETMAJER},
        {"S = 0",
         &InputTexts::safety,
         {"458.00000", "2.49999", "183.20093", "63.76737", "44.56328", "    inf", "    inf"},
         VERDICT_EULER},
    };
    for (const ZeroRow& row : rows) {
        SCOPED_TRACE(row.name);
        InputTexts texts;
        texts.*row.field = "0";
        const barvilo::BucklingResults results =
            barvilo::check_buckling(member_of(texts), BUCKLING_CASE_1);
        expect_shown(shown(results), row.results);
        EXPECT_STREQ(barvilo::verdict_text(results.limit_slenderness, results.slenderness),
                     row.verdict);
    }
}

TEST(BarviloBuckling, EmptyFieldReadsAsZero) {
    InputTexts empty_area;
    empty_area.area = "";
    InputTexts zero_area;
    zero_area.area = "0";
    EXPECT_EQ(shown(barvilo::check_buckling(member_of(empty_area), BUCKLING_CASE_2)),
              shown(barvilo::check_buckling(member_of(zero_area), BUCKLING_CASE_2)));
}

TEST(BarviloVerdict, EqualSlendernessIsEulerAndOneStepBelowIsTetmajer) {
    // Case 2 with I = A (radius of gyration 1) and E = Re: the slenderness is L1 and the
    // limit slenderness is BUCKLING_PI itself. L1 typed as "3.14159265" meets it exactly.
    const double pi_typed = number_text::to_real("3.14159265");
    struct Row {
        double length_l1;
        const char* verdict;
    };
    const std::vector<Row> rows = {
        {pi_typed, VERDICT_EULER},
        {std::nextafter(pi_typed, 0.0), VERDICT_TETMAJER},
        {std::nextafter(pi_typed, 4.0), VERDICT_EULER},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.length_l1);
        const barvilo::Member member{3500.0, row.length_l1, 78.54, 78.54, 500.0, 500.0, 7.0};
        const barvilo::BucklingResults results = barvilo::check_buckling(member, BUCKLING_CASE_2);
        EXPECT_STREQ(barvilo::verdict_text(results.limit_slenderness, results.slenderness),
                     row.verdict);
    }
    EXPECT_EQ(pi_typed, barvilo::BUCKLING_PI);
}

TEST(BarviloVerdict, NanOnEitherSideIsEuler) {
    // A = I = 0 makes the slenderness NaN; E = Re = 0 makes the limit slenderness NaN.
    InputTexts no_section;
    no_section.area = "0";
    no_section.area_moment = "0";
    InputTexts no_material;
    no_material.modulus = "0";
    no_material.yield_strength = "0";
    for (const InputTexts& texts : {no_section, no_material}) {
        const barvilo::BucklingResults results =
            barvilo::check_buckling(member_of(texts), BUCKLING_CASE_4);
        EXPECT_TRUE(std::isnan(results.slenderness) || std::isnan(results.limit_slenderness));
        EXPECT_STREQ(barvilo::verdict_text(results.limit_slenderness, results.slenderness),
                     VERDICT_EULER);
    }
}

TEST(BarviloResultText, LargestDoubleIsShownInFull) {
    // The largest double, typed as its exact 309 digits: the force per unit area comes back
    // digit for digit, not cut at any buffer size.
    const std::string digits =
        "17976931348623157081452742373170435679807056752584499659891747680315726078002853876058"
        "95586327668781715404589535143824642343213268894641827684675467035375169860499105765512"
        "82076245490090389328944075868508455133942304583236903222948165808559332123348274797826"
        "204144723168738177180919299881250404026184124858368";
    ASSERT_EQ(digits.size(), 309u);
    InputTexts texts;
    texts.force = digits;
    texts.area = "1";
    const barvilo::BucklingResults results =
        barvilo::check_buckling(member_of(texts), BUCKLING_CASE_1);
    EXPECT_EQ(barvilo::result_text(results.compressive_stress), digits + ".00000");
}

} // namespace
