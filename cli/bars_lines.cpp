#include "cli/bars_lines.h"

#include <cstdio>

#include "sections/bar_proposal.h"
#include "sections/numbers.h"

namespace lirvo::cli {

void appendBars(const CalcCase& calc, const EventLog& log, std::string_view prefix,
                std::string& buffer) {
    if (log.stoppedOnMessage()) return;
    for (const SteelProposal& p : proposeForRun(calc, log)) {
        const double area = p.bars ? p.bars->area : readNumber(log.fieldText(p.field->index));
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.17g", area);
        buffer.append(prefix).append("BARS\t").append(p.field->symbol).append("\t");
        buffer.append(p.text()).append("\t").append(digits).append("\n");
    }
}

}  // namespace lirvo::cli
