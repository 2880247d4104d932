// Semi-design of a column in combined compression and bending: its steel (case 9).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace column_semi_design {
// The case's fields, named as the field-name rule in sections/cases.h says.
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
