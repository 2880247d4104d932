#include "sections/numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lirvo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H1F" / "&O17": an unsigned whole number in base 16 or 8, digits up to the first misfit.
// `taken` counts the digits read.
double readPrefixed(std::string_view digits, int base, size_t& taken) {
    double value = 0;
    for (taken = 0; taken < digits.size(); ++taken) {
        int d = digitValue(digits[taken]);
        if (d >= base) break;
        value = value * base + d;
    }
    return value;
}

// Decimal number in canonical form (blanks gone, exponent letter E): sign, mantissa digits,
// exponent. from_chars does not depend on the locale; it reports a magnitude beyond the
// double range without a value, so the side of the range is found from the decimal exponent.
// `taken` counts the characters read: none where the text does not begin with a number.
double readDecimal(std::string_view text, size_t& taken) {
    taken = 0;
    std::string canon;
    canon.reserve(text.size());
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long firstNonZero = -1;  // position of the first significant digit relative to the point
    long intDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        if (text[i] != '0' && firstNonZero < 0) firstNonZero = intDigits;
        canon += text[i++];
        ++intDigits;
    }
    long fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        canon += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            if (text[i] != '0' && firstNonZero < 0) firstNonZero = intDigits + fracDigits;
            canon += text[i++];
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return 0;  // no digit: not a number
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            std::string expText = "e";
            if (expNegative) expText += '-';
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                expText += text[j++];
            }
            if (expNegative) exponent = -exponent;
            canon += expText;
            i = j;
        }
    }
    taken = i;
    if (firstNonZero < 0) return negative ? -0.0 : 0.0;
    double value = 0;
    auto [end, ec] = std::from_chars(canon.data(), canon.data() + canon.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decimal position of the leading significant digit: positive means a huge value.
        long magnitude = intDigits - firstNonZero + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

}  // namespace

FieldReading readField(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) packed += c;
    const std::string_view s = packed;
    double value = 0;
    size_t taken = 0;
    const int base = s.size() < 2 || s[0] != '&'    ? 10
                     : (s[1] == 'H' || s[1] == 'h') ? 16
                     : (s[1] == 'O' || s[1] == 'o') ? 8
                                                    : 0;
    if (base == 10) {
        value = readDecimal(s, taken);
    } else if (base != 0) {
        value = readPrefixed(s.substr(2), base, taken);
        taken += 2;
    }
    return {value, std::any_of(s.begin() + taken, s.end(), isDigit)};
}

double readNumber(std::string_view text) {
    return readField(text).value;
}

std::string writeNumber(double value) {
    std::string out(1, std::signbit(value) && value != 0 ? '-' : ' ');
    if (value == 0) return " 0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]x
    char buf[40];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    const std::string_view s(buf, end - buf);
    const size_t ePos = s.find('e');
    std::string digits;
    for (char c : s.substr(0, ePos))
        if (isDigit(c)) digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const char* expStart = buf + ePos + 1 + (s[ePos + 1] == '+');
    std::from_chars(expStart, end, exponent);
    const int count = static_cast<int>(digits.size());

    if (exponent >= 0 && exponent <= 14) {
        // Plain form, whole part then any fraction.
        if (count <= exponent + 1) {
            out += digits;
            out.append(exponent + 1 - count, '0');
        } else {
            out += digits.substr(0, exponent + 1);
            out += '.';
            out += digits.substr(exponent + 1);
        }
    } else if (exponent < 0 && (-exponent - 1) + count <= 15) {
        // Plain form below 1: no zero before the point.
        out += '.';
        out.append(-exponent - 1, '0');
        out += digits;
    } else {
        out += digits[0];
        if (count > 1) {
            out += '.';
            out += digits.substr(1);
        }
        char expBuf[16];
        std::snprintf(expBuf, sizeof expBuf, "E%c%02d", exponent < 0 ? '-' : '+',
                      exponent < 0 ? -exponent : exponent);
        out += expBuf;
    }
    return out;
}

double integerPart(double value) {
    return std::floor(value);
}

double roundToHundredths(double value) {
    return std::floor(value * 100 + 0.5) / 100;
}

double cutToHundredths(double value) {
    return std::floor(value * 100) / 100;
}

double roundToWhole(double value) {
    return std::floor(value + 0.5);
}

double toSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX) {
        // Half an ulp above the largest single rounds up to infinity (ties go to the even
        // neighbour, and the largest single has an odd significand).
        const double halfwayToInfinity = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
        double magnitude = std::fabs(value) >= halfwayToInfinity
                               ? std::numeric_limits<double>::infinity()
                               : static_cast<double>(FLT_MAX);
        return std::copysign(magnitude, value);
    }
    return static_cast<double>(static_cast<float>(value));
}

}  // namespace lirvo
