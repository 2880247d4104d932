#include "cli/uls_lines.h"

#include "cli/lines.h"
#include "sections/case_analysis.h"
#include "sections/uls_analysis.h"

namespace lirvo::cli {

void appendUls(const CalcCase& calc, const EventLog& log, const UlsRequest& request,
               std::string_view prefix, std::string& buffer) {
    if (log.stoppedOnMessage()) return;
    const std::optional<CaseAnalysis> a = caseSection(calc, fieldValues(calc, log));
    if (!a) return;
    const UlsSection section(a->model, request.spec.strengths);
    if (!section.valid()) return;
    const double N = request.spec.ned.value_or(a->model.N);
    const std::optional<double> M = request.spec.med;
    const bool positive = !M || *M >= 0;
    const std::optional<UlsState> ultimate = section.resistance(N, positive);

    Lines lines("ULS", prefix, buffer);
    lines.key("fcd").number(request.spec.strengths.fcd).end();
    lines.key("fyd").number(request.spec.strengths.fyd).end();
    lines.key("N").number(N).end();
    if (ultimate) {
        lines.key("x").number(ultimate->x).end();
        lines.key("eps_top").number(ultimate->strainTop).end();
        lines.key("eps_bottom").number(ultimate->strainBottom).end();
        for (size_t i = 0; i < a->model.steel.size(); ++i) {
            const SteelLayer& bar = a->model.steel[i];
            lines.key("steel").number(bar.depth).number(bar.area);
            lines.number(ultimate->steelStrain[i]).number(ultimate->steelStress[i]).end();
        }
        lines.key("M_Rd").number(ultimate->M).end();
    } else {
        lines.key("M_Rd").text("outside").end();
    }
    if (M) {
        lines.key("M_Ed").number(*M).end();
        bool verified = false;
        if (ultimate) {
            lines.key("utilisation").number(*M / ultimate->M).end();
            const double other = section.resistance(N, !positive)->M;
            verified =
                positive ? other <= *M && *M <= ultimate->M : ultimate->M <= *M && *M <= other;
        }
        lines.key("verdict").text(verified ? "verificata" : "non verificata").end();
    } else if (!ultimate) {
        lines.key("verdict").text("non verificata").end();
    }
    Lines domain("DOMAIN", prefix, buffer);
    for (const UlsDomainPoint& p : section.domain(request.domainPoints))
        domain.begin().number(p.N).number(p.positive).number(p.negative).end();
}

}  // namespace lirvo::cli
