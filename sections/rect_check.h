// Check of a rectangular beam with tension and compression steel under bending (case 1).
#pragma once

#include "sections/frame.h"

namespace lirvo {
namespace rect_check {
// The case's fields by the symbol of their caption: n is the modular ratio, N the normal force,
// a trailing "Prime" the compression steel, "Out" a result that repeats an input's symbol.
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
