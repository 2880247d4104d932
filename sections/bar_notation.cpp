#include "sections/bar_notation.h"

#include <array>
#include <cstdio>
#include <numbers>

#include "sections/characters.h"
#include "sections/numbers.h"

namespace lirvo {
namespace {

// The bar symbols in UTF-8: Ø ø Φ φ ⌀.
constexpr std::array<std::string_view, 5> kSymbols = {"\u00D8", "\u00F8", "\u03A6", "\u03C6",
                                                      "\u2300"};

bool isFi(std::string_view s) {
    return s.size() >= 2 && (s[0] == 'f' || s[0] == 'F') && (s[1] == 'i' || s[1] == 'I');
}

// The length of the bar symbol at the start of s, 0 where there is none.
size_t symbolAt(std::string_view s) {
    for (std::string_view symbol : kSymbols)
        if (s.starts_with(symbol)) return symbol.size();
    return isFi(s) ? 2 : 0;
}

// A left-to-right reader of one text, blanks skipped between the parts.
class Parts {
  public:
    explicit Parts(std::string_view text) : s_(text) {}
    bool done() {
        skipBlanks();
        return s_.empty();
    }
    bool take(char c) {
        skipBlanks();
        if (s_.empty() || s_[0] != c) return false;
        s_.remove_prefix(1);
        return true;
    }
    bool takeSymbol() {
        skipBlanks();
        const size_t size = symbolAt(s_);
        s_.remove_prefix(size);
        return size > 0;
    }
    // Digits, then a point and digits: the characters of a whole or decimal number.
    std::string_view number(bool decimals) {
        skipBlanks();
        size_t i = 0;
        while (i < s_.size() && isAsciiDigit(s_[i]))
            ++i;
        size_t digits = i;
        if (decimals && i < s_.size() && s_[i] == '.')
            for (++i; i < s_.size() && isAsciiDigit(s_[i]); ++i)
                ++digits;
        const std::string_view taken = digits > 0 ? s_.substr(0, i) : std::string_view();
        s_.remove_prefix(taken.size());
        return taken;
    }

  private:
    void skipBlanks() {
        while (!s_.empty() && isFieldBlank(s_[0]))
            s_.remove_prefix(1);
    }
    std::string_view s_;
};

}  // namespace

double barsArea(double n, double diameterMm) {
    return n * (((std::numbers::pi * diameterMm) * diameterMm) / 400);
}

std::optional<std::vector<BarGroup>> barGroups(std::string_view text) {
    Parts parts(text);
    std::vector<BarGroup> groups;
    do {
        const std::string_view count = parts.number(false);
        if (count.empty() || !parts.takeSymbol()) return std::nullopt;
        const std::string_view diameter = parts.number(true);
        if (diameter.empty()) return std::nullopt;
        // Whole digits only: a count of hundreds of digits still reads, as the value it is.
        const double n = readNumber(count), d = readNumber(diameter);
        if (!(n >= 1 && n <= 99) || !(d >= 5 && d <= 50)) return std::nullopt;
        groups.push_back({n, d});
    } while (parts.take('+'));
    if (!parts.done()) return std::nullopt;
    return groups;
}

std::optional<double> barNotationArea(std::string_view text) {
    const auto groups = barGroups(text);
    if (!groups) return std::nullopt;
    double area = 0;
    for (const BarGroup& g : *groups)
        area += barsArea(g.count, g.diameterMm);
    return area;
}

bool looksLikeBars(std::string_view text) {
    char before = 0;  // the last character that is not a blank
    for (size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        for (std::string_view symbol : kSymbols)
            if (rest.starts_with(symbol)) return true;
        if (isFi(rest) && isAsciiDigit(before)) {
            size_t j = i + 2;
            while (j < text.size() && isFieldBlank(text[j]))
                ++j;
            if (j < text.size() && isAsciiDigit(text[j])) return true;
        }
        if (!isFieldBlank(text[i])) before = text[i];
    }
    return false;
}

std::string areaText(double cm2, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, cm2);
    return text;
}

std::string_view withoutEndBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

std::string barsAndArea(std::string_view bars, double cm2) {
    return std::string(withoutEndBlanks(bars)) + " = " + areaText(cm2) + " cm²";
}

}  // namespace lirvo
