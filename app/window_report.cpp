#include "app/window_report.h"

#include "sections/cases.h"

namespace lirvo::app {

std::optional<casefiles::CaseFile> windowCalculation(const FrmVerifica& window) {
    const CalcCase* calc = caseOfCode(window.calculationCode());
    if (!calc) return std::nullopt;
    casefiles::CaseFile file = casefiles::captureCalculation(*calc, window);
    if (const report::FrmStampa* printData = window.printDataWindow()) {
        const report::Particulars typed = printData->particulars();
        casefiles::Particulars& p = file.particulars;
        p.owner = typed[0].toStdString();
        p.building = typed[1].toStdString();
        p.address = typed[2].toStdString();
        p.town = typed[3].toStdString();
        p.structure = typed[4].toStdString();
        p.section = typed[5] == "Mezzeria" ? casefiles::SectionPlace::kMidSpan
                                           : casefiles::SectionPlace::kFixedEnd;
    }
    return file;
}

}  // namespace lirvo::app
