#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/run_error.h"

using namespace calorix;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct Read_Case {
    std::string text;
    double value;
};

struct Format_Case {
    double value;
    const char* pattern;
    const char* text;
};

using Texts = std::vector<std::pair<double, const char*>>;

// The format cases, shared by the plain run and the comma-locale run.
const std::vector<Format_Case>& Format_Cases() {
    static const std::vector<Format_Case> cases = [] {
        // Optional decimals drop trailing zeros, a whole value keeps its
        // point and a rounded zero carries no sign; fixed decimals keep their
        // leading zeros.  Halves of the 15-digit decimal form go away from
        // zero, whether the binary value lies a little above or below the
        // half: 0.075 is 0.07499999999999999722 in binary, 0.125 an exact
        // half, 0.225 is 0.22500000000000000555.
        const Texts three_optional = {
            {0, "0."},         {2, "2."},          {0.5, "0.5"},      {0.05, "0.05"},
            {0.0126, "0.013"}, {0.12344, "0.123"}, {12, "12."},       {7.5, "7.5"},
            {0.3125, "0.313"}, {0.0005, "0.001"},  {0.0625, "0.063"},
        };
        const Texts two_optional = {
            {25, "25."},      {25.456, "25.46"}, {-3.14159, "-3.14"}, {12345.678, "12345.68"},
            {226.8, "226.8"}, {1.005, "1.01"},
        };
        const Texts two_fixed = {
            {5.3, "05.30"},   {-3.5, "-03.50"}, {0.004, "00.00"},   {0.075, "00.08"},
            {0.125, "00.13"}, {0.225, "00.23"}, {-0.125, "-00.13"}, {0.074999, "00.07"},
        };
        std::vector<Format_Case> all;
        const auto add = [&all](const char* pattern, const Texts& texts) {
            for (const auto& [value, text] : texts) {
                all.push_back({value, pattern, text});
            }
        };
        add("0.###", three_optional);
        add("###0.##", two_optional);
        add("###0.##", {{1e20, "100000000000000000000."}});
        add("##0.###", {{0.04, "0.04"}, {1.0005, "1.001"}});
        add("0.##", {{0.1, "0.1"}, {-0.001, "0."}, {99.999, "100."}, {2.675, "2.68"}});
        add("###0.00", {{226.8, "226.80"}, {0, "0.00"}, {-12.345678, "-12.35"}, {0.125, "0.13"}});
        add("00.00", two_fixed);
        return all;
    }();
    return cases;
}

}  // namespace

TEST(TextToNumber, ReadsTheLeadingNumber) {
    const std::string zeros(400, '0');
    // Blanks inside are skipped too, but a carriage return is not a blank: it
    // ends the number, as do a sign after the start, a second point and a
    // comma; an exponent needs a mantissa.
    std::vector<Read_Case> cases = {
        {" 0", 0.0},     {"1 0", 10.0},   {"1\t2", 12.0},     {"1\n2", 12.0},  {"1\r2", 1.0},
        {"\r5", 0.0},    {"12abc", 12.0}, {"abc", 0.0},       {"", 0.0},       {"2.5E1", 25.0},
        {"2.5e1", 25.0}, {"1D3", 1000.0}, {"\t-\n4.5", -4.5}, {"+7", 7.0},     {"5-3", 5.0},
        {"1.2.3", 1.2},  {"--5", 0.0},    {".", 0.0},         {".5", 0.5},     {"-.25", -0.25},
        {"5.", 5.0},     {"1E", 1.0},     {"1E+", 1.0},       {"3E-2x", 0.03}, {"E5", 0.0},
        {"7,5", 7.0},    {"1E400", Inf},  {"-1E400", -Inf},   {"1d400", Inf},  {"1E-400", 0.0},
        {"1d-400", 0.0},
    };
    // Beyond the range of a double the value decides, not the exponent's
    // sign: 1 and 400 zeros times 1e-390 is back inside the range, 1e-401
    // times 1e500 too; an exponent may lie beyond any integer.
    cases.insert(cases.end(), {
                                  {".000002344", 2.344e-6},
                                  {"-2.5D-999", 0.0},
                                  {"0." + zeros + "1", 0.0},
                                  {"-0." + zeros + "1", 0.0},
                                  {"1" + zeros, Inf},
                                  {"-1" + zeros, -Inf},
                                  {"1" + zeros + "e-10", Inf},
                                  {"1" + zeros + "e-390", 1e10},
                                  {"0." + zeros + "1e+500", 1e99},
                                  {"0." + zeros + "1e+300", 1e-101},
                                  {"1e99999999999999999999", Inf},
                                  {"1e-99999999999999999999", 0.0},
                                  {"0e99999999999999999999", 0.0},
                                  {"1.7976931348623157e308", 1.7976931348623157e308},
                                  {"1.79769313486232E+308", Inf},
                                  {"4.94065645841247E-324", 4.94065645841247e-324},
                              });
    for (const Read_Case& c : cases) {
        SCOPED_TRACE(c.text.size() > 40
                         ? c.text.substr(0, 3) + "..." + c.text.substr(c.text.size() - 8)
                         : c.text);
        EXPECT_EQ(Text_To_Number(c.text), c.value);
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round_Half_Even(2.5), 2.0);
    EXPECT_EQ(Round_Half_Even(3.5), 4.0);
    EXPECT_EQ(Round_Half_Even(-2.5), -2.0);
    EXPECT_EQ(Round_Half_Even(0.5), 0.0);
    EXPECT_EQ(Round_Half_Even(2.6), 3.0);
    EXPECT_EQ(To_Int16(4.5), 4);
    EXPECT_EQ(To_Int16(32767.4), 32767);
    EXPECT_EQ(To_Int16(-32768.0), -32768);
    EXPECT_THROW(To_Int16(32767.5), Run_Error);  // rounds to 32768
    EXPECT_THROW(To_Int16(1e9), Run_Error);
    EXPECT_THROW(To_Int16(std::nan("")), Run_Error);
    EXPECT_EQ(To_Int32(2147483647.0), 2147483647);
    EXPECT_THROW(To_Int32(2147483648.0), Run_Error);
}

TEST(GeneralText, FifteenDigitsPlainOrInExponentForm) {
    // 15 digits hide the binary noise of 0.1 + 0.2; 999999999999999.9 rounds
    // to 1E+15 at 15 digits.
    Texts cases = {
        {0, "0"},        {10, "10"},          {7.5, "7.5"},       {-226.8, "-226.8"},
        {0.1, "0.1"},    {300000, "300000"},  {0.001, "0.001"},   {-5e-7, "-5E-07"},
        {1e15, "1E+15"}, {2.5e20, "2.5E+20"}, {1e-100, "1E-100"},
    };
    cases.insert(cases.end(),
                 {
                     {0.000117 * 1000, "0.117"},
                     {0.1 + 0.2, "0.3"},
                     {1.1234e-4, "1.1234E-04"},
                     {2.344e-6, "2.344E-06"},
                     {1.0 / 3.0, "0.333333333333333"},
                     {2.0 / 3.0, "0.666666666666667"},
                     {123456789012345.0, "123456789012345"},
                     {999999999999999.9, "1E+15"},
                     {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
                     {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
                 });
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(General_Text(value), text) << text;
    }
}

TEST(PlainNumberText, LeadingBlankAndNoZeroBeforeThePoint) {
    const std::vector<std::pair<double, const char*>> cases = {
        {10, " 10"},    {0.5, " .5"},      {-0.25, "-.25"},
        {0, " 0"},      {-3, "-3"},        {1.1234e-4, " 1.1234E-04"},
        {0.75, " .75"}, {226.8, " 226.8"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(Plain_Number_Text(value), text) << text;
    }
}

TEST(FormatPattern, RoundsTheFifteenDigitFormHalvesAwayFromZero) {
    for (const Format_Case& c : Format_Cases()) {
        EXPECT_EQ(Format_Number(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(FormatPattern, TextsThatAreNotNumbersStayAsTheyAre) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"T(x,y)", "T(x,y)"}, {"", ""},         {"5.3", "05.30"},
        {" .5", "00.50"},     {"25.", "25.00"}, {"1E-05", "00.00"},
        {"12abc", "12abc"},   {"-", "-"},       {"0.075", "00.08"},
    };
    for (const auto& [text, formatted] : cases) {
        EXPECT_EQ(Format_Text(text, "00.00"), formatted) << text;
    }
}

// Students run comma-decimal desktops; the windows set the process locale from
// the environment.  test.sh generates de_DE.UTF-8, so its absence is a fault.
TEST(NumberTextUnderACommaLocale, EveryTextKeepsThePoint) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: run test.sh, which generates it";
    for (const Format_Case& c : Format_Cases()) {
        EXPECT_EQ(Format_Number(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
    EXPECT_EQ(General_Text(0.25), "0.25");
    EXPECT_EQ(General_Text(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(Plain_Number_Text(0.5), " .5");
    EXPECT_EQ(Text_To_Number("7.5"), 7.5);
    EXPECT_EQ(Text_To_Number("7,5"), 7.0);
    std::setlocale(LC_ALL, saved.c_str());
}
