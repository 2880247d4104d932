// Bounds of the stepwise and bisection searches, so that no input can keep a calculation busy.
#pragma once

namespace lirvo {

// A stepwise neutral-axis search that has not met its root after this many steps is refused
// (about 500 cm of neutral axis at 0.0001 cm a step).
constexpr long kMaxSearchSteps = 5'000'000;

// Halvings of a bisection before its midpoint is taken as the root. The interval of a double
// stops shrinking well before this; the bound only backs that test up.
constexpr int kMaxHalvings = 4000;

}  // namespace lirvo
