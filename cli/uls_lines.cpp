#include "cli/uls_lines.h"

#include "cli/lines.h"
#include "sections/case_analysis.h"
#include "sections/uls_check.h"

namespace lirvo::cli {

void appendUls(const CalcCase& calc, const EventLog& log, const UlsRequest& request,
               std::string_view prefix, std::string& buffer) {
    if (log.stoppedOnMessage()) return;
    const std::optional<CaseAnalysis> a = caseSection(calc, fieldValues(calc, log));
    if (!a) return;
    const UlsSection section(a->model, request.spec.strengths);
    if (!section.valid()) return;
    const UlsCheck check =
        checkUls(section, request.spec.ned.value_or(a->model.N), request.spec.med);
    const std::optional<UlsState>& ultimate = check.ultimate;

    Lines lines("ULS", prefix, buffer);
    lines.key("fcd").number(request.spec.strengths.fcd).end();
    lines.key("fyd").number(request.spec.strengths.fyd).end();
    lines.key("N").number(check.N).end();
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
    if (check.M) lines.key("M_Ed").number(*check.M).end();
    if (check.utilisation) lines.key("utilisation").number(*check.utilisation).end();
    if (check.verified)
        lines.key("verdict").text(*check.verified ? "verificata" : "non verificata").end();
    Lines domain("DOMAIN", prefix, buffer);
    for (const UlsDomainPoint& p : section.domain(request.domainPoints))
        domain.begin().number(p.N).number(p.positive).number(p.negative).end();
}

}  // namespace lirvo::cli
