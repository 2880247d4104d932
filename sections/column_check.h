// Check of a column under a normal force and a bending moment (case 7).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kColumnCheck;
}
