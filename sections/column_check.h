// Check of a column in combined compression and bending (case 7).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace column_check {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kC1,
    kC2,
    kH,
    kAf,
    kAfPrime,
    kModularRatio,
    kM,
    kN,
    kX,
    kSigmaC,
    kSigmaF,
    kJ,
    kHTotal
};
}  // namespace column_check

extern const CalcCase kColumnCheck;
}  // namespace lirvo
