// Design of a T or L beam: a rectangle as wide as the slab, corrected for the rib (case 5).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kTeeDesign;
}
