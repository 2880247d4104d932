// The design of a rectangular section with both materials at their allowable stress, shared
// by the rectangular beam and by the T or L beam (a rectangle as wide as the slab).
#pragma once

#include <cmath>

#include "sections/numbers.h"

namespace lirvo {

// Depths as fractions of the effective depth h; the steel ratios are areas over B*h.
struct RectangleDesign {
    double xi;   // neutral axis
    double mu;   // tension steel ratio
    double muC;  // compression steel ratio W*mu, held in single precision
    double k;    // moment of inertia over B*h^3
    double h;    // effective depth, cm
};

// Neutral axis ratio at which concrete and steel reach their allowable stresses together.
inline double balancedAxisRatio(double sigmaC, double sigmaF, double n) {
    return (n * sigmaC) / (sigmaF + n * sigmaC);
}

// Equal static moments about the neutral axis, xi^2/2 + n*mu'*(xi - Q) = n*mu*(1 - xi) with
// mu' = W*mu, give mu; the depth makes the concrete stress M*X/J equal to sigmaC.
inline RectangleDesign designRectangle(double xi, double B, double Q, double W, double sigmaC,
                                       double n, double M) {
    RectangleDesign r{xi, 0, 0, 0, 0};
    r.mu = std::pow(xi, 2) / ((2 * n) * ((1 - xi) - W * (xi - Q)));
    r.muC = toSingle(W * r.mu);
    r.k =
        std::pow(xi, 3) / 3 + (n * r.muC) * std::pow(xi - Q, 2) + (n * r.mu) * std::pow(1 - xi, 2);
    r.h = std::sqrt((M * xi) / ((sigmaC * B) * r.k));
    return r;
}

}  // namespace lirvo
