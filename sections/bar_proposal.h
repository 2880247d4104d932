// Bars proposed for a steel area a design writes: the diameter and number of bars that give at
// least that area with the least steel, in one layer across the width at the steel's level
// where they fit, else in two.
//
//   for d = 10, 12, ... 30 mm:  n = max(2, least n with n · a(d) >= area),  a(d) one bar's area
//   one layer fits when n·d + (n − 1)·max(d, 20) <= 10·b − 60 mm: bars at a clear distance of
//   at least their diameter and 20 mm, 30 mm of side cover to each outer bar's surface
//   among the fits: the least area n · a(d); equal areas: fewer bars
//   none fits: the same with ⌈n/2⌉ bars a layer, "… (2 strati)"; none again: no proposal
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sections/frame.h"

namespace lirvo {

struct BarProposal {
    double count;  // bars in all (a whole number)
    int diameterMm;
    bool twoLayers;
    double area;  // cm², count · a(d) as sections/bar_notation.h computes it

    // "4Ø16", "10Ø24 (2 strati)".
    std::string text() const;
    // "4Ø16": the bars alone, as a steel-area field reads them; empty when the count is beyond
    // what the notation takes.
    std::string typedText() const;
};

inline const char* const kNoArrangement = "nessuna disposizione";

// For an area in cm² above zero across a width b in cm; empty where no diameter fits.
std::optional<BarProposal> proposeBars(double areaCm2, double widthCm);

// The proposal for one steel area a run wrote: its field (Af or Af'), and the text a person
// reads, kNoArrangement where nothing fits.
struct SteelProposal {
    const Field* field;
    std::optional<BarProposal> bars;
    std::string text() const { return bars ? bars->text() : kNoArrangement; }
};

// The proposals for the steel areas above zero among the results of a design or semi-design
// after its run, read from its field texts (the width at the steel's level from its inputs:
// B of a rectangle or a column, the web s for a T's Af, the flange B for its Af'); none for
// a check or a blank result.
std::vector<SteelProposal> proposeForRun(const CalcCase& calc, const CalcWindow& window);

}  // namespace lirvo
