#include "app/window_report.h"

#include "sections/cases.h"

namespace lirvo::app {

std::optional<casefiles::CaseFile> windowCalculation(const MainWindow& window) {
    const CalcCase* calc = caseOfCode(window.calculationCode());
    if (!calc) return std::nullopt;
    casefiles::CaseFile file = casefiles::captureCalculation(*calc, window);
    if (const report::PrintDataWindow* printData = window.printDataWindow())
        file.particulars = printData->particulars();
    return file;
}

}  // namespace lirvo::app
