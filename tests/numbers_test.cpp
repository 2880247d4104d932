// Reading a field text as a number, writing a result as text, and the roundings.
#include "sections/numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

namespace lirvo {
namespace {

struct ReadRow {
    const char* text;
    double value;
};

TEST(ReadNumber, TakesTheLeadingNumberOfTheText) {
    // clang-format off
    const ReadRow rows[] = {
        {"", 0}, {"0", 0}, {"0.000", 0},
        {"abc", 0}, {"x12", 0},                // no number at the start
        {"8,04", 8},                           // the comma is no decimal separator
        {"2 5", 25}, {" \t3 .\n5 ", 3.5},      // blanks, tabs, line feeds ignored anywhere
        {"1.5e3", 1500}, {"1.5E3", 1500}, {"2D2", 200},
        {"-2.5", -2.5}, {"+7", 7}, {".5", 0.5}, {"5.", 5}, {"12abc", 12}, {"3e-2x", 0.03},
        {"1e", 1}, {"1e+", 1},                 // an exponent letter without digits is left
        {"--3", 0}, {"-", 0}, {".", 0},
        {"1\r2", 1},                            // a carriage return is no blank
        {"&H1F", 31}, {"&hff", 255}, {"&HFFFF", 65535},  // unsigned, not a 16-bit -1
        {"&O17", 15}, {"&o778", 63},           // 8 is no octal digit: reading stops there
        {"&H", 0}, {"&X12", 0},
        {"1E-400", 0},                         // below the double range
    };
    // clang-format on
    for (const ReadRow& row : rows)
        EXPECT_EQ(readNumber(row.text), row.value) << '"' << row.text << '"';
}

TEST(ReadNumber, ReadsBeyondTheDoubleRangeAsInfinity) {
    EXPECT_EQ(readNumber("1E400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("-1E400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("1E99999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("1E308"), 1e308);
    EXPECT_EQ(readNumber("4.9E-324"), 4.9e-324);  // the smallest subnormal still reads
}

// A digit left after the number taken means the text was meant otherwise; blanks, letters and
// signs left are no sign of that.
TEST(ReadField, TellsWhetherADigitIsLeftAfterTheNumber) {
    // whole: the text is a number and nothing else (what a strict reader of key=value wants).
    const struct {
        const char* text;
        double value;
        bool digitInRest, whole;
    } rows[] = {
        {"8,04", 8, true, false},      {"1.000.000", 1, true, false}, {"4Ø16", 4, true, false},
        {"25cm2", 25, true, false},    {"1,5E3", 1, true, false},     {"x1", 0, true, false},
        {"&O19", 1, true, false},      {"1\r2", 1, true, false},      {"E5", 0, true, false},
        {"25 cm", 25, false, false},   {"2 5", 25, false, false},     {"1.5e3", 1500, false, true},
        {"&H1F", 31, false, true},     {"1e+", 1, false, false},      {"3e-2x", 0.03, false, false},
        {"1D2 kg", 100, false, false}, {"abc", 0, false, false},      {"", 0, false, false},
        {" - 4 ", -4, false, true},    {"&H", 0, false, false},       {".", 0, false, false},
    };
    for (const auto& row : rows) {
        const FieldReading reading = readField(row.text);
        EXPECT_EQ(reading.value, row.value) << '"' << row.text << '"';
        EXPECT_EQ(reading.digitInRest, row.digitInRest) << '"' << row.text << '"';
        EXPECT_EQ(reading.whole, row.whole) << '"' << row.text << '"';
    }
}

// Blanks between two digits are read only as thousands separators in the whole part: a first
// group of 1 to 3 digits, then groups of 3 ("10 16" typed for 10.16 is no 1016).
TEST(ReadField, BlanksBetweenDigitsOnlySeparateThousands) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double value;
        bool blankInNumber;
    } rows[] = {
        {"1 000 000", 1e6, false},  {"150\t000", 150000, false}, {"-1  500.25", -1500.25, false},
        {"999 999", 999999, false}, {" \t3 .\n5 ", 3.5, false},  {"25 cm", 25, false},
        {"2 5", 25, true},          {"10 16", 1016, true},       {"1000 000", 1e6, true},
        {"1 00 000", 100000, true}, {"1 000 00", 100000, true},  {"12 345 67", 1234567, true},
        {"1.000 000", 1, true},     {"1.5 3", 1.53, true},       {"1E1 000", kInfinity, true},
        {"&H1 000", 4096, true},
    };
    for (const auto& row : rows) {
        const FieldReading reading = readField(row.text);
        EXPECT_EQ(reading.value, row.value) << '"' << row.text << '"';
        EXPECT_EQ(reading.blankInNumber, row.blankInNumber) << '"' << row.text << '"';
        EXPECT_EQ(reading.unreadable(), row.blankInNumber) << '"' << row.text << '"';
    }
}

// One to three digits, the first not 0, a point and exactly three digits.
TEST(ThousandsPoint, OffersBothReadingsOfTheAmbiguousForm) {
    const struct {
        const char* text;
        const char* thousands;  // nullptr: not of the ambiguous form
        const char* decimal;
    } rows[] = {
        {"680.000", "680000", "680"},    {"-1.500", "-1500", "-1.5"},
        {"25.000", "25000", "25"},       {"1.234", "1234", "1.234"},
        {" +9.010\t", "+9010", "+9.01"}, {"- 1.500", "-1500", "-1.5"},
        {"1000.000", nullptr, nullptr},  {"0.500", nullptr, nullptr},
        {"12.5", nullptr, nullptr},      {"12.5000", nullptr, nullptr},
        {".500", nullptr, nullptr},      {"1.500e3", nullptr, nullptr},
        {"1.500 kg", nullptr, nullptr},  {"1,500", nullptr, nullptr},
        {"1.000.000", nullptr, nullptr},
    };
    for (const auto& row : rows) {
        const auto readings = thousandsPointReadings(row.text);
        ASSERT_EQ(readings.has_value(), row.thousands != nullptr) << '"' << row.text << '"';
        if (!readings) continue;
        EXPECT_EQ(readings->thousands, row.thousands);
        EXPECT_EQ(readings->decimal, row.decimal);
    }
}

// Short mantissas take a quicker way than long ones: both give the double nearest the text.
TEST(ReadNumber, ReadsTheNearestDoubleAsStrtodDoes) {
    std::mt19937_64 random(3);
    auto between = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
    for (int i = 0; i < 200000; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int digits = between(1, 20), point = between(0, digits);
        for (int d = 0; d < digits; ++d)
            text += static_cast<char>(d == point ? '.' : '0' + between(0, 9));
        if (i % 3) text += "E" + std::to_string(between(-30, 30));
        ASSERT_EQ(readNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(ReadNumber, NegativeZeroCountsAsZero) {
    EXPECT_EQ(readNumber("-0"), 0);
}

struct WriteRow {
    double value;
    const char* text;
};

TEST(WriteNumber, FollowsTheResultTextRule) {
    // clang-format off
    const WriteRow rows[] = {
        {0, " 0"}, {-0.0, " 0"}, {0.5, " .5"}, {-0.25, "-.25"}, {-3, "-3"}, {1234, " 1234"},
        {2.8, " 2.8"}, {0.03, " .03"},
        {1757.0455806367712, " 1757.04558063677"},  // 15 significant digits
        {17.705999999998374, " 17.7059999999984"},
        {1.0 / 30, " 3.33333333333333E-02"},   // 16 places after the point: exponent form
        {1e-15, " .000000000000001"},          // exactly 15 places still fit
        {1.5e-15, " 1.5E-15"},
        {1e14, " 100000000000000"}, {999999999999999, " 999999999999999"},
        {1e15, " 1E+15"}, {-1e15, "-1E+15"},
        {9.999999999999999e14, " 1E+15"},      // rounding carries into a new digit
        {1234567890123456789.0, " 1.23456789012346E+18"},
        {1e308, " 1E+308"}, {4.9e-324, " 4.94065645841247E-324"},
    };
    // clang-format on
    for (const WriteRow& row : rows)
        EXPECT_EQ(writeNumber(row.value), row.text) << row.value;
}

TEST(WriteNumber, WritesWhatReadNumberReadsBack) {
    for (double v : {0.5, -0.25, 3.0, 1234.5, 1e-7, 6.02e23, -1.0 / 3})
        EXPECT_NEAR(readNumber(writeNumber(v)), v, std::fabs(v) * 1e-14) << v;
}

// The 15 digits are those the C library's printf rounds, ties to even: for values the
// calculations give, for their neighbours at a tie, and for any bit pattern.
TEST(WriteNumber, RoundsTo15DigitsAsPrintfDoes) {
    const int kRuns = 50000;
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> decade(-7, 17);
    std::uniform_int_distribution<long> fifteenDigits(100000000000000, 999999999999999);
    auto printf15 = [](double v) {
        char text[40];
        std::snprintf(text, sizeof text, "%.14e", v);
        return std::strtod(text, nullptr);
    };
    for (int i = 0; i < kRuns; ++i) {
        double v = std::pow(10.0, decade(random));
        if (i % 3 == 1) v = std::bit_cast<double>(random());
        if (i % 3 == 2) v = static_cast<double>(fifteenDigits(random)) + 0.5;  // a tie
        for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300), -v}) {
            if (!std::isfinite(w)) continue;
            ASSERT_EQ(std::strtod(writeNumber(w).c_str(), nullptr), printf15(w))
                << std::setprecision(17) << w;
        }
    }
}

TEST(Rounding, IntegerPartGoesDownForNegativeValues) {
    EXPECT_EQ(integerPart(2.5), 2);
    EXPECT_EQ(integerPart(-2.5), -3);
    EXPECT_EQ(integerPart(-0.0001), -1);
}

TEST(Rounding, HundredthsAreRoundedOrCut) {
    // 34.675 is held as 34.674999999999997: times 100 it stays below the half.
    EXPECT_EQ(roundToHundredths(34.675), 34.67);
    EXPECT_EQ(roundToHundredths(14.189), 14.19);
    EXPECT_EQ(cutToHundredths(7.9667), 7.96);  // cut, not rounded
    EXPECT_EQ(cutToHundredths(17.845), 17.84);
    EXPECT_EQ(roundToWhole(39.5), 40);
    EXPECT_EQ(roundToWhole(-0.5), 0);
}

TEST(SinglePrecision, RoundsToTheNearestSingle) {
    // The single nearest 20.3 is 10640998 / 2^19.
    EXPECT_EQ(toSingle(20.3), 20.299999237060547);
    EXPECT_EQ(toSingle(1e-50), 0);  // underflows to zero: such a force counts as missing
    EXPECT_EQ(toSingle(static_cast<double>(FLT_MAX) * 1.0000000001), static_cast<double>(FLT_MAX));
    EXPECT_EQ(toSingle(1e300), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace lirvo
