#include "cli/state_lines.h"

#include <cstdio>

#include "sections/case_analysis.h"
#include "sections/regimes.h"

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

class Lines {
  public:
    Lines(std::string_view prefix, std::string& buffer) : prefix_(prefix), buffer_(buffer) {}
    Lines& key(std::string_view name) {
        buffer_.append(prefix_).append("STATE\t").append(name);
        return *this;
    }
    Lines& text(std::string_view value) {
        buffer_.append("\t").append(value);
        return *this;
    }
    Lines& number(double value) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.17g", value);
        return text(digits);
    }
    void end() { buffer_ += '\n'; }

  private:
    std::string_view prefix_;
    std::string& buffer_;
};

}  // namespace

void appendState(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                 std::string& buffer) {
    if (log.stoppedOnMessage()) return;
    const std::optional<CaseAnalysis> a = analyseCase(calc, fieldValues(calc, log));
    if (!a) return;
    const SectionState& s = a->state;
    Lines lines(prefix, buffer);
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
    if (const auto u = a->concreteUtilisation()) lines.key("utilisation_c").number(*u).end();
    if (const auto u = a->steelUtilisation()) lines.key("utilisation_f").number(*u).end();
}

}  // namespace lirvo::cli
