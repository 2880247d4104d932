// The compute command: from the two option groups to exactly one calculation, or a message
// saying what is missing from the choice.
#pragma once

#include <optional>

#include "sections/frame.h"

namespace lirvo::app {

struct CaseChoice {
    std::optional<SectionType> section;
    std::optional<Operation> operation;
    bool operator==(const CaseChoice&) const = default;
};

void dispatch(const CaseChoice& choice, CalcFrame& frame, CalcWindow& window);

}  // namespace lirvo::app
