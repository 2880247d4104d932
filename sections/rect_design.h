// Design of a rectangular beam: depth and steel for both materials at their allowable stress (case
// 2).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace rect_design {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kQ,
    kW,
    kSigmaC,
    kSigmaF,
    kModularRatio,
    kM,
    kH,
    kC,
    kHTotal,
    kX,
    kJ,
    kAf,
    kAfPrime
};
}  // namespace rect_design

extern const CalcCase kRectangularDesign;
}  // namespace lirvo
