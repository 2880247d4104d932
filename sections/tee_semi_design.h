// Semi-design of a T or L beam: the steel of a given concrete section (case 6).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kTeeSemiDesign;
}
