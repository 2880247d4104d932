// Semi-design of a column in combined compression and bending: its steel (case 9).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace column_semi_design {
// The case's fields by the symbol of their caption: n is the modular ratio, N the normal force,
// a trailing "Prime" the compression steel, "Out" a result that repeats an input's symbol.
enum FieldIndex : int {
    kB = 2,
    kC1,
    kC2,
    kH,
    kSigmaC,
    kSigmaF,
    kModularRatio,
    kM,
    kN,
    kX,
    kSigmaCOut,
    kAf,
    kAfPrime,
    kJ,
    kHTotal
};
}  // namespace column_semi_design

extern const CalcCase kColumnSemiDesign;
}  // namespace lirvo
