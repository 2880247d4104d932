// Steel written as bars, as engineers draw it: "4Ø16+2Ø12" is four bars of 16 mm and two of
// 12 mm. Read in the steel-area fields of the checks, written by the bar proposals.
//
//   text --trim blanks--> terms joined by "+": <n> <Ø> <d>, blanks allowed between the parts
//        n  a whole number of bars, 1 to 99
//        Ø  "Ø" "ø" "Φ" "φ" "⌀" or the letters "fi" in any case
//        d  the diameter in mm, whole or decimal, 5 to 50
//   area (cm²) = sum in the written order of n · (((π · d) · d) / 400), in double precision
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lirvo {

// The area of n bars of diameter d mm in cm², n · (((π · d) · d) / 400), π the double nearest
// to π, each operation rounded in this order: the area a typed text and a proposal agree on.
double barsArea(double n, double diameterMm);

// One term of bar notation: n bars of d mm.
struct BarGroup {
    double count;
    double diameterMm;
};

// The terms of a text in bar notation, in the written order; empty where the text is not bar
// notation as above.
std::optional<std::vector<BarGroup>> barGroups(std::string_view text);

// The area of a text in bar notation; empty where the text is not bar notation as above.
std::optional<double> barNotationArea(std::string_view text);

// Whether a text holds a bar symbol, or "fi" between digits (blanks aside): a text meant as
// bars, which a steel-area field refuses as such when it does not read.
bool looksLikeBars(std::string_view text);

// The refusal of a steel-area text meant as bars that does not read, followed by
// "<symbol> = <text>" and kBarsExample.
inline const char* const kUnreadableBars = "BARRE NON LEGGIBILI: ";
inline const char* const kBarsExample = " (ESEMPIO: 4Ø16+2Ø12)";

// The symbol the program writes bars with.
inline constexpr std::string_view kBarSymbol = "Ø";

// "8.04": an area for a person, to hundredths ("8.042" with three decimals).
std::string areaText(double cm2, int decimals = 2);

// The text without the blanks (space, tab, line feed) at its ends.
std::string_view withoutEndBlanks(std::string_view text);

// "4Ø16 = 8.04 cm²": bars as typed, without the blanks at their ends, and their area.
std::string barsAndArea(std::string_view bars, double cm2);

}  // namespace lirvo
