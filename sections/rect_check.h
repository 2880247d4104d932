// Check of a rectangular beam with tension and compression steel under bending (case 1).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace rect_check {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kC,
    kH,
    kAf,
    kAfPrime,
    kModularRatio,
    kM,
    kJ,
    kX,
    kSigmaC,
    kSigmaF
};
}  // namespace rect_check

extern const CalcCase kRectangularCheck;
}  // namespace lirvo
