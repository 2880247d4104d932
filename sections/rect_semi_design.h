// Semi-design of a rectangular beam: the steel for a given concrete section (case 3).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace rect_semi_design {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kC,
    kH,
    kSigmaC,
    kSigmaF,
    kModularRatio,
    kM,
    kX,
    kSigmaCOut,
    kAf,
    kAfPrime
};
}  // namespace rect_semi_design

extern const CalcCase kRectangularSemiDesign;
}  // namespace lirvo
