#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "common/run_error.h"

namespace calorix {

namespace {

// Only blanks, tabs and line feeds are skipped; a carriage return ends a number.
bool Is_Blank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal exponent of the leading significant digit of a canonical number
// text (sign, digits, point, 'e', exponent), the exponent saturating far
// outside the double range.  Used only when the value does not fit a double,
// to tell a value that is too large from one that is too small: the size of
// the value decides, not the sign of its exponent ("1" + 400 zeros + "e-10"
// is 1E390).
long long Decimal_Magnitude(const std::string& s) {
    constexpr long long Cap = 1'000'000'000;
    long long int_digits = 0;
    long long first_significant = -1;  // index among all mantissa digits
    long long index = 0;
    bool after_point = false;
    std::size_t i = 0;
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] == '.') {
            after_point = true;
        } else if (Is_Digit(s[i])) {
            if (first_significant < 0 && s[i] != '0') {
                first_significant = index;
            }
            ++index;
            int_digits += after_point ? 0 : 1;
        }
    }
    long long exponent = 0;
    bool negative = false;
    for (++i; i < s.size(); ++i) {
        if (s[i] == '-') {
            negative = true;
        } else if (Is_Digit(s[i]) && exponent < Cap) {
            exponent = exponent * 10 + (s[i] - '0');
        }
    }
    return int_digits - 1 - first_significant + (negative ? -exponent : exponent);
}

// Parses a canonical number text (sign, digits, point, 'e', exponent sign and
// digits, nothing else) without touching the locale.
double Parse_Canonical(const std::string& s) {
    if (s.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const char* first = s.data();
    const char* last = s.data() + s.size();
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        value = Decimal_Magnitude(s) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr == first) {
        return 0.0;
    }
    return negative ? -value : value;
}

// The 15 significant digits of a finite, non-zero magnitude, rounded to
// nearest from the exact binary value, and the decimal exponent of the first
// of them: value = d.dddddddddddddd x 10^exponent.  std::to_chars is used
// because it never looks at the locale.
struct Fifteen_Digits {
    std::string digits;
    int exponent = 0;
};

Fifteen_Digits Significant_Digits(double magnitude) {
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    const std::string_view s(buf, ec == std::errc() ? static_cast<std::size_t>(end - buf) : 0);
    Fifteen_Digits d;
    const auto e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (Is_Digit(c)) {
            d.digits.push_back(c);
        }
    }
    const std::string_view exp = s.substr(e + 1);
    const bool negative = exp.front() == '-';
    std::from_chars(exp.data() + 1, exp.data() + exp.size(), d.exponent);
    if (negative) {
        d.exponent = -d.exponent;
    }
    return d;
}

}  // namespace

double Text_To_Number(std::string_view text) {
    // Collect the characters that form the leading number, skipping blanks.
    std::string number;
    number.reserve(text.size());
    bool seen_digit = false;
    bool seen_point = false;
    bool in_exponent = false;
    bool exponent_digit = false;
    bool exponent_sign_allowed = false;
    std::size_t mantissa_end = 0;
    for (char c : text) {
        if (Is_Blank(c)) {
            continue;
        }
        if (!in_exponent) {
            if ((c == '+' || c == '-') && number.empty()) {
                number.push_back(c);
            } else if (Is_Digit(c)) {
                number.push_back(c);
                seen_digit = true;
            } else if (c == '.' && !seen_point) {
                number.push_back(c);
                seen_point = true;
            } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && seen_digit) {
                mantissa_end = number.size();
                number.push_back('e');
                in_exponent = true;
                exponent_sign_allowed = true;
            } else {
                break;
            }
        } else {
            if ((c == '+' || c == '-') && exponent_sign_allowed) {
                number.push_back(c);
                exponent_sign_allowed = false;
            } else if (Is_Digit(c)) {
                number.push_back(c);
                exponent_digit = true;
                exponent_sign_allowed = false;
            } else {
                break;
            }
        }
    }
    if (!seen_digit) {
        return 0.0;
    }
    if (in_exponent && !exponent_digit) {
        number.resize(mantissa_end);  // "1E" or "1E+" reads as 1
    }
    if (number.back() == '.') {
        number.push_back('0');
    }
    if (number.front() == '.' || ((number.front() == '+' || number.front() == '-') &&
                                  number.size() > 1 && number[1] == '.')) {
        number.insert(number.front() == '.' ? 0 : 1, "0");
    }
    return Parse_Canonical(number);
}

double Round_Half_Even(double value) {
    // nearbyint rounds in the current mode, which is round-to-nearest-even.
    return std::nearbyint(value);
}

std::int16_t To_Int16(double value) {
    const double r = Round_Half_Even(value);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        throw Run_Error("value out of the 16-bit range");
    }
    return static_cast<std::int16_t>(r);
}

std::int32_t To_Int32(double value) {
    const double r = Round_Half_Even(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        throw Run_Error("value out of the 32-bit range");
    }
    return static_cast<std::int32_t>(r);
}

std::string General_Text(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }
    if (value == 0.0) {
        return "0";
    }
    // Round to 15 significant digits first; the decimal exponent of the
    // rounded value decides between plain and exponent form.
    const bool negative = value < 0;
    Fifteen_Digits d = Significant_Digits(std::fabs(value));
    std::string& digits = d.digits;
    const int exponent = d.exponent;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string out = negative ? "-" : "";
    if (exponent < -3 || exponent >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int e = std::abs(exponent);
        if (e < 10) {
            out += '0';
        }
        out += std::to_string(e);
        return out;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto int_digits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= int_digits) {
        out += digits;
        out.append(int_digits - digits.size(), '0');
    } else {
        out += digits.substr(0, int_digits);
        out += '.';
        out += digits.substr(int_digits);
    }
    return out;
}

std::string Plain_Number_Text(double value) {
    std::string text = General_Text(value);
    const bool negative = !text.empty() && text.front() == '-';
    std::string body = negative ? text.substr(1) : text;
    if (body.size() > 2 && body[0] == '0' && body[1] == '.') {
        body.erase(0, 1);
    }
    return (negative ? "-" : " ") + body;
}

namespace {

// What a format pattern asks for: digits always shown ('0') before and after
// the point, digits shown when significant ('#') after it.
struct Pattern_Shape {
    bool has_point = false;
    int min_int = 0;
    int min_dec = 0;
    int max_dec = 0;
};

Pattern_Shape Read_Pattern(std::string_view pattern) {
    Pattern_Shape shape;
    const auto point = pattern.find('.');
    shape.has_point = point != std::string_view::npos;
    for (char c : pattern.substr(0, point)) {
        shape.min_int += c == '0';
    }
    if (shape.has_point) {
        for (char c : pattern.substr(point + 1)) {
            shape.min_dec += c == '0';
            shape.max_dec += c == '0' || c == '#';
        }
    }
    return shape;
}

// |value| as a decimal of 15 significant digits, split at the point.
struct Decimal_Parts {
    std::string whole = "0";
    std::string frac;
};

Decimal_Parts Split_At_Point(double value) {
    Decimal_Parts parts;
    if (value == 0.0) {
        return parts;
    }
    const Fifteen_Digits d = Significant_Digits(std::fabs(value));
    if (d.exponent >= 0) {
        std::string digits = d.digits;
        if (static_cast<int>(digits.size()) <= d.exponent) {
            digits.append(static_cast<std::size_t>(d.exponent) + 1 - digits.size(), '0');
        }
        parts.whole = digits.substr(0, static_cast<std::size_t>(d.exponent) + 1);
        parts.frac = digits.substr(static_cast<std::size_t>(d.exponent) + 1);
    } else {
        parts.frac = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    return parts;
}

// Rounds the decimal to max_dec places, a half away from zero (0.075 -> 0.08
// although its binary value lies just below 0.075).
void Round_To_Places(Decimal_Parts& d, int max_dec) {
    if (static_cast<int>(d.frac.size()) <= max_dec) {
        return;
    }
    const bool up = d.frac[static_cast<std::size_t>(max_dec)] >= '5';
    d.frac.resize(static_cast<std::size_t>(max_dec));
    for (std::size_t k = d.frac.size(); up; --k) {
        if (k == 0) {
            // The carry runs on into the whole part.
            std::size_t w = d.whole.size();
            while (w > 0 && d.whole[w - 1] == '9') {
                d.whole[--w] = '0';
            }
            if (w == 0) {
                d.whole.insert(0, "1");
            } else {
                ++d.whole[w - 1];
            }
            break;
        }
        if (d.frac[k - 1] == '9') {
            d.frac[k - 1] = '0';
        } else {
            ++d.frac[k - 1];
            break;
        }
    }
}

}  // namespace

std::string Format_Number(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return General_Text(value);
    }
    const Pattern_Shape shape = Read_Pattern(pattern);
    Decimal_Parts d = Split_At_Point(value);
    Round_To_Places(d, shape.max_dec);
    std::string& whole = d.whole;
    std::string& frac = d.frac;
    while (static_cast<int>(frac.size()) > shape.min_dec && frac.back() == '0') {
        frac.pop_back();
    }
    frac.append(
        static_cast<std::size_t>(std::max(0, shape.min_dec - static_cast<int>(frac.size()))), '0');
    // Leading zeros of the integer part only as far as the pattern asks.
    while (whole.size() > 1 && whole.front() == '0' &&
           static_cast<int>(whole.size()) > shape.min_int) {
        whole.erase(0, 1);
    }
    if (whole == "0" && shape.min_int == 0) {
        whole.clear();
    }
    while (static_cast<int>(whole.size()) < shape.min_int) {
        whole.insert(0, "0");
    }
    const bool all_zero = whole.find_first_not_of('0') == std::string::npos &&
                          frac.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !all_zero) ? "-" : "";
    out += whole;
    if (shape.has_point) {
        out += '.';
        out += frac;
    }
    return out;
}

bool Is_Complete_Number(std::string_view t, bool d_exponent) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        ++i;
    }
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (Is_Digit(t[i])) {
            digit = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) {
        return false;
    }
    if (i < t.size() &&
        (t[i] == 'e' || t[i] == 'E' || (d_exponent && (t[i] == 'd' || t[i] == 'D')))) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        const std::size_t first = i;
        while (i < t.size() && Is_Digit(t[i])) {
            ++i;
        }
        if (i == first) {
            return false;
        }
    }
    return i == t.size();
}

std::string Format_Text(std::string_view text, std::string_view pattern) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && Is_Blank(text[b])) {
        ++b;
    }
    while (e > b && Is_Blank(text[e - 1])) {
        --e;
    }
    const std::string_view t = text.substr(b, e - b);
    if (!Is_Complete_Number(t, false)) {
        return std::string(text);
    }
    return Format_Number(Text_To_Number(t), pattern);
}

}  // namespace calorix
