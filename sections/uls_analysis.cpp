#include "sections/uls_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lirvo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// The depth of ec2 on the planes beyond x = H, over H (EN 1992-1-1 Fig. 6.1: (1 - ec2/ecu) H).
constexpr double kPivotDepth = 3.0 / 7;
// Root search: relative to the largest of |N|, |N_Rd,t|, |N_Rd,c|.
constexpr double kRootTolerance = 1e-12;
// Steps of the plane parameter beyond x = H where two planes may share an N.
constexpr int kScanSteps = 32;
constexpr int kMaxSteps = 200;

double steelStress(double strain, double fyd) {
    return std::clamp(kSteelModulus * strain, -fyd, fyd);
}

// Adds to n and m the integrals of w(y) (2e - e^2) and of w(y) (2e - e^2) (c - y) over a slice,
// e the strain over ec2, linear from ep at p to eq at q (1 and 1 for the plateau): the width
// and e are linear, so with u = (y - p)/(q - p) the integrand is a polynomial in u whose
// integral over 0..1 is the sum of its coefficients over k + 1.
void addConcrete(const Slice& s, double ep, double eq, double c, double& n, double& m) {
    const double L = s.q - s.p, de = eq - ep;
    const double s0 = ep * (2 - ep), s1 = 2 * de * (1 - ep), s2 = -de * de;
    const double w0 = s.wp, w1 = s.wq - s.wp;
    const double c0 = w0 * s0, c1 = w0 * s1 + w1 * s0, c2 = w0 * s2 + w1 * s1, c3 = w1 * s2;
    const double l0 = c - s.p, l1 = -L;  // lever about c
    n += L * (c0 + c1 / 2 + c2 / 3 + c3 / 4);
    m += L * (c0 * (l0 + l1 / 2) + c1 * (l0 / 2 + l1 / 3) + c2 * (l0 / 3 + l1 / 4) +
              c3 * (l0 / 4 + l1 / 5));
}

// A root of f on [lo, hi] where f changes sign: regula falsi with the Illinois halving of the
// end that stays, bisecting where the secant leaves the bracket; done when |f| <= tolerance or
// the bracket is down to a few rounding errors.
template <typename F>
double findRoot(F&& f, double lo, double hi, double flo, double fhi, double tolerance) {
    if (std::fabs(flo) <= tolerance) return lo;
    if (std::fabs(fhi) <= tolerance) return hi;
    int kept = 0;  // which end stayed last: -1 lo, +1 hi
    for (int i = 0; i < kMaxSteps; ++i) {
        double s = (lo * fhi - hi * flo) / (fhi - flo);
        if (!(s > lo && s < hi)) s = lo + (hi - lo) / 2;
        const double fs = f(s);
        if (std::fabs(fs) <= tolerance) return s;
        if ((fs < 0) == (flo < 0)) {
            lo = s, flo = fs;
            if (kept == 1) fhi /= 2;
            kept = 1;
        } else {
            hi = s, fhi = fs;
            if (kept == -1) flo /= 2;
            kept = -1;
        }
        if (hi - lo <= 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, hi)) break;
    }
    return std::fabs(flo) < std::fabs(fhi) ? lo : hi;
}

struct Force {
    double N = 0, M = 0;
};

}  // namespace

// The section seen from its compressed edge: depths from that edge. The planes are numbered by
// s in 0..2: s = x/H up to 1, then beyond x = H the bottom strain rises as (s - 1) ec2 to the
// uniform ec2 at s = 2. N grows with s, unless beyond x = H a yield above Es ec2 keeps bars
// above 3H/7 elastic while their strain falls towards ec2 (twoPlanes).
struct UlsSection::Side {
    Outline pieces;
    std::vector<SteelLayer> bars;  // in the model's order
    double H, fcd, fyd;
    double topArea = 0;    // bars on the compressed edge
    double restForce = 0;  // the other bars at -fyd
    double zeroForce = 0;  // N of the limit x -> 0
    bool twoPlanes = false;
    // With twoPlanes, N of the planes s = 1 + i/kScanSteps, i = 0..kScanSteps: the same for
    // every N sought, so a domain scans them once.
    std::vector<double> scanN;

    // Neutral axis and the depth of ec2 (the plateau above it) of plane s, cm.
    void axis(double s, double& x, double& yc2) const {
        if (s <= 1) {
            x = s * H, yc2 = x * kPivotDepth;
        } else if (s < 2) {
            x = H * (3 + 4 / (2 - s)) / 7, yc2 = kPivotDepth * H;
        } else {
            x = yc2 = kInf;
        }
    }

    double strain(double s, double x, double y) const {
        if (s <= 1) return x > 0 ? kStrainCu * ((x - y) / x) : (y > 0 ? -kInf : kStrainCu);
        return kStrainC2 * (1 + (s - 2) * (7 * y / H - 3) / 4);
    }

    // The resultant of plane s about H/2 in this frame; with a state, its figures too.
    Force at(double s, UlsState* state = nullptr) const {
        double x, yc2;
        axis(s, x, yc2);
        double n = 0, m = 0;
        const double c = H / 2;
        for (const Trapezoid& piece : pieces) {
            if (const Slice plateau = slice(piece, 0, yc2); plateau.q > plateau.p)
                addConcrete(plateau, 1, 1, c, n, m);
            if (const Slice parabola = slice(piece, yc2, x); parabola.q > parabola.p)
                addConcrete(parabola, (x - parabola.p) / (x - yc2), (x - parabola.q) / (x - yc2), c,
                            n, m);
        }
        Force f{fcd * n, fcd * m};
        if (state) {
            state->x = x;
            state->strainTop = strain(s, x, 0);
            state->strainBottom = strain(s, x, H);
            state->steelStrain.clear();
            state->steelStress.clear();
        }
        for (const SteelLayer& bar : bars) {
            const double e = strain(s, x, bar.depth), sigma = steelStress(e, fyd);
            f.N += bar.area * sigma;
            f.M += bar.area * sigma * (c - bar.depth);
            if (state) {
                state->steelStrain.push_back(e);
                state->steelStress.push_back(sigma);
            }
        }
        return f;
    }

    // Along x = 0: the bars on the edge at sigma0, the others at -fyd.
    UlsState edgeBars(double N, bool tensionEnd) const {
        const double sigma0 = tensionEnd ? -fyd : (N - restForce) / topArea;
        const double e0 = tensionEnd ? -kInf : sigma0 / kSteelModulus;
        UlsState state;
        state.strainTop = e0;
        state.strainBottom = -kInf;
        for (const SteelLayer& bar : bars) {
            const bool onEdge = bar.depth == 0;
            const double sigma = onEdge ? sigma0 : -fyd;
            state.steelStrain.push_back(onEdge ? e0 : -kInf);
            state.steelStress.push_back(sigma);
            state.N += bar.area * sigma;
            state.M += bar.area * sigma * (H / 2 - bar.depth);
        }
        return state;
    }

    // The plane s of resultant N (zeroForce <= N <= compression), or a negative s for the
    // bars along x = 0.
    double solve(double N, double compression, double tolerance) const {
        if (N <= zeroForce + tolerance) return N >= zeroForce - tolerance ? 0 : -1;
        auto f = [&](double s) { return at(s).N - N; };
        const double top = compression - N;
        if (!twoPlanes) return findRoot(f, 0, 2, zeroForce - N, top, tolerance);
        // The planes up to x = H are one monotonic family; beyond it the first change of sign
        // from x = H outward; of the two, the plane whose x is nearest H.
        const double atH = scanN[0] - N;
        std::optional<double> below, beyond;
        if (atH >= -tolerance) below = findRoot(f, 0, 1, zeroForce - N, atH, tolerance);
        double lo = 1, flo = atH;
        for (int i = 1; i <= kScanSteps && !beyond; ++i) {
            const double hi = 1 + double(i) / kScanSteps;
            const double fhi = i == kScanSteps ? top : scanN[static_cast<size_t>(i)] - N;
            if ((flo <= 0) != (fhi <= 0) || fhi == 0)
                beyond = findRoot(f, lo, hi, flo, fhi, tolerance);
            lo = hi, flo = fhi;
        }
        if (!below) return beyond.value_or(2);
        if (!beyond) return *below;
        double xBelow, xBeyond, unused;
        axis(*below, xBelow, unused);
        axis(*beyond, xBeyond, unused);
        return H - xBelow <= xBeyond - H ? *below : *beyond;
    }
};

UlsSection::UlsSection(const SectionModel& section, UlsStrengths strengths) {
    const double H = section.H, fcd = strengths.fcd, fyd = strengths.fyd;
    valid_ = std::isfinite(H) && H > 0 && validOutline(section.outline, H) && std::isfinite(fcd) &&
             fcd > 0 && std::isfinite(fyd) && fyd > 0;
    for (const SteelLayer& bar : section.steel)
        valid_ =
            valid_ && std::isfinite(bar.area) && bar.area >= 0 && bar.depth >= 0 && bar.depth <= H;
    if (!valid_) return;
    for (int turned = 0; turned < 2; ++turned) {
        auto side = std::make_unique<Side>();
        side->pieces = turned ? turnedOver(section.outline, H) : section.outline;
        side->bars = section.steel;
        side->H = H, side->fcd = fcd, side->fyd = fyd;
        for (SteelLayer& bar : side->bars) {
            if (turned) bar.depth = H - bar.depth;
            (bar.depth == 0 ? side->topArea : side->restForce) += bar.area;
            side->twoPlanes = side->twoPlanes || (bar.area > 0 && bar.depth < kPivotDepth * H &&
                                                  fyd > kSteelModulus * kStrainC2);
        }
        side->restForce *= -fyd;
        side->zeroForce = side->at(0).N;
        for (int i = 0; side->twoPlanes && i <= kScanSteps; ++i)
            side->scanN.push_back(side->at(1 + double(i) / kScanSteps).N);
        if (!turned) {
            tension_ = side->restForce - fyd * side->topArea;
            compression_ = side->at(2).N;
        }
        sides_[turned] = std::move(side);
    }
}

UlsSection::~UlsSection() = default;

bool UlsSection::valid() const {
    return valid_;
}

double UlsSection::tensionResistance() const {
    return tension_;
}

double UlsSection::compressionResistance() const {
    return compression_;
}

double UlsSection::tolerance(double N) const {
    return kRootTolerance * std::max({std::fabs(N), std::fabs(tension_), std::fabs(compression_)});
}

std::optional<UlsState> UlsSection::resistance(double N, bool positive) const {
    if (!valid_ || !(N >= tension_ && N <= compression_)) return std::nullopt;
    const Side& side = *sides_[positive ? 0 : 1];
    const double s = side.solve(N, compression_, tolerance(N));
    UlsState state;
    if (s < 0) {
        state = side.edgeBars(N, N == tension_);
    } else {
        const Force f = side.at(s, &state);
        state.N = f.N, state.M = f.M;
    }
    if (!positive) {
        std::swap(state.strainTop, state.strainBottom);
        state.M = -state.M;
    }
    return state;
}

std::vector<UlsDomainPoint> UlsSection::domain(int points) const {
    std::vector<UlsDomainPoint> domain;
    if (!valid_ || points < 2) return domain;
    // The moments alone, without the figures of each plane.
    auto moment = [&](const Side& side, double N) {
        const double s = side.solve(N, compression_, tolerance(N));
        return s < 0 ? side.edgeBars(N, N == tension_).M : side.at(s).M;
    };
    const double span = compression_ - tension_;
    for (int i = 0; i < points; ++i) {
        const double N = i + 1 == points ? compression_
                                         : std::clamp(tension_ + span * i / (points - 1), tension_,
                                                      compression_);
        domain.push_back({N, moment(*sides_[0], N), -moment(*sides_[1], N)});
    }
    return domain;
}

}  // namespace lirvo
