// How far the section a run describes uses its allowable stresses, and the verdict on it: one
// rule for the drawing, the window, lirvo-calc --state and the calculation report.
//
// The concrete: its largest compression over sigma c,adm. The steel: the tension steel Af
// where it has an area and is pulled; where the section has no tension steel (Af absent or
// compressed) the most stressed bar, in either sense. A utilisation is judged as the outputs
// print it, to hundredths: exceeded when it rounds above 1.00. A design's areas are cut to
// 0.01 cm², which may leave a steel a few parts in ten thousand above its allowable stress
// that no printed figure shows.
#pragma once

#include <optional>

#include "sections/case_analysis.h"

namespace lirvo {

// Allowable stresses in kg/cm²: a design's data, or the materials stated for a check.
struct Allowables {
    std::optional<double> sigmaC, sigmaF;
};

struct Utilisation {
    double stress;     // kg/cm², magnitude
    double allowable;  // kg/cm²
    double ratio;      // stress over allowable
    bool exceeded;     // the ratio rounds above 1.00
};

struct Verdict {
    std::optional<Utilisation> concrete;  // none where sigma c,adm is unknown or none solved
    std::optional<Utilisation> steel;     // none also where the section has no steel area
    int steelLayer = -1;                  // the bar measured, by index in model.steel
    bool steelIsTension = true;           // Af pulled; otherwise the most stressed bar
    // Empty unless both allowables are known and the section found its equilibrium.
    std::optional<bool> verified;
};

// A utilisation rounded to hundredths above 1.00.
bool exceedsAllowable(double ratio);

Verdict verdictOf(const CaseAnalysis& analysis, const Allowables& allowables);
// With the allowable stresses the case's own data give (designs and semi-designs).
Verdict verdictOf(const CaseAnalysis& analysis);

}  // namespace lirvo
