// Check of a rectangular beam with tension and compression steel under bending (case 1).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kRectangularCheck;
}
