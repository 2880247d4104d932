// The calculation on the main window as the calculation report takes it.
#pragma once

#include <optional>

#include "app/main_window.h"
#include "casefiles/case_file.h"

namespace lirvo::app {

// The case that ran last with the window's texts and example box, and the particulars of the
// print-data window once it has been opened (empty before); none before any calculation. The
// report computes it afresh from these inputs.
std::optional<casefiles::CaseFile> windowCalculation(const MainWindow& window);

}  // namespace lirvo::app
