#include "sections/section_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace lirvo {
namespace {

// The search works on the section scaled to depth 1 and to a transformed area of 1, with the
// action scaled to a largest component of 1, so that no data within the double range can
// overflow it; the stresses are scaled back at the end. When M < 0 the section is turned
// over first (the "solver frame"), so that the depths are measured from the side that is
// compressed by the moment: the neutral axis then lies at a small depth and keeps its digits.

// A horizontal band of the outline, depths t in 0..1 from the top of the solver frame.
struct Band {
    double top, bottom, width;
};

// The scaled section: its two bands and the sums of its steel, alpha = n*A/H^2 over the
// transformed area: sum alpha, sum alpha*t, sum alpha*t^2.
struct ScaledSection {
    Band bands[2];
    double steel0 = 0, steel1 = 0, steel2 = 0;
};

// Area, first and second moment about the top edge of the reacting transformed section for
// the stress line a - b*t: the compressed concrete plus all the steel. They form the
// stiffness K = [[A, -S], [-S, I]] of the section, and K*(a, b) is the internal force as
// (N, -(first moment about the top)/H) in scaled units.
struct Reacting {
    double A, S, I;
};

Reacting reacting(const ScaledSection& sec, double a, double b) {
    Reacting r{sec.steel0, sec.steel1, sec.steel2};
    // Compressed depth of the concrete, [lo, hi]; none when the line is nowhere positive.
    double lo = 0, hi = 1;
    if (b > 0) {
        hi = std::min(a / b, 1.0);
        if (!(hi > 0)) return r;
    } else if (b < 0) {
        lo = std::max(a / b, 0.0);
        if (!(lo < 1)) return r;
    } else if (!(a > 0)) {
        return r;
    }
    for (const Band& band : sec.bands) {
        const double p = std::max(lo, band.top), q = std::min(hi, band.bottom);
        if (!(q > p)) continue;
        // Integrals of 1, t, t^2 over [p, q], factored so that a short band keeps its digits.
        const double wl = band.width * (q - p);
        r.A += wl;
        r.S += wl * (p + q) / 2;
        r.I += wl * (p * p + p * q + q * q) / 3;
    }
    return r;
}

SectionState failed(AnalysisStatus status) {
    SectionState state;
    state.status = status;
    return state;
}

bool finite(double v) {
    return std::isfinite(v);
}

// A direction that leaves the action's direction by more than this (radians) is no
// equilibrium; a converged search leaves it by a few rounding errors.
constexpr double kDirectionTolerance = 1e-11;
// Largest residual of a solved state, relative to the sum of the magnitudes of the parts.
constexpr double kResidualTolerance = 1e-10;
// Newton steps and halvings together; the bracket of half a turn is below one rounding
// error after 55 halvings and at least every other step halves it.
constexpr int kMaxSteps = 200;

// Direction angle theta of the stress line (a, b) = (cos theta, sin theta) whose internal
// force points along the scaled action (g0, g1). The force direction turns monotonically
// with theta and stays within a right angle of (a, b), so the cross product of force and
// action is >= 0 at gamma - pi/2 and <= 0 at gamma + pi/2 (gamma: the action's angle) and
// changes sign once between them.
double solveDirection(const ScaledSection& sec, double g0, double g1) {
    const double gamma = std::atan2(g1, g0);
    double lo = gamma - std::numbers::pi / 2, hi = gamma + std::numbers::pi / 2;
    double theta = gamma, lastStep = hi - lo, step = lastStep;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double a = std::cos(theta), b = std::sin(theta);
        const Reacting r = reacting(sec, a, b);
        const double f0 = r.A * a - r.S * b, f1 = r.I * b - r.S * a;
        const double g = f0 * g1 - f1 * g0;
        // No force at all (no steel, or all of it at an edge, and the concrete all in
        // tension): counted as past the root; the final check tells whether one exists.
        if (g > 0)
            lo = theta;
        else if (g < 0 || (f0 == 0 && f1 == 0))
            hi = theta;
        else
            return theta;
        // Derivative: K times the turned direction (-b, a); the compressed depth moving adds
        // nothing since the stress is zero at its edge.
        const double df0 = -(r.A * b + r.S * a), df1 = r.I * a + r.S * b;
        const double slope = df0 * g1 - df1 * g0;
        // Newton while it stays in the bracket and at least halves the step before last;
        // otherwise halve the bracket. Done when the step is within rounding of theta.
        double next = theta - g / slope;
        const bool newton = next >= lo && next <= hi && std::fabs(next - theta) <= lastStep / 2;
        if (!newton) next = lo + (hi - lo) / 2;
        lastStep = step;
        step = std::fabs(next - theta);
        theta = next;
        if (step <= 2 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(theta)))
            break;
    }
    return theta;
}

// Resultant of a stress line over the outline and the steel, in kg and kg cm about H/2,
// with the sum of the magnitudes of its parts.
struct Resultant {
    double N = 0, M = 0, magnitude = 0;
};

Resultant integrate(const SectionModel& m, const std::vector<double>& steelStress, double sigmaTop,
                    double sigmaBottom, double lo, double hi) {
    Resultant r;
    const double c = m.H / 2;
    auto line = [&](double y) { return sigmaTop + (sigmaBottom - sigmaTop) * (y / m.H); };
    const Band pieces[2] = {{0, m.d, m.B}, {m.d, m.H, m.s}};
    for (const Band& piece : pieces) {
        const double p = std::max(lo, piece.top), q = std::min(hi, piece.bottom);
        if (!(q > p)) continue;
        // Trapezoid of stress over [p, q]: the force is the mean stress times the area; the
        // moment about c is that force times (c - mid), less (sq - sp) * L/12 per unit of
        // width and length for the slope of the load.
        const double L = q - p, sp = line(p), sq = line(q), mid = (p + q) / 2;
        const double force = piece.width * L * (sp + sq) / 2;
        r.N += force;
        r.M += piece.width * L * ((sp + sq) / 2 * (c - mid) - (sq - sp) * L / 12);
        r.magnitude += std::fabs(force);
    }
    for (size_t i = 0; i < m.steel.size(); ++i) {
        const double force = m.steel[i].area * steelStress[i];
        r.N += force;
        r.M += force * (c - m.steel[i].depth);
        r.magnitude += std::fabs(force);
    }
    return r;
}

bool validData(const SectionModel& m) {
    for (double v : {m.B, m.d, m.s, m.H, m.n, m.N, m.M})
        if (!finite(v)) return false;
    if (!(m.B > 0 && m.s > 0 && m.H > 0 && m.n > 0 && m.d > 0 && m.d <= m.H)) return false;
    for (const SteelLayer& layer : m.steel)
        if (!(finite(layer.area) && layer.area >= 0 && layer.depth >= 0 && layer.depth <= m.H))
            return false;
    return true;
}

// Steel of some area lies at two different depths at least.
bool steelAtTwoDepths(const std::vector<SteelLayer>& steel) {
    const SteelLayer* first = nullptr;
    for (const SteelLayer& layer : steel) {
        if (!(layer.area > 0)) continue;
        if (!first)
            first = &layer;
        else if (layer.depth != first->depth)
            return true;
    }
    return false;
}

}  // namespace

SectionState analyseSection(const SectionModel& m) {
    if (!validData(m)) return failed(AnalysisStatus::kInvalidData);
    if (m.N == 0 && m.M == 0) {
        SectionState state;
        state.status = AnalysisStatus::kSolved;
        state.steelStress.assign(m.steel.size(), 0.0);
        return state;
    }

    // Solver frame: turned over when the moment compresses the bottom.
    const bool turned = m.M < 0;
    auto depth = [&](double y) { return (turned ? m.H - y : y) / m.H; };

    // Scaled section: depths over H, widths over H, steel n*A/H^2, and all widths and steel
    // over the whole transformed area, so that no entry of the stiffness exceeds 1.
    const double flangeDepth = m.d / m.H, webDepth = (m.H - m.d) / m.H;
    const double flangeWidth = m.B / m.H, webWidth = m.s / m.H;
    double area = flangeWidth * flangeDepth + webWidth * webDepth;
    for (const SteelLayer& layer : m.steel)
        area += m.n * (layer.area / m.H / m.H);
    if (!finite(area) || !(area > 0)) return failed(AnalysisStatus::kOutOfRange);
    ScaledSection sec;
    const Band flange{0, flangeDepth, flangeWidth / area}, web{flangeDepth, 1, webWidth / area};
    if (turned) {
        sec.bands[0] = {0, webDepth, web.width};
        sec.bands[1] = {webDepth, 1, flange.width};
    } else {
        sec.bands[0] = flange;
        sec.bands[1] = web;
    }
    for (const SteelLayer& layer : m.steel) {
        const double alpha = m.n * (layer.area / m.H / m.H) / area, t = depth(layer.depth);
        sec.steel0 += alpha;
        sec.steel1 += alpha * t;
        sec.steel2 += alpha * t * t;
    }

    // The action as (N, -(first moment about the top)/H) = (N, M/H - N/2), scaled to a
    // largest component of 1, M taken in the solver frame.
    const double moment = (turned ? -m.M : m.M) / m.H;
    const double scale = std::max(std::fabs(m.N), std::fabs(moment));
    if (!finite(scale) || !(scale > 0)) return failed(AnalysisStatus::kOutOfRange);
    const double g0 = m.N / scale, g1 = moment / scale - g0 / 2;

    const double theta = solveDirection(sec, g0, g1);
    const double a = std::cos(theta), b = std::sin(theta);
    const Reacting r = reacting(sec, a, b);
    const double f0 = r.A * a - r.S * b, f1 = r.I * b - r.S * a;
    const double big = std::max(std::fabs(f0), std::fabs(f1));
    if (!(big > 0)) return failed(AnalysisStatus::kNoEquilibrium);
    const double u0 = f0 / big, u1 = f1 / big;
    const double dot = u0 * g0 + u1 * g1;
    if (!(dot > 0) || std::fabs(u0 * g1 - u1 * g0) >
                          kDirectionTolerance * std::hypot(u0, u1) * std::hypot(g0, g1))
        return failed(AnalysisStatus::kNoEquilibrium);

    SectionState state;
    // Stress line in kg/cm^2: lambda*(a - b*t), with lambda the ratio of action to force.
    const double lambda = dot / (u0 * u0 + u1 * u1) / big * (scale / area) / m.H / m.H;
    const double top = lambda * a, bottom = lambda * (a - b);
    state.sigmaTop = turned ? bottom : top;
    state.sigmaBottom = turned ? top : bottom;
    state.topCompressed = turned ? b <= 0 : b >= 0;
    double lo = 0, hi = 0;  // compressed depth of the concrete, from the top
    if (a > 0 || a - b > 0) {
        // x from the solver frame's top, then from the true top.
        const double xf = b == 0 ? std::numeric_limits<double>::infinity() : m.H * (a / b);
        const double x = turned && b != 0 ? m.H - xf : xf;
        state.x = x;
        state.regime = xf > 0 && xf < m.H ? Regime::kCracked : Regime::kWhollyCompressed;
        hi = m.H;
        if (state.regime == Regime::kCracked) (state.topCompressed ? hi : lo) = x;
        state.sigmaC = std::max({0.0, state.sigmaTop, state.sigmaBottom});
    } else {
        state.regime = Regime::kWhollyInTension;
        if (!steelAtTwoDepths(m.steel)) return failed(AnalysisStatus::kNoEquilibrium);
    }
    state.steelStress.reserve(m.steel.size());
    for (const SteelLayer& layer : m.steel)
        state.steelStress.push_back(m.n * (lambda * (a - b * depth(layer.depth))));

    // The resultant of what is reported, integrated again in kg and cm.
    const Resultant res =
        integrate(m, state.steelStress, state.sigmaTop, state.sigmaBottom, lo, hi);
    state.internalN = res.N;
    state.internalM = res.M;
    state.residualN = res.N - m.N;
    state.residualM = res.M - m.M;
    bool allFinite = finite(state.sigmaTop) && finite(state.sigmaBottom) && finite(res.magnitude) &&
                     finite(state.residualN) && finite(state.residualM);
    for (double v : state.steelStress)
        allFinite = allFinite && finite(v);
    // Beyond the double range the stresses or their sums lose what balances the action.
    if (!allFinite || std::fabs(state.residualN) > kResidualTolerance * res.magnitude ||
        std::fabs(state.residualM) > kResidualTolerance * res.magnitude * m.H / 2)
        return failed(AnalysisStatus::kOutOfRange);
    state.status = AnalysisStatus::kSolved;
    return state;
}

}  // namespace lirvo
