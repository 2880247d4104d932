#include "sections/numbers.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "sections/characters.h"

namespace lirvo {
namespace {

// Characters of a text being rebuilt, on the stack for any text a field holds: reading a
// number allocates nothing.
class TextBuffer {
  public:
    explicit TextBuffer(size_t capacity) {
        if (capacity > sizeof local_) {
            heap_ = std::make_unique<char[]>(capacity);
            data_ = heap_.get();
        }
    }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;
    void operator+=(char c) { data_[size_++] = c; }
    std::string_view view() const { return {data_, size_}; }

  private:
    char local_[64];
    std::unique_ptr<char[]> heap_;
    char* data_ = local_;
    size_t size_ = 0;
};

// "&H1F" / "&O17": an unsigned whole number in base 16 or 8, digits up to the first misfit.
// `taken` counts the digits read.
double readPrefixed(std::string_view digits, int base, size_t& taken) {
    double value = 0;
    for (taken = 0; taken < digits.size(); ++taken) {
        const int d = hexDigitValue(digits[taken]);
        if (d < 0 || d >= base) break;
        value = value * base + d;
    }
    return value;
}

// Decimal number (blanks gone): sign, mantissa digits, exponent (E or D). from_chars does
// not depend on the locale; it reports a magnitude beyond the double range without a value,
// so the side of the range is found from the decimal exponent. `taken` counts the characters
// read: none where the text does not begin with a number.
double readDecimal(std::string_view text, size_t& taken) {
    taken = 0;
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t start = i;  // of the text from_chars reads
    long firstNonZero = -1;  // position of the first significant digit relative to the point
    // The significant digits as a whole number, while there are at most 15 of them.
    std::uint64_t mantissa = 0;
    int significant = 0;
    auto digit = [&](char c) {
        if (firstNonZero >= 0 && ++significant <= 15) mantissa = mantissa * 10 + (c - '0');
    };
    long intDigits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        if (text[i] != '0' && firstNonZero < 0) firstNonZero = intDigits;
        digit(text[i]);
        ++i;
        ++intDigits;
    }
    long fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i])) {
            if (text[i] != '0' && firstNonZero < 0) firstNonZero = intDigits + fracDigits;
            digit(text[i]);
            ++i;
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return 0;  // no digit: not a number
    long exponent = 0;
    size_t letter = std::string_view::npos;  // of an exponent that has digits
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
        if (j < text.size() && isAsciiDigit(text[j])) {
            letter = i;
            while (j < text.size() && isAsciiDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative) exponent = -exponent;
            i = j;
        }
    }
    taken = i;
    if (firstNonZero < 0) return negative ? -0.0 : 0.0;
    // Up to 15 digits times 10^-22 to 10^22: both factors are exact doubles, so the one
    // rounded product or quotient is the double nearest the decimal, as from_chars finds it.
    static constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const long scale = exponent - fracDigits;
    if (significant <= 15 && scale >= -22 && scale <= 22) {
        const auto m = static_cast<double>(mantissa);
        const double value =
            scale < 0 ? m / kExactPowersOfTen[-scale] : m * kExactPowersOfTen[scale];
        return negative ? -value : value;
    }
    // The mantissa and exponent as from_chars reads them: a D exponent written as e.
    std::string_view number = text.substr(start, i - start);
    TextBuffer withE(letter != std::string_view::npos ? number.size() : 0);
    if (letter != std::string_view::npos && (text[letter] == 'D' || text[letter] == 'd')) {
        for (char c : number)
            withE += c == 'D' || c == 'd' ? 'e' : c;
        number = withE.view();
    }
    double value = 0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
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
    return readField(text).value;
}

namespace {

// Whether each run of blanks between two digits of `text` separates thousands in the whole
// part of the number that `packed` (the text without its blanks) begins with.
bool blanksSeparateThousands(std::string_view text, std::string_view packed) {
    const size_t start = !packed.empty() && (packed[0] == '+' || packed[0] == '-') ? 1 : 0;
    size_t end = start;  // of the whole part's digits
    while (end < packed.size() && isAsciiDigit(packed[end]))
        ++end;
    size_t separators = 0, k = 0;  // k: characters of packed passed
    bool afterBlank = false;
    for (char c : text) {
        if (isFieldBlank(c)) {
            afterBlank = k > 0;
            continue;
        }
        if (afterBlank && isAsciiDigit(c) && isAsciiDigit(packed[k - 1])) {
            if (k <= start || k >= end || (end - k) % 3 != 0) return false;
            ++separators;
        }
        afterBlank = false;
        ++k;
    }
    // Distinct places three digits apart from the end: all of them, or none.
    return separators == 0 || separators == (end - start - 1) / 3;
}

}  // namespace

FieldReading readField(std::string_view text) {
    const bool blanks =
        std::any_of(text.begin(), text.end(), [](char c) { return isFieldBlank(c); });
    TextBuffer packed(blanks ? text.size() : 0);
    bool blankInNumber = false;
    if (blanks) {
        for (char c : text)
            if (!isFieldBlank(c)) packed += c;
        blankInNumber = !blanksSeparateThousands(text, packed.view());
        text = packed.view();
    }
    const std::string_view s = text;
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
    const bool number = base == 10 ? taken > 0 : taken > 2;
    return {value, std::any_of(s.begin() + taken, s.end(), isAsciiDigit), blankInNumber,
            number && taken == s.size() && !blankInNumber};
}

std::optional<ThousandsOrDecimal> thousandsPointReadings(std::string_view text) {
    if (text.find('.') == std::string_view::npos) return std::nullopt;  // most texts
    std::string packed;
    for (char c : text)
        if (!isFieldBlank(c)) packed += c;
    const size_t start = !packed.empty() && (packed[0] == '+' || packed[0] == '-') ? 1 : 0;
    const size_t point = packed.find('.');
    const size_t whole = point - start;  // digits before the point
    if (point == std::string::npos || whole < 1 || whole > 3 || packed[start] == '0' ||
        packed.size() != point + 4)
        return std::nullopt;
    for (size_t i = start; i < packed.size(); ++i)
        if (i != point && !isAsciiDigit(packed[i])) return std::nullopt;
    ThousandsOrDecimal readings{packed.substr(0, point) + packed.substr(point + 1), packed};
    while (readings.decimal.back() == '0')
        readings.decimal.pop_back();
    if (readings.decimal.back() == '.') readings.decimal.pop_back();
    return readings;
}

namespace {

// The digits and the decimal exponent of a text from std::to_chars in scientific form
// ("d.ddde+xx"): at most `most` digits are kept; the count of all of them is returned.
int scientificDigits(const char* text, const char* end, char* digits, int most, int& exponent) {
    const char* const e = std::find(text, end, 'e');
    int count = 0;
    for (const char* c = text; c != e; ++c)
        if (isAsciiDigit(*c) && count++ < most) digits[count - 1] = *c;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);
    return count;
}

constexpr std::uint64_t kPowersOfTen[] = {1,
                                          10,
                                          100,
                                          1000,
                                          10000,
                                          100000,
                                          1000000,
                                          10000000,
                                          100000000,
                                          1000000000,
                                          10000000000,
                                          100000000000,
                                          1000000000000,
                                          10000000000000,
                                          100000000000000,
                                          1000000000000000,
                                          10000000000000000,
                                          100000000000000000,
                                          1000000000000000000,
                                          10000000000000000000u};

// A 128-bit whole number as two halves, in standard C++: the exact product of two 64-bit ones.
struct Wide {
    std::uint64_t high, low;

    static Wide product(std::uint64_t a, std::uint64_t b) {
        constexpr std::uint64_t kHalf = 0xFFFFFFFF;
        const std::uint64_t ll = (a & kHalf) * (b & kHalf), lh = (a & kHalf) * (b >> 32);
        const std::uint64_t hl = (a >> 32) * (b & kHalf), hh = (a >> 32) * (b >> 32);
        const std::uint64_t middle = (ll >> 32) + (lh & kHalf) + (hl & kHalf);
        return {hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & kHalf)};
    }
    // The low 64 bits of the number shifted right by 1 to 127 bits.
    std::uint64_t shiftedRight(int bits) const {
        if (bits >= 64) return high >> (bits - 64);
        return (low >> bits) | (high << (64 - bits));
    }
    bool bit(int at) const { return (at >= 64 ? high >> (at - 64) : low >> at) & 1; }
    // Whether any of the bits below `at` (1 to 127) is set.
    bool anyBelow(int at) const {
        if (at >= 64) return low != 0 || (high & ((std::uint64_t{1} << (at - 64)) - 1)) != 0;
        return (low & ((std::uint64_t{1} << at) - 1)) != 0;
    }
};

// The 15 significant digits of a value from 1e-5 up to 1e15 (what the calculations give),
// correctly rounded, ties to even, and the decimal exponent of the first; false for a value
// outside that range. The value is m / 2^shift with m a whole number below 2^53, so
// m * 10^p, p = 14 - exponent <= 19, is exact in 128 bits (Wide); shifted right it gives 15
// digits, and the bits shifted out decide the rounding exactly, with no general conversion.
bool fifteenDigitsOfUsualValue(double magnitude, char (&digits)[15], int& exponent) {
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) return false;
    // A normal double: 52 stored bits of m below the implicit one, and a biased exponent.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - static_cast<int>(bits >> 52);  // from 3 to 69
    constexpr std::uint64_t kLowest = kPowersOfTen[14], kBeyond = kPowersOfTen[15];
    // magnitude < 2^(53 - shift): the exponent is floor((53 - shift) * log10(2)) or one below;
    // the integer form is within one of it, and the loop below settles it.
    exponent = ((53 - shift) * 78913) >> 18;
    for (;;) {
        const int p = 14 - exponent;
        if (p < 0) {
            --exponent;
            continue;
        }
        if (p > 19) return false;
        const Wide scaled = Wide::product(m, kPowersOfTen[p]);
        std::uint64_t n = scaled.shiftedRight(shift);
        if (n >= kBeyond) {
            ++exponent;
            continue;
        }
        if (n < kLowest) {
            --exponent;
            continue;
        }
        // The bits shifted out against one half: above it, or exactly it with n odd, round up.
        if (scaled.bit(shift - 1) && (scaled.anyBelow(shift - 1) || n % 2 == 1)) ++n;
        if (n == kBeyond) {  // 999999999999999.5 and above: the next power of ten
            n = kLowest;
            ++exponent;
        }
        // 7 + 8 digits, two at a time in 32 bits.
        auto pairs = [](std::uint32_t v, char* last, int count) {
            static constexpr char kPairs[] =
                "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                "8081828384858687888990919293949596979899";
            for (; count >= 2; count -= 2, v /= 100, last -= 2)
                std::memcpy(last - 1, kPairs + 2 * (v % 100), 2);
            if (count == 1) *last = static_cast<char>('0' + v);
        };
        pairs(static_cast<std::uint32_t>(n / 100000000), digits + 6, 7);
        pairs(static_cast<std::uint32_t>(n % 100000000), digits + 14, 8);
        return true;
    }
}

// The 15 significant digits of a positive finite value, correctly rounded, and the decimal
// exponent of the first.
int fifteenDigits(double magnitude, char (&digits)[15]) {
    int exponent = 0;
    if (fifteenDigitsOfUsualValue(magnitude, digits, exponent)) return exponent;
    char text[40];
    const char* end =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14).ptr;
    scientificDigits(text, end, digits, 15, exponent);
    return exponent;
}

}  // namespace

std::string writeNumber(double value) {
    std::string text;
    writeNumber(value, text);
    return text;
}

void writeNumber(double value, std::string& text) {
    if (value == 0) return void(text.assign(" 0"));
    char digits[15];
    const int exponent = fifteenDigits(std::fabs(value), digits);
    int count = 15;
    while (count > 1 && digits[count - 1] == '0')
        --count;

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
    text.assign(out, n);
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
