#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "common/run_error.h"

namespace calorix {

namespace {

bool Is_Blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
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
        // Either overflow or underflow; decide by the size of the exponent.
        const auto e = s.find('e');
        const bool tiny = e != std::string::npos && s.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc() || ptr == first) {
        return 0.0;
    }
    return negative ? -value : value;
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
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string s(buf);
    const auto epos = s.find('e');
    const int exponent = std::stoi(s.substr(epos + 1));
    std::string mantissa = s.substr(0, epos);
    const bool negative = mantissa.front() == '-';
    if (negative) {
        mantissa.erase(0, 1);
    }
    // mantissa is d.dddddddddddddd: collect the significant digits.
    std::string digits;
    for (char c : mantissa) {
        if (Is_Digit(c)) {
            digits.push_back(c);
        }
    }
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
        char ebuf[16];
        std::snprintf(ebuf, sizeof ebuf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += ebuf;
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

std::string Format_Number(double value, std::string_view pattern) {
    const auto point = pattern.find('.');
    const std::string_view int_part = pattern.substr(0, point);
    const std::string_view dec_part =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    int min_int = 0;
    for (char c : int_part) {
        min_int += c == '0';
    }
    int min_dec = 0;
    int max_dec = 0;
    for (char c : dec_part) {
        if (c == '0') {
            ++min_dec;
            ++max_dec;
        } else if (c == '#') {
            ++max_dec;
        }
    }
    if (!std::isfinite(value)) {
        return General_Text(value);
    }
    // printf rounds the exact binary value to nearest, ties to even.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", max_dec, std::fabs(value));
    std::string digits(buf);
    std::string whole = digits;
    std::string frac;
    if (const auto p = digits.find('.'); p != std::string::npos) {
        whole = digits.substr(0, p);
        frac = digits.substr(p + 1);
    }
    while (static_cast<int>(frac.size()) > min_dec && frac.back() == '0') {
        frac.pop_back();
    }
    // Leading zeros of the integer part only as far as the pattern asks.
    while (whole.size() > 1 && whole.front() == '0' && static_cast<int>(whole.size()) > min_int) {
        whole.erase(0, 1);
    }
    if (whole == "0" && min_int == 0) {
        whole.clear();
    }
    while (static_cast<int>(whole.size()) < min_int) {
        whole.insert(0, "0");
    }
    const bool all_zero = whole.find_first_not_of('0') == std::string::npos &&
                          frac.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !all_zero) ? "-" : "";
    out += whole;
    if (point != std::string_view::npos) {
        out += '.';
        out += frac;
    }
    return out;
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
    // A complete decimal number: optional sign, digits with at most one point
    // (at least one digit), optional exponent.
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
    if (digit && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            ++j;
        }
        const std::size_t first_exp_digit = j;
        while (j < t.size() && Is_Digit(t[j])) {
            ++j;
        }
        if (j > first_exp_digit) {
            i = j;
        }
    }
    if (!digit || i != t.size()) {
        return std::string(text);
    }
    return Format_Number(Text_To_Number(t), pattern);
}

}  // namespace calorix
