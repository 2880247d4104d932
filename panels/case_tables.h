// The field panel of each calculation case: which calculation it feeds and the captions of its
// fields. The field indices, and which of them are inputs and which results, come from the
// calculation's own table; the captions here run from field 2 upward, inputs first.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "frame.h"

namespace lirvo::panels {

enum class SectionType { kRectangular, kTee, kColumn };
enum class Operation { kCheck, kDesign, kSemiDesign };

struct PanelTable {
    const CalcCase* calc;
    std::span<const std::string_view> captions;  // UTF-8; σ is U+03C3
    double resultCaptionLeft;                    // fraction of the window's width
};

// The panel of a section type and an operation; none for a column design.
const PanelTable* panelTable(SectionType section, Operation operation);

// The caption of a field in a panel (empty for a field the case lacks).
std::string_view caption(const PanelTable& table, int field);

// The index of the first result field of a case.
int firstResultField(const CalcCase& calc);

}  // namespace lirvo::panels
