// Design of a T or L beam: depth and steel for a given slab and rib (case 5).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace tee_design {
// The case's fields by the symbol of their caption: n is the modular ratio, N the normal force,
// a trailing "Prime" the compression steel, "Out" a result that repeats an input's symbol.
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
