// Check of a T or L beam with tension and compression steel under bending (case 4).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace tee_check {
// The case's fields by the symbol of their caption: n is the modular ratio, N the normal force,
// a trailing "Prime" the compression steel, "Out" a result that repeats an input's symbol.
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
