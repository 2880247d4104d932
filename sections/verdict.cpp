#include "sections/verdict.h"

#include <cmath>

#include "sections/numbers.h"

namespace lirvo {
namespace {

std::optional<Utilisation> utilisation(double stress, const std::optional<double>& allowable) {
    if (!allowable || !(*allowable > 0)) return std::nullopt;
    const double ratio = stress / *allowable;
    return Utilisation{stress, *allowable, ratio, exceedsAllowable(ratio)};
}

}  // namespace

bool exceedsAllowable(double ratio) {
    return roundToHundredths(ratio) > 1;
}

Verdict verdictOf(const CaseAnalysis& a, const Allowables& allowables) {
    Verdict v;
    const SectionState& s = a.state;
    if (s.status != AnalysisStatus::kSolved) return v;
    v.concrete = utilisation(s.sigmaC, allowables.sigmaC);

    // Compression positive: Af is pulled where its stress is negative.
    const auto t = static_cast<size_t>(a.tensionSteel);
    if (a.model.steel.at(t).area > 0 && s.steelStress.at(t) < 0) {
        v.steelLayer = a.tensionSteel;
    } else {
        v.steelIsTension = false;
        for (size_t i = 0; i < a.model.steel.size(); ++i)
            if (a.model.steel[i].area > 0 &&
                (v.steelLayer < 0 ||
                 std::fabs(s.steelStress[i]) > std::fabs(s.steelStress.at(v.steelLayer))))
                v.steelLayer = static_cast<int>(i);
    }
    if (v.steelLayer >= 0)
        v.steel = utilisation(std::fabs(s.steelStress.at(v.steelLayer)), allowables.sigmaF);

    if (allowables.sigmaC && allowables.sigmaF && (v.concrete || v.steel))
        v.verified = !(v.concrete && v.concrete->exceeded) && !(v.steel && v.steel->exceeded);
    return v;
}

Verdict verdictOf(const CaseAnalysis& a) {
    return verdictOf(a, {a.allowableConcrete, a.allowableSteel});
}

}  // namespace lirvo
