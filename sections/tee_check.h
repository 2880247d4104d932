// Check of a T or L beam with tension and compression steel under bending (case 4).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace tee_check {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kD,
    kC,
    kS,
    kH,
    kAf,
    kAfPrime,
    kModularRatio,
    kM,
    kX,
    kSigmaC,
    kSigmaF,
    kJ,
    kHTotal
};
}  // namespace tee_check

extern const CalcCase kTeeCheck;
}  // namespace lirvo
