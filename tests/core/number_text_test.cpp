#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "common/run_error.h"

using namespace calorix;

TEST(TextToNumber, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
    EXPECT_EQ(Text_To_Number(" 0"), 0.0);
    EXPECT_EQ(Text_To_Number("1 0"), 10.0);  // blanks inside are skipped too
    EXPECT_EQ(Text_To_Number("12abc"), 12.0);
    EXPECT_EQ(Text_To_Number("abc"), 0.0);
    EXPECT_EQ(Text_To_Number(""), 0.0);
    EXPECT_EQ(Text_To_Number("2.5E1"), 25.0);
    EXPECT_EQ(Text_To_Number("2.5e1"), 25.0);
    EXPECT_EQ(Text_To_Number("1D3"), 1000.0);
    EXPECT_EQ(Text_To_Number("\t-\n4.5"), -4.5);
    EXPECT_EQ(Text_To_Number("+7"), 7.0);
    EXPECT_EQ(Text_To_Number("5-3"), 5.0);    // a sign cannot continue a number
    EXPECT_EQ(Text_To_Number("1.2.3"), 1.2);  // only one decimal point
    EXPECT_EQ(Text_To_Number("--5"), 0.0);
    EXPECT_EQ(Text_To_Number("."), 0.0);
}

TEST(TextToNumber, PointWithoutLeadingZeroAndIncompleteExponents) {
    EXPECT_DOUBLE_EQ(Text_To_Number(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Text_To_Number("-.25"), -0.25);
    EXPECT_DOUBLE_EQ(Text_To_Number("5."), 5.0);
    EXPECT_DOUBLE_EQ(Text_To_Number(".000002344"), 2.344e-6);
    EXPECT_DOUBLE_EQ(Text_To_Number("1E"), 1.0);
    EXPECT_DOUBLE_EQ(Text_To_Number("1E+"), 1.0);
    EXPECT_DOUBLE_EQ(Text_To_Number("3E-2x"), 0.03);
    EXPECT_EQ(Text_To_Number("E5"), 0.0);  // an exponent needs a mantissa
}

TEST(TextToNumber, HugeAndTinyMagnitudes) {
    EXPECT_EQ(Text_To_Number("1E400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Text_To_Number("-1E400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Text_To_Number("1E-400"), 0.0);
    // The D exponent and a lower-case letter behave the same way.
    EXPECT_EQ(Text_To_Number("1d-400"), 0.0);
    EXPECT_EQ(Text_To_Number("-2.5D-999"), 0.0);
    EXPECT_EQ(Text_To_Number("1d400"), std::numeric_limits<double>::infinity());
}

TEST(TextToNumber, PointIsTheSeparatorWhateverTheLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        EXPECT_DOUBLE_EQ(Text_To_Number("7.5"), 7.5);
        EXPECT_EQ(Format_Number(7.5, "0.###"), "7.5");
        EXPECT_EQ(General_Text(0.25), "0.25");
    }
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_DOUBLE_EQ(Text_To_Number("7,5"), 7.0);  // a comma ends the number
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

TEST(GeneralText, PlainDecimalsUpToFifteenDigits) {
    EXPECT_EQ(General_Text(0), "0");
    EXPECT_EQ(General_Text(10), "10");
    EXPECT_EQ(General_Text(7.5), "7.5");
    EXPECT_EQ(General_Text(-226.8), "-226.8");
    EXPECT_EQ(General_Text(0.1), "0.1");
    EXPECT_EQ(General_Text(0.000117 * 1000), "0.117");
    EXPECT_EQ(General_Text(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(General_Text(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(General_Text(0.1 + 0.2), "0.3");  // 15 digits hide the binary noise
    EXPECT_EQ(General_Text(123456789012345.0), "123456789012345");
    EXPECT_EQ(General_Text(300000), "300000");
    EXPECT_EQ(General_Text(0.001), "0.001");
}

TEST(GeneralText, ExponentFormForVerySmallAndVeryLarge) {
    EXPECT_EQ(General_Text(1.1234e-4), "1.1234E-04");
    EXPECT_EQ(General_Text(2.344e-6), "2.344E-06");
    EXPECT_EQ(General_Text(-5e-7), "-5E-07");
    EXPECT_EQ(General_Text(1e15), "1E+15");
    EXPECT_EQ(General_Text(2.5e20), "2.5E+20");
    EXPECT_EQ(General_Text(1e-100), "1E-100");
    // 999999999999999.9 rounds to 1E+15 at 15 digits.
    EXPECT_EQ(General_Text(999999999999999.9), "1E+15");
}

TEST(PlainNumberText, LeadingBlankAndNoZeroBeforeThePoint) {
    EXPECT_EQ(Plain_Number_Text(10), " 10");
    EXPECT_EQ(Plain_Number_Text(0.5), " .5");
    EXPECT_EQ(Plain_Number_Text(-0.25), "-.25");
    EXPECT_EQ(Plain_Number_Text(0), " 0");
    EXPECT_EQ(Plain_Number_Text(-3), "-3");
    EXPECT_EQ(Plain_Number_Text(386), " 386");
    EXPECT_EQ(Plain_Number_Text(1.1234e-4), " 1.1234E-04");
    EXPECT_EQ(Plain_Number_Text(0.75), " .75");
    EXPECT_EQ(Plain_Number_Text(226.8), " 226.8");
}

TEST(FormatPattern, OptionalDecimalsKeepThePointOfWholeValues) {
    EXPECT_EQ(Format_Number(0, "0.###"), "0.");
    EXPECT_EQ(Format_Number(2, "0.###"), "2.");
    EXPECT_EQ(Format_Number(0.5, "0.###"), "0.5");
    EXPECT_EQ(Format_Number(0.05, "0.###"), "0.05");
    EXPECT_EQ(Format_Number(0.15, "0.###"), "0.15");
    EXPECT_EQ(Format_Number(0.0126, "0.###"), "0.013");
    EXPECT_EQ(Format_Number(0.12344, "0.###"), "0.123");  // a fourth decimal is rounded away
    EXPECT_EQ(Format_Number(12, "0.###"), "12.");
    EXPECT_EQ(Format_Number(25, "###0.##"), "25.");
    EXPECT_EQ(Format_Number(25.456, "###0.##"), "25.46");
    EXPECT_EQ(Format_Number(62.456, "###0.##"), "62.46");
    EXPECT_EQ(Format_Number(-3.14159, "###0.##"), "-3.14");
    EXPECT_EQ(Format_Number(0.333, "###0.##"), "0.33");
    EXPECT_EQ(Format_Number(12345.678, "###0.##"), "12345.68");
    EXPECT_EQ(Format_Number(0.04, "##0.###"), "0.04");
    EXPECT_EQ(Format_Number(0.25, "0.##"), "0.25");
    EXPECT_EQ(Format_Number(0.1, "0.##"), "0.1");
}

TEST(FormatPattern, FixedDecimalsAndLeadingZeros) {
    EXPECT_EQ(Format_Number(226.8, "###0.00"), "226.80");
    EXPECT_EQ(Format_Number(0, "###0.00"), "0.00");
    EXPECT_EQ(Format_Number(-12.345678, "###0.00"), "-12.35");
    EXPECT_EQ(Format_Number(5.3, "00.00"), "05.30");
    EXPECT_EQ(Format_Number(226.8, "00.00"), "226.80");
    EXPECT_EQ(Format_Number(-3.5, "00.00"), "-03.50");
    EXPECT_EQ(Format_Number(0.004, "00.00"), "00.00");
    EXPECT_EQ(Format_Number(-0.001, "0.##"), "0.");  // a rounded zero carries no sign
    EXPECT_EQ(Format_Number(99.999, "0.##"), "100.");
}

TEST(FormatPattern, TextsThatAreNotNumbersStayAsTheyAre) {
    EXPECT_EQ(Format_Text("T(x,y)", "00.00"), "T(x,y)");
    EXPECT_EQ(Format_Text("", "00.00"), "");
    EXPECT_EQ(Format_Text("5.3", "00.00"), "05.30");
    EXPECT_EQ(Format_Text(" .5", "00.00"), "00.50");
    EXPECT_EQ(Format_Text("25.", "00.00"), "25.00");
    EXPECT_EQ(Format_Text("1E-05", "00.00"), "00.00");
    EXPECT_EQ(Format_Text("12abc", "00.00"), "12abc");
    EXPECT_EQ(Format_Text("-", "00.00"), "-");
}
