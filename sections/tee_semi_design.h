// Semi-design of a T or L beam: the steel for a given concrete section (case 6).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace tee_semi_design {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kD,
    kC,
    kS,
    kH,
    kSigmaC,
    kSigmaF,
    kModularRatio,
    kM,
    kX,
    kHOut,
    kHTotal,
    kJ,
    kAf,
    kAfPrime
};
}  // namespace tee_semi_design

extern const CalcCase kTeeSemiDesign;
}  // namespace lirvo
