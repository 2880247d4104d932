// Semi-design of a rectangular beam: the steel of a given concrete section (case 3).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kRectangularSemiDesign;
}
