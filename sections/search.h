// Bounds of the stepwise and bisection searches, so that no input can keep a calculation busy.
#pragma once

#include <cfloat>
#include <cmath>

namespace lirvo {

// A stepwise neutral-axis search that has not met its root after this many steps is refused
// (about 500 cm of neutral axis at 0.0001 cm a step).
constexpr long kMaxSearchSteps = 5'000'000;

// Halvings of a bisection before its midpoint is taken as the root. The interval of a double
// stops shrinking well before this; the bound only backs that test up.
constexpr int kMaxHalvings = 4000;

// The stepwise searches evaluate a cubic a*x^3 + b*x^2 + c*x with pow() at every step, and
// pow() dominates their time. This tells, without pow(), that the cubic as the search
// evaluates it lies below the target: the same sum with x*x*x differs from it by a few
// rounding errors of the magnitudes of its terms, far less than the margin required. Only
// steps near the root, where the answer is close, go on to the exact evaluation, so the
// search ends on exactly the step it would end on with pow() alone.
inline bool cubicSurelyBelow(double a, double b, double c, double x, double target) {
    const double x2 = x * x, x3 = x2 * x;
    const double value = (a * x3 + b * x2) + c * x;
    const double magnitude =
        (std::fabs(a) * std::fabs(x3) + std::fabs(b) * x2) + std::fabs(c) * std::fabs(x);
    return value + (16 * DBL_EPSILON * magnitude + DBL_MIN) < target;
}

}  // namespace lirvo
