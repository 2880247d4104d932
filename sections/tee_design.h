// Design of a T or L beam: depth and steel for a given slab and rib (case 5).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace tee_design {
// The case's fields, named as the field-name rule in sections/cases.h says.
enum FieldIndex : int {
    kB = 2,
    kD,
    kS,
    kQ,
    kW,
    kSigmaC,
    kSigmaF,
    kModularRatio,
    kM,
    kX,
    kH,
    kC,
    kAf,
    kAfPrime,
    kHTotal
};
}  // namespace tee_design

extern const CalcCase kTeeDesign;
}  // namespace lirvo
