// Character classes of plain ASCII, whatever the locale: the reading rules of the field texts
// (numbers and bars) and the reader of the help file all mean exactly these, never the <cctype>
// of the moment.
#pragma once

namespace lirvo {

constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The blanks a field text may hold anywhere: space, tab and line feed.
constexpr bool isFieldBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

constexpr bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The value of a hexadecimal digit (either case); -1 for any other character.
constexpr int hexDigitValue(char c) {
    if (isAsciiDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace lirvo
