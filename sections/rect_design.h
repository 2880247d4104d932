// Design of a rectangular beam: depth and steel for both materials at their allowable stress (case
// 2).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kRectangularDesign;
}
