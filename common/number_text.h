#pragma once
// Rules that turn typed text into numbers and numbers into the texts shown in
// boxes, tables, reports and problem files.  The decimal separator is always
// the point, whatever the locale of the machine.
#include <cstdint>
#include <string>
#include <string_view>

namespace calorix {

// The leading number of a text: blanks, tabs and line feeds are skipped
// anywhere (a carriage return is not skipped: it ends the number); a sign, digits, one decimal
// point and an exponent (E or D, with an optional sign) are read up to the first character that
// cannot continue the number.  Empty or non-numeric text gives 0.  A value too large for a double
// gives an infinity of that sign, a value too small for one gives 0.
double Text_To_Number(std::string_view text);

// Nearest whole value, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double Round_Half_Even(double value);

// Round_Half_Even into a 16-bit or 32-bit integer; a value outside the range
// (or not a number) throws Run_Error.
std::int16_t To_Int16(double value);
std::int32_t To_Int32(double value);

// General text: up to 15 significant digits, no leading blank, a zero before
// the point of a magnitude below one, exponent form ("1.1234E-04", "1E+15")
// for magnitudes below 0.001 or from 1e15 on.
std::string General_Text(double value);

// The plain number-to-text rule of the display boxes: the general text with a
// blank in front of a value that is not negative and without the zero before
// the point of a magnitude below one (" 10", " .5", "-.25", " 1.1234E-04").
std::string Plain_Number_Text(double value);

// A numeric format pattern such as "0.###", "###0.##", "00.00" or "###0.00":
// the zeros before the point give the least number of integer digits, the
// places after it the most decimals (zeros always shown, '#' only when
// significant).  The value's 15-significant-digit decimal form is rounded to
// the decimals the pattern allows, a half away from zero (0.075 with "00.00"
// gives "00.08").  No locale is consulted: the separator is the point.  A
// pattern with a point keeps it even when no decimal digit remains ("25.").
std::string Format_Number(double value, std::string_view pattern);

// True when the whole text is one decimal number: an optional sign, digits
// with at most one point (at least one digit), and an optional exponent E
// (or D as well, when d_exponent) with an optional sign and at least one
// digit.  ".5", "-2.5E-03" and, with d_exponent, "1D3" qualify; "12abc",
// "1E" and "-" do not.
bool Is_Complete_Number(std::string_view text, bool d_exponent);

// Applies Format_Number to a text that reads as a number; any other text is
// returned unchanged.  A text "reads as a number" when it is a complete decimal
// number (E exponent only) after trimming blanks.
std::string Format_Text(std::string_view text, std::string_view pattern);

}  // namespace calorix
