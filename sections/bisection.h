// Bisection of a function that changes sign on [x1, x2], as the column calculations use it.
#pragma once

#include <cmath>

#include "sections/search.h"

namespace lirvo {

// The root is the first midpoint whose |f| is within the tolerance or whose product with
// f(x1) is exactly 0 (or not a number). When the interval can no longer be halved, or after
// kMaxHalvings, the midpoint is taken as it stands. The root is always the last point at which
// f was evaluated, so f may keep what it computed there.
template <typename Fn>
double bisect(double x1, double x2, double f1, Fn&& f, double tolerance) {
    for (int halvings = 0;; ++halvings) {
        const double xm = (x1 + x2) / 2;
        const double fm = f(xm);
        if (std::fabs(fm) <= tolerance) return xm;
        if (xm == x1 || xm == x2 || halvings >= kMaxHalvings) return xm;
        const double sign = fm * f1;
        if (sign < 0) {
            x2 = xm;
        } else if (sign > 0) {
            x1 = xm;
            f1 = fm;
        } else {
            return xm;
        }
    }
}

}  // namespace lirvo
