// Semi-design of a T or L beam: the steel for a given concrete section (case 6).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace tee_semi_design {
// The case's fields by the symbol of their caption: n is the modular ratio, N the normal force,
// a trailing "Prime" the compression steel, "Out" a result that repeats an input's symbol.
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
