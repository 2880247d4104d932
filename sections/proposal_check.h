// The check of a design's section as it will be built: the check case of the same section
// type, its data taken from the design after its run.
//
//   widths, slab, covers, depth, n, M, N   a result of the same quantity where the design
//                                          wrote one (h, C), else the text typed
//   Af, Af'                                the bars proposed ("4Ø16"), else the area written
//                                          (an Af' of 0, "nessuna disposizione")
#pragma once

#include <array>
#include <optional>
#include <string>

#include "sections/frame.h"

namespace lirvo {

struct ProposedSectionCheck {
    const CalcCase* check;
    std::array<std::string, kFieldCount> texts;  // the check's input texts by field index
};

// Empty for a check, which has nothing proposed.
std::optional<ProposedSectionCheck> checkWithProposedBars(const CalcCase& design,
                                                          const CalcWindow& window);

}  // namespace lirvo
