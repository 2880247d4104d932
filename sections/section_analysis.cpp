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

// The scaled section in the solver frame: its pieces (depths t in 0..1 from the top of that
// frame, widths over H and over the transformed area) and the sums of its steel, alpha =
// n*A/H^2 over the transformed area: sum alpha, sum alpha*t, sum alpha*t^2.
struct ScaledSection {
    Outline pieces;
    double steel0 = 0, steel1 = 0, steel2 = 0;
    double area = 0;  // the transformed area over H^2 the widths and steel were divided by
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
    for (const Trapezoid& piece : sec.pieces) {
        const auto [p, q, wp, wq] = slice(piece, lo, hi);
        if (!(q > p)) continue;
        // Integrals of 1, t, t^2 over [p, q] times the width: those of the mean width, factored
        // so that a short piece keeps its digits, and the terms of its taper (nil for equal
        // widths) about the middle of the piece.
        const double L = q - p, wl = (wp + wq) / 2 * L, taper = wq - wp;
        r.A += wl;
        r.S += wl * (p + q) / 2 + taper * L * L / 12;
        r.I += wl * (p * p + p * q + q * q) / 3 + taper * L * L * (p + q) / 12;
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
    for (const Trapezoid& piece : m.outline) {
        const auto [p, q, wp, wq] = slice(piece, lo, hi);
        if (!(q > p)) continue;
        // Trapezoid of stress over [p, q] on the mean width: the force is the mean stress times
        // the area; the moment about c is that force times (c - mid), less (sq - sp) * L/12 per
        // unit of width and length for the slope of the load. The taper of the width adds its
        // product with the slope of the stress, and its own lever about the middle.
        const double L = q - p, sp = line(p), sq = line(q), mid = (p + q) / 2;
        const double wm = (wp + wq) / 2, taper = wq - wp, mean = (sp + sq) / 2, slope = sq - sp;
        const double force = wm * L * (sp + sq) / 2 + taper * L * slope / 12;
        r.N += force;
        r.M += wm * L * (mean * (c - mid) - slope * L / 12) +
               taper * L * (slope / 12 * (c - mid) - mean * L / 12);
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
    for (double v : {m.H, m.n, m.N, m.M})
        if (!finite(v)) return false;
    if (!(m.H > 0 && m.n > 0 && validOutline(m.outline, m.H))) return false;
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

// The scaled section in the solver frame, turned over when `turned`: depths over H, widths
// over H, steel n*A/H^2, and all widths and steel over the whole transformed area, so that no
// entry of the stiffness exceeds 1. Empty when that area leaves the double range.
std::optional<ScaledSection> scaledSection(const SectionModel& m, bool turned) {
    auto depth = [&](double y) { return (turned ? m.H - y : y) / m.H; };
    double area = 0;
    for (const Trapezoid& t : m.outline)
        area += (t.topWidth + t.bottomWidth) / 2 / m.H * ((t.bottom - t.top) / m.H);
    for (const SteelLayer& layer : m.steel)
        area += m.n * (layer.area / m.H / m.H);
    if (!finite(area) || !(area > 0)) return std::nullopt;
    ScaledSection sec;
    sec.pieces.reserve(m.outline.size());
    auto add = [&](const Trapezoid& t) {
        const double w0 = t.topWidth / m.H / area, w1 = t.bottomWidth / m.H / area;
        if (turned)
            sec.pieces.push_back({depth(t.bottom), depth(t.top), w1, w0});
        else
            sec.pieces.push_back({depth(t.top), depth(t.bottom), w0, w1});
    };
    if (turned)
        std::for_each(m.outline.rbegin(), m.outline.rend(), add);
    else
        std::for_each(m.outline.begin(), m.outline.end(), add);
    for (const SteelLayer& layer : m.steel) {
        const double alpha = m.n * (layer.area / m.H / m.H) / area, t = depth(layer.depth);
        sec.steel0 += alpha;
        sec.steel1 += alpha * t;
        sec.steel2 += alpha * t * t;
    }
    sec.area = area;
    return sec;
}

// The stresses of the stress line lambda*(a - b*t) of the solver frame, in kg/cm^2, into the
// state: the edges, the neutral axis and the regime, the steel. Returns the compressed depth of
// the concrete from the true top, [lo, hi] (empty in tension); false for a pull that the steel
// at a single depth would have to take alone (the line is not determined then).
bool stressesOfLine(const SectionModel& m, bool turned, double lambda, double a, double b,
                    SectionState& state, double& lo, double& hi) {
    auto depth = [&](double y) { return (turned ? m.H - y : y) / m.H; };
    const double top = lambda * a, bottom = lambda * (a - b);
    state.sigmaTop = turned ? bottom : top;
    state.sigmaBottom = turned ? top : bottom;
    state.topCompressed = turned ? b <= 0 : b >= 0;
    lo = hi = 0;
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
        if (!steelAtTwoDepths(m.steel)) return false;
    }
    state.steelStress.reserve(m.steel.size());
    for (const SteelLayer& layer : m.steel)
        state.steelStress.push_back(m.n * (lambda * (a - b * depth(layer.depth))));
    return true;
}

// The resultant of what the state reports, integrated again in kg and cm, into the state;
// false where it leaves the double range or no longer balances the action.
bool balances(const SectionModel& m, SectionState& state, double lo, double hi) {
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
    return allFinite && std::fabs(state.residualN) <= kResidualTolerance * res.magnitude &&
           std::fabs(state.residualM) <= kResidualTolerance * res.magnitude * m.H / 2;
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
    const std::optional<ScaledSection> sec = scaledSection(m, turned);
    if (!sec) return failed(AnalysisStatus::kOutOfRange);

    // The action as (N, -(first moment about the top)/H) = (N, M/H - N/2), scaled to a
    // largest component of 1, M taken in the solver frame.
    const double moment = (turned ? -m.M : m.M) / m.H;
    const double scale = std::max(std::fabs(m.N), std::fabs(moment));
    if (!finite(scale) || !(scale > 0)) return failed(AnalysisStatus::kOutOfRange);
    const double g0 = m.N / scale, g1 = moment / scale - g0 / 2;

    const double theta = solveDirection(*sec, g0, g1);
    const double a = std::cos(theta), b = std::sin(theta);
    const Reacting r = reacting(*sec, a, b);
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
    const double lambda = dot / (u0 * u0 + u1 * u1) / big * (scale / sec->area) / m.H / m.H;
    double lo, hi;
    if (!stressesOfLine(m, turned, lambda, a, b, state, lo, hi))
        return failed(AnalysisStatus::kNoEquilibrium);
    if (!balances(m, state, lo, hi)) return failed(AnalysisStatus::kOutOfRange);
    state.status = AnalysisStatus::kSolved;
    return state;
}

}  // namespace lirvo
