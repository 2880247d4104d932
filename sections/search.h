// Bounds of the stepwise and bisection searches, so that no input can keep a calculation busy.
#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

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

// The value x reaches after `count` steps of `x = x + step` (step > 0), bit for bit, without
// taking them one by one. Within the binade of x every sum x + step is rounded to the same
// grid of spacing ulp, so each step adds the same increment d, the step rounded to that grid,
// as long as x + d stays a whole ulp below the binade's top; n such steps add n*d exactly.
// A step that crosses into the next binade, or whose rounding is a tie (decided by the parity
// of x), is taken as it is.
inline double stepsAhead(double x, double step, long count) {
    while (count > 0) {
        if (!(x >= step) || !std::isfinite(x)) {
            x = x + step;
            --count;
            continue;
        }
        // x in [2^e, 2^(e+1)), e its biased exponent less 1023: the binade's top 2^(e+1) and
        // its ulp 2^(e-52) have biased exponents one above and 52 below that of x.
        const auto biased = static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(x) >> 52);
        if (biased <= 52 || biased >= 2046) {
            x = x + step;
            --count;
            continue;
        }
        const double top = std::bit_cast<double>(static_cast<std::uint64_t>(biased + 1) << 52);
        const double ulp = std::bit_cast<double>(static_cast<std::uint64_t>(biased - 52) << 52);
        const double d = (x + step) - x;  // exact: x <= x + step <= 2x
        if (std::fabs(step - d) == ulp / 2) {
            x = x + step;
            --count;
            continue;
        }
        if (d == 0) return x;  // the step is lost in the rounding: x stays where it is
        // Steps n with x + n*d <= top - ulp: for each of them x + step < top.
        const long room = (static_cast<long>((top - x) / ulp) - 1) / static_cast<long>(d / ulp);
        if (room == 0) {
            x = x + step;
            --count;
            continue;
        }
        const long n = room < count ? room : count;
        x = x + static_cast<double>(n) * d;  // a multiple of ulp below top: exact
        count -= n;
    }
    return x;
}

// True when the cubic a*x^3 + b*x^2 + c*x, as a search evaluates it with pow(), lies below
// target for every x in [lo, hi] (0 <= lo <= hi). Each term is monotonic for x >= 0, so the
// cubic is at most the sum of the terms each taken at the end of the interval where it is
// largest. That sum, computed here, and the search's own evaluation at any x of the interval
// differ from the exact sum by a few rounding errors of the magnitudes at hi (pow within one
// ulp, three products, two sums each), well within the margin of cubicSurelyBelow.
inline bool cubicSurelyBelowOn(double a, double b, double c, double lo, double hi, double target) {
    const double lo2 = lo * lo, lo3 = lo2 * lo, hi2 = hi * hi, hi3 = hi2 * hi;
    const double highest =
        ((a < 0 ? a * lo3 : a * hi3) + (b < 0 ? b * lo2 : b * hi2)) + (c < 0 ? c * lo : c * hi);
    const double magnitude = (std::fabs(a) * hi3 + std::fabs(b) * hi2) + std::fabs(c) * hi;
    return lo >= 0 && highest + (16 * DBL_EPSILON * magnitude + DBL_MIN) < target;
}

// The steps of a neutral-axis search
//   do { x = x + step; if (x > limit || ++steps > kMaxSearchSteps) refuse; }
//   while (cubic of x below target ...);
// that are proven to go on, taken at once: runs of steps that stay within limit and the step
// bound and over which cubicSurelyBelowOn holds. The runs grow by doubling while they pass
// and halve when they fail, down to a single step; the search then takes its next step
// itself, so it still ends on the very step, and refuses on the very step, that it would
// reach alone. Near the root the runs fail and the search steps as before.
inline void skipStepsSurelyBelow(double a, double b, double c, double target, double step,
                                 double limit, double& x, long& steps) {
    for (long run = 1; run > 0;) {
        const long n = run < kMaxSearchSteps - steps ? run : kMaxSearchSteps - steps;
        const double end = n > 0 ? stepsAhead(x, step, n) : x;
        if (n > 0 && end <= limit && cubicSurelyBelowOn(a, b, c, x, end, target)) {
            x = end;
            steps += n;
            if (run < kMaxSearchSteps) run *= 2;
        } else {
            run /= 2;
        }
    }
}

}  // namespace lirvo
