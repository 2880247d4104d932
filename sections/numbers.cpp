#include "sections/numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

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

// Characters of a text being rebuilt, on the stack for any text a field holds: reading a
// number allocates nothing.
class TextBuffer {
  public:
    explicit TextBuffer(size_t capacity) {
        if (capacity > sizeof local_) {
            heap_.resize(capacity);
            data_ = heap_.data();
        }
    }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;
    void operator+=(char c) { data_[size_++] = c; }
    size_t size() const { return size_; }
    void resize(size_t size) { size_ = size; }
    const char* data() const { return data_; }
    std::string_view view() const { return {data_, size_}; }

  private:
    char local_[64];
    std::string heap_;
    char* data_ = local_;
    size_t size_ = 0;
};

// "&H1F" / "&O17": an unsigned whole number in base 16 or 8, digits up to the first misfit.
double readPrefixed(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        int d = digitValue(c);
        if (d >= base) break;
        value = value * base + d;
    }
    return value;
}

// Decimal number in canonical form (blanks gone, exponent letter E): sign, mantissa digits,
// exponent. from_chars does not depend on the locale; it reports a magnitude beyond the
// double range without a value, so the side of the range is found from the decimal exponent.
double readDecimal(std::string_view text) {
    TextBuffer canon(text.size() + 1);  // never longer: '+' and the exponent letter become 'e'
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
            canon += 'e';
            if (expNegative) canon += '-';
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                canon += text[j++];
            }
            if (expNegative) exponent = -exponent;
        }
    }
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

double readNumber(std::string_view text) {
    TextBuffer packed(text.size());
    for (char c : text)
        if (!isBlank(c)) packed += c;
    const std::string_view s = packed.view();
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return readPrefixed(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return readPrefixed(s.substr(2), 8);
        return 0;
    }
    return readDecimal(s);
}

std::string writeNumber(double value) {
    if (value == 0) return " 0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]x
    char buf[40];
    const char* const end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    const char* const e = std::find(static_cast<const char*>(buf), end, 'e');
    char digits[16];
    int count = 0;
    for (const char* c = buf; c != e; ++c)
        if (isDigit(*c)) digits[count++] = *c;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);

    char out[48];  // sign, 15 digits, point, up to 14 zeros or the exponent E-324
    size_t n = 0;
    auto put = [&](const char* text, size_t size) {
        std::memcpy(out + n, text, size);
        n += size;
    };
    auto zeros = [&](int size) {
        std::memset(out + n, '0', size);
        n += size;
    };
    out[n++] = std::signbit(value) ? '-' : ' ';
    if (exponent >= 0 && exponent <= 14) {
        // Plain form, whole part then any fraction.
        if (count <= exponent + 1) {
            put(digits, count);
            zeros(exponent + 1 - count);
        } else {
            put(digits, exponent + 1);
            out[n++] = '.';
            put(digits + exponent + 1, count - (exponent + 1));
        }
    } else if (exponent < 0 && (-exponent - 1) + count <= 15) {
        // Plain form below 1: no zero before the point.
        out[n++] = '.';
        zeros(-exponent - 1);
        put(digits, count);
    } else {
        out[n++] = digits[0];
        if (count > 1) {
            out[n++] = '.';
            put(digits + 1, count - 1);
        }
        out[n++] = 'E';
        out[n++] = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) out[n++] = '0';
        n = std::to_chars(out + n, out + sizeof out, magnitude).ptr - out;
    }
    return std::string(out, n);
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
