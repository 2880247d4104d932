// The compute command: from the two option groups to exactly one calculation, or a message
// saying what is missing from the choice.
#pragma once

#include <optional>

#include "case_tables.h"
#include "frame.h"

namespace lirvo::app {

struct CaseChoice {
    std::optional<panels::SectionType> section;
    std::optional<panels::Operation> operation;
};

void dispatch(const CaseChoice& choice, CalcFrame& frame, CalcWindow& window);

}  // namespace lirvo::app
