// Check of a T or L beam with tension and compression steel under bending (case 4).
#pragma once

#include "frame.h"

namespace lirvo {
extern const CalcCase kTeeCheck;
}
