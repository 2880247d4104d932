// Number rules shared by every calculation: how a field text is read as a number, how a
// result is written back as text, and the roundings the results go through.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lirvo {

// Leading number of a field text. Blanks, tabs and line feeds are ignored wherever they
// stand; then sign, digits, point, fraction and an exponent (E or D) are taken up to the
// first character that does not fit. "&H"/"&O" read an unsigned hexadecimal or octal whole
// number. The decimal separator is always the point, whatever the locale, so "8,04" reads
// as 8. A text that does not begin with a number reads as 0. A magnitude beyond the double
// range reads as an infinity (which the frame then refuses).
double readNumber(std::string_view text);

// A field text as the reading rule reads it, and whether the text was meant as something the
// rule does not read:
// - a digit left in the rest of the text after the number taken ("8,04", "1.000.000",
//   "4Ø16", "x1");
// - a blank between two digits that does not separate thousands. Blanks are read between
//   digits only as thousands separators in the whole part of the number: a first group of 1
//   to 3 digits, then groups of exactly 3, each after one or more blanks ("1 000 000",
//   "150 000.5"). "10 16" typed for 10.16 and "2 5" are refused rather than read as 1016, 25.
// Blanks elsewhere are ignored (" - 4 ", "25 cm").
struct FieldReading {
    double value;        // what readNumber gives
    bool digitInRest;    // a digit 0-9 after the characters the number took
    bool blankInNumber;  // a blank between two digits that separates no thousands
    bool whole;          // one number and nothing else, blanks aside where they may stand
    bool unreadable() const { return digitInRest || blankInNumber; }
};
FieldReading readField(std::string_view text);

// "680.000" typed for a moment or a force: one to three digits, the first not 0, a point and
// exactly three digits, after an optional sign and with blanks ignored. An Italian reader
// means a thousands point, the rule reads a decimal one. The two readings spelled out: the
// thousands drop the point ("680000", "-1500"), the decimal drops the trailing zeros of the
// decimals and the point if none remain ("680", "-1.5"). None for a text of another form.
struct ThousandsOrDecimal {
    std::string thousands, decimal;
};
std::optional<ThousandsOrDecimal> thousandsPointReadings(std::string_view text);

// Result text: one leading blank for a value >= 0, "-" for a negative one; at most 15
// significant digits, trailing zeros dropped, no zero before the point of a value below 1
// (" .5", "-.25"). Values whose digits do not fit in 15 places take the exponent form with a
// signed exponent of at least two digits (" 1E+15", " 3.33333333333333E-02").
// Only finite values may be written.
std::string writeNumber(double value);
// The same text into text, in the memory it already has.
void writeNumber(double value, std::string& text);

// Largest whole number not greater than the value (the integer part of -2.5 is -3).
double integerPart(double value);

// Integer part of (value * 100 + 0.5), divided by 100.
double roundToHundredths(double value);

// Integer part of (value * 100), divided by 100: no half is added.
double cutToHundredths(double value);

// Integer part of (value + 0.5).
double roundToWhole(double value);

// Quantities the method holds in single precision (IEEE binary32, round to nearest): every
// later use takes the rounded value. Beyond the single range the result is an infinity, as
// the hardware conversion gives, without the undefined cast.
double toSingle(double value);

}  // namespace lirvo
