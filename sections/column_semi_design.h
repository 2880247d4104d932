// Semi-design of a column under a normal force and a bending moment: its steel (case 9).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kColumnSemiDesign;
}
