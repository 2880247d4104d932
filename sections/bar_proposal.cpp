#include "sections/bar_proposal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sections/bar_notation.h"
#include "sections/numbers.h"

namespace lirvo {
namespace {

constexpr int kDiameters[] = {10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};  // mm
constexpr double kLeastClearGap = 20;                                       // mm between bars
constexpr double kSideCover = 30;  // mm from each side to the surface of the outer bar
constexpr double kLeastBars = 2;   // one in each corner
// Counts from 2^53 on are no longer whole numbers apart in double precision, nor any width.
constexpr double kMostBars = 9007199254740992.0;

// The least whole n >= 2 with n · a(d) >= area, as barsArea computes each side.
double barsFor(double area, int d) {
    const double one = barsArea(1, d);
    double n = std::max(kLeastBars, std::ceil(area / one));
    if (!(n < kMostBars)) return n;  // beyond every width, and n − 1 would be n
    while (n < kMostBars && barsArea(n, d) < area)
        ++n;
    while (n > kLeastBars && barsArea(n - 1, d) >= area)
        --n;
    return n;
}

bool fitsInOneLayer(double n, int d, double widthMm) {
    return n * d + (n - 1) * std::max<double>(d, kLeastClearGap) <= widthMm;
}

std::optional<BarProposal> bestFit(double area, double widthMm, bool twoLayers) {
    std::optional<BarProposal> best;
    for (int d : kDiameters) {
        const double n = barsFor(area, d);
        if (!(n < kMostBars)) continue;
        const double perLayer = twoLayers ? std::ceil(n / 2) : n;
        if (!fitsInOneLayer(perLayer, d, widthMm)) continue;
        const BarProposal p{n, d, twoLayers, barsArea(n, d)};
        if (!best || p.area < best->area || (p.area == best->area && p.count < best->count))
            best = p;
    }
    return best;
}

// The width at a steel's level, cm: the web of a T carries Af, its flange Af'.
std::optional<double> widthAt(const CalcCase& calc, const Field& steel, const CalcWindow& window) {
    const Quantity wanted = calc.section != SectionType::kTee           ? Quantity::kWidth
                            : steel.quantity == Quantity::kTensionSteel ? Quantity::kWebWidth
                                                                        : Quantity::kFlangeWidth;
    for (const Field& field : calc.inputs())
        if (field.quantity == wanted) return readNumber(window.fieldText(field.index));
    return std::nullopt;
}

}  // namespace

std::string BarProposal::typedText() const {
    if (count > 99) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%.*s%d", count, static_cast<int>(kBarSymbol.size()),
                  kBarSymbol.data(), diameterMm);
    return text;
}

std::string BarProposal::text() const {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f%.*s%d%s", count, static_cast<int>(kBarSymbol.size()),
                  kBarSymbol.data(), diameterMm, twoLayers ? " (2 strati)" : "");
    return text;
}

std::optional<BarProposal> proposeBars(double areaCm2, double widthCm) {
    const double widthMm = 10 * widthCm - 2 * kSideCover;
    if (auto one = bestFit(areaCm2, widthMm, false)) return one;
    return bestFit(areaCm2, widthMm, true);
}

std::vector<SteelProposal> proposeForRun(const CalcCase& calc, const CalcWindow& window) {
    std::vector<SteelProposal> proposals;
    if (calc.operation == Operation::kCheck) return proposals;
    for (const Field& field : calc.results()) {
        if (!field.isSteelAreaResult()) continue;
        const std::string text = window.fieldText(field.index);
        if (withoutEndBlanks(text).empty()) continue;
        const double area = readNumber(text);
        const std::optional<double> width = widthAt(calc, field, window);
        if (!(area > 0) || !width) continue;
        proposals.push_back({&field, proposeBars(area, *width)});
    }
    return proposals;
}

}  // namespace lirvo
