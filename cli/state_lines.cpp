#include "cli/state_lines.h"

#include "cli/lines.h"
#include "sections/case_analysis.h"
#include "sections/regimes.h"
#include "sections/verdict.h"

namespace lirvo::cli {
namespace {

const char* failureName(AnalysisStatus status) {
    switch (status) {
        case AnalysisStatus::kInvalidData:
            return "invalid data";
        case AnalysisStatus::kNoEquilibrium:
            return "no equilibrium";
        default:
            return "out of range";
    }
}

}  // namespace

void appendState(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                 std::string& buffer) {
    if (log.stoppedOnMessage()) return;
    const std::optional<CaseAnalysis> a = analyseCase(calc, fieldValues(calc, log));
    if (!a) return;
    const SectionState& s = a->state;
    Lines lines("STATE", prefix, buffer);
    if (s.status != AnalysisStatus::kSolved)
        return lines.key("analysis").text(failureName(s.status)).end();
    lines.key("regime").text(regimeKey(s.regime)).end();
    lines.key("H").number(a->model.H).end();
    if (s.x) lines.key("x").number(*s.x).end();
    lines.key("sigma_c").number(s.sigmaC).end();
    for (size_t i = 0; i < a->model.steel.size(); ++i) {
        const SteelLayer& layer = a->model.steel[i];
        lines.key("steel").number(layer.depth).number(layer.area).number(s.steelStress[i]).end();
    }
    lines.key("resultant_N").number(s.internalN).end();
    lines.key("resultant_M").number(s.internalM).end();
    lines.key("residual_N").number(s.residualN).end();
    lines.key("residual_M").number(s.residualM).end();
    const Verdict v = verdictOf(*a);
    if (v.concrete) lines.key("utilisation_c").number(v.concrete->ratio).end();
    if (v.steel) lines.key("utilisation_f").number(v.steel->ratio).end();
    if (v.verified) lines.key("verdict").text(*v.verified ? "verificata" : "non verificata").end();
}

}  // namespace lirvo::cli
