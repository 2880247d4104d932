// The elastic cracked-section analysis against hand calculations, against the worked examples
// of the three check cases, and against equilibrium on random sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "sections/numbers.h"
#include "sections/section_analysis.h"
#include "tests/run_case.h"

namespace lirvo::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SectionModel rectangle(double B, double H, std::vector<SteelLayer> steel, double n, double N,
                       double M) {
    return {rectangleOutline(B, H), H, std::move(steel), n, N, M};
}

struct HandRow {
    const char* what;
    SectionModel model;
    Regime regime;
    double x;  // NaN: no neutral axis; infinity: a uniform stress
    double sigmaC;
    std::vector<double> steel;
};

// Rectangle 30 x 50, n = 15 unless said. x1 = -5 + sqrt(485) solves 30x^2/2 = 150(46 - x);
// the lever arm is then 46 - x1/3.
const double x1 = -5 + std::sqrt(485.0), z1 = 46 - x1 / 3;

// clang-format off
const HandRow kHandRows[] = {
    // sigma c = 2M/(B x z), steel M/(A z) in tension.
    {"bending", rectangle(30, 50, {{10, 46}}, 15, 0, 2e6), Regime::kCracked, x1, 4e6 / (30 * x1 * z1), {-2e6 / (10 * z1)}},
    // Lengths 1e-30 or 1e100 times, areas their square, M their cube: the same stresses.
    {"bending, 1e-30 scale", rectangle(30e-30, 50e-30, {{10e-60, 46e-30}}, 15, 0, 2e-84), Regime::kCracked, x1 * 1e-30, 4e6 / (30 * x1 * z1), {-2e6 / (10 * z1)}},
    {"bending, 1e100 scale", rectangle(30e100, 50e100, {{10e200, 46e100}}, 15, 0, 2e306), Regime::kCracked, x1 * 1e100, 4e6 / (30 * x1 * z1), {-2e6 / (10 * z1)}},
    // The same section turned over: the bottom is compressed, up to 50 - x1.
    {"negative moment", rectangle(30, 50, {{10, 4}}, 15, 0, -2e6), Regime::kCracked, 50 - x1, 4e6 / (30 * x1 * z1), {-2e6 / (10 * z1)}},
    // Centred push, symmetric steel: sigma = N/(BH + n sum A) = 1e5/1650, steel 15 times it.
    {"centred push", rectangle(30, 50, {{5, 4}, {5, 46}}, 15, 1e5, 0), Regime::kWhollyCompressed, kInf, 1e5 / 1650, {1.5e6 / 1650, 1.5e6 / 1650}},
    // Plain concrete, e = 5 < H/6: sigma = 1e5/1500 +- 5e5/12500 = 106.67 and 26.67, zero at
    // x = 50*106.67/80 = 66.67; the empty layer at 10 reads 15(106.67 - 80*10/50) = 1360.
    {"push inside the core", rectangle(30, 50, {{0, 10}}, 15, 1e5, 5e5), Regime::kWhollyCompressed, 200.0 / 3, 320.0 / 3, {1360}},
    // Plain concrete, e = 15 > H/6: triangle x = 3(25 - 15) = 30, sigma c = 2N/(B x) = 66.67.
    {"push outside the core", rectangle(30, 50, {}, 15, 3e4, 4.5e5), Regime::kCracked, 30, 200.0 / 3, {}},
    // Chosen x = 10, sigma c = 100: concrete 15000 kg at 10/3, steel 15*100*36/10 = 5400 in
    // tension, 54000 kg at 46: N = -39000, M = 15000(25 - 10/3) + 54000*21 = 1459000.
    {"pull outside the steel", rectangle(30, 50, {{10, 46}}, 15, -39000, 1459000), Regime::kCracked, 10, 100, {-5400}},
    // No action: every stress 0, no neutral axis.
    {"no action", rectangle(30, 50, {{4, 4}, {8, 46}}, 15, 0, 0), Regime::kUnloaded, kNaN, 0, {0, 0}},
    // Pull at 25 between layers at 4 and 46: levers 21 and 21, 12000 kg each on 4 and 8 cm2.
    {"eccentric tie", rectangle(30, 50, {{4, 4}, {8, 46}}, 15, -24000, 0), Regime::kWhollyInTension, kNaN, 0, {-3000, -1500}},
};
// clang-format on

TEST(SectionAnalysis, MatchesHandCalculationsInEveryRegime) {
    for (const HandRow& row : kHandRows) {
        SCOPED_TRACE(row.what);
        const SectionState s = analyseSection(row.model);
        ASSERT_EQ(s.status, AnalysisStatus::kSolved);
        EXPECT_EQ(s.regime, row.regime);
        EXPECT_EQ(s.x.has_value(), !std::isnan(row.x));
        if (std::isfinite(row.x)) {
            EXPECT_NEAR(s.x.value_or(kNaN), row.x, 1e-12 * std::fabs(row.x));
        }
        EXPECT_TRUE(!std::isinf(row.x) || s.x.value_or(0) > 1e6 * row.model.H);  // uniform
        EXPECT_NEAR(s.sigmaC, row.sigmaC, 1e-12 * row.sigmaC);
        ASSERT_EQ(s.steelStress.size(), row.steel.size());
        for (size_t i = 0; i < row.steel.size(); ++i)
            EXPECT_NEAR(s.steelStress[i], row.steel[i], 1e-12 * std::fabs(row.steel[i]));
    }
}

// What a check case writes, against this analysis of the same section (tension steel first).
enum Measured { kX, kSigmaC, kSigmaF };
struct CaseRow {
    const char* what;
    int code;
    std::vector<std::string> texts;  // empty: the case's own example
    SectionModel model;
    std::vector<std::tuple<const char*, Measured, double>> results;  // symbol, what, tolerance
};

// clang-format off
const CaseRow kCaseRows[] = {
    // Closed form in double precision: only rounding differs.
    {"rectangular check", 1, {}, rectangle(25, 80, {{8.04, 77}, {1.01, 3}}, 10, 0, 1e6), {{"X", kX, 1e-9}, {"σc", kSigmaC, 1e-9}, {"σf", kSigmaF, 1e-9}}},
    // X cut to hundredths, sigma c rounded, sigma f cut to whole numbers (15.49, 40, 2064): one
    // written step of each (its single-precision J term moves them by 1e-7 only).
    {"T check", 4, {}, {teeOutline(120, 25, 30, 98), 98, {{18.85, 95}, {4.71, 3}}, 10, 0, 3.5e6}, {{"X", kX, 0.01 / 15.49}, {"σc", kSigmaC, 0.5 / 40}, {"σf", kSigmaF, 1.0 / 2064}}},
    // Wholly compressed: the case's centroid 25.94 is held in single precision, within
    // 9.5e-7 cm; the top stress moves 2.2 kg/cm^2 per cm of it, 7.6e-8 of 27.3 (6.5e-9 seen).
    {"column check", 7, {}, rectangle(30, 50, {{10.16, 47}, {3.16, 3}}, 10, 25000, 150000), {{"σc", kSigmaC, 1e-7}}},
    // Bisection stops at |F| <= 0.001 cm^4 where dF/dx = S - (e - H/2 + x)A = -34400 cm^3: x
    // within 2.9e-8 cm, 1.6e-9 of x; sigma f = nN(h - x)/S moves 8e-9 (seen 1.4e-9 to 7.3e-9).
    {"column check, axis inside", 7, {"30", "3", "3", "47", "10.16", "3.16", "10", "1500000", "25000"},
     rectangle(30, 50, {{10.16, 47}, {3.16, 3}}, 10, 25000, 1.5e6), {{"X", kX, 1e-8}, {"σc", kSigmaC, 1e-8}, {"σf", kSigmaF, 1e-8}}},
};
// clang-format on

TEST(SectionAnalysis, AgreesWithTheCheckCasesToTheirPrecision) {
    for (const CaseRow& row : kCaseRows) {
        SCOPED_TRACE(row.what);
        CaseRun run;
        runCase(run, row.code, row.texts, row.texts.empty());
        const SectionState s = analyseSection(row.model);
        ASSERT_EQ(s.status, AnalysisStatus::kSolved);
        for (const auto& [symbol, measured, relative] : row.results) {
            const double ours = measured == kX        ? s.x.value_or(kNaN)
                                : measured == kSigmaC ? s.sigmaC
                                                      : -s.steelStress[0];
            EXPECT_NEAR(readNumber(run.result(symbol)), ours, relative * std::fabs(ours)) << symbol;
        }
    }
}

TEST(SectionAnalysis, RandomSectionsBalanceTheActionOnOneStressLine) {
    std::mt19937_64 bits(1);  // fixed seed; the draw below is the same on every platform
    auto draw = [&](double lo, double hi) { return lo + (hi - lo) * ((bits() >> 11) * 0x1p-53); };
    int seen[4] = {};
    for (int i = 0; i < 3000; ++i) {
        const double B = draw(20, 150), H = draw(30, 120);
        const bool tee = draw(0, 1) < 0.5;
        const double d = tee ? draw(8, 0.4 * H) : H, s = tee ? draw(15, std::min(B, 50.0)) : B;
        // Half the rectangles taper to a bottom width from nothing to twice the top's.
        const double bottomWidth = !tee && i % 2 ? draw(0, 2 * B) : s;
        const Outline outline = tee ? teeOutline(B, d, s, H) : Outline{{0, H, B, bottomWidth}};
        const double c = draw(2, 6), e = draw(-H, H) * draw(0, 1);
        // Pure bending, a push or a pull, at eccentricities up to H, mostly small ones.
        const double N = i % 3 == 0 ? 0 : (i % 3 == 1 ? draw(1e3, 5e5) : -draw(1e3, 3e5));
        const double M = N == 0 ? draw(-1e7, 1e7) : N * e;
        const std::vector<SteelLayer> steel = {
            {draw(2, 40), H - c}, {draw(0, 15), c}, {draw(0, 10), draw(c, H - c)}};
        const SectionModel m{outline, H, steel, draw(6, 20), N, M};
        const SectionState st = analyseSection(m);
        ASSERT_EQ(st.status, AnalysisStatus::kSolved) << i;
        ++seen[int(st.regime)];

        // One line: the steel at n times it, x where it vanishes, sigma c its largest value.
        const double span = std::fabs(st.sigmaTop) + std::fabs(st.sigmaBottom);
        auto line = [&](double y) { return st.sigmaTop + (st.sigmaBottom - st.sigmaTop) * y / H; };
        for (size_t k = 0; k < m.steel.size(); ++k)
            EXPECT_NEAR(st.steelStress[k] / m.n, line(m.steel[k].depth), 1e-12 * span);
        const double x = st.x.value_or(kNaN);
        if (std::isfinite(x)) {
            EXPECT_NEAR(line(x), 0, 1e-12 * span * std::max(1.0, std::fabs(x) / H));
        }
        EXPECT_EQ(st.sigmaC, std::max({0.0, st.sigmaTop, st.sigmaBottom}));

        // Resultant of the line over the outline where it is positive, by Simpson's rule on
        // each piece (exact for its linear and quadratic integrands), and of the steel; with
        // the sum of the magnitudes of the parts.
        const double t = st.sigmaTop, b = st.sigmaBottom, zero = H * t / (t - b);
        const double lo = t < 0 && b > 0 ? zero : 0,
                     hi = t > 0 && b < 0 ? zero : (t > 0 || b > 0 ? H : 0);
        double sumN = 0, sumM = 0, magnitude = 0;
        for (const Trapezoid& piece : outline) {
            const double p = std::max(piece.top, lo), q = std::min(piece.bottom, hi);
            if (q <= p) continue;
            auto w = [&](double y) {
                const double k = (y - piece.top) / (piece.bottom - piece.top);
                return piece.topWidth * (1 - k) + piece.bottomWidth * k;
            };
            // Exact for the cubic of a tapered piece's moment too.
            auto simpson = [&](auto f) { return (q - p) / 6 * (f(p) + 4 * f((p + q) / 2) + f(q)); };
            const double force = simpson([&](double y) { return w(y) * line(y); });
            sumN += force, magnitude += std::fabs(force);
            sumM += simpson([&](double y) { return w(y) * line(y) * (H / 2 - y); });
        }
        for (size_t k = 0; k < steel.size(); ++k) {
            const double force = steel[k].area * st.steelStress[k];
            sumN += force, sumM += force * (H / 2 - steel[k].depth), magnitude += std::fabs(force);
        }
        EXPECT_NEAR(sumN, N, 1e-9 * magnitude) << i;
        EXPECT_NEAR(sumM, M, 1e-9 * magnitude * H / 2) << i;
        EXPECT_NEAR(st.internalN, sumN, 1e-9 * magnitude) << i;
    }
    for (int regime : {1, 2, 3})  // cracked, wholly compressed, in tension: hundreds of each
        EXPECT_GT(seen[regime], 300) << regime;
}

// clang-format off
const std::pair<SectionModel, AnalysisStatus> kRefusals[] = {
    {{teeOutline(30, 51, 20, 50), 50, {{10, 46}}, 15, 1e4, 1e6}, AnalysisStatus::kInvalidData},  // flange deeper than H
    {rectangle(30, 50, {{10, 50.5}}, 15, 1e4, 1e6), AnalysisStatus::kInvalidData},  // bar below the section
    {rectangle(30, 50, {}, 15, 0, 1e6), AnalysisStatus::kNoEquilibrium},  // moment, no steel
    {rectangle(30, 50, {}, 15, 1e4, 3e5), AnalysisStatus::kNoEquilibrium},  // push 5 cm above the top
    {rectangle(30, 50, {{5, 25}, {0, 4}}, 15, -1e4, 0), AnalysisStatus::kNoEquilibrium},  // pull on one layer
    {rectangle(kNaN, 50, {{10, 46}}, 15, 1e4, 1e6), AnalysisStatus::kInvalidData},
    {rectangle(1e-200, 1e-200, {{1, 1e-200}}, 15, 1e300, 0), AnalysisStatus::kOutOfRange},  // n A/H^2 = inf
    {rectangle(1e308, 1e308, {{1e308, 1e308}}, 15, 1e308, 1e308), AnalysisStatus::kOutOfRange},  // B*H overflows
};
// clang-format on

TEST(SectionAnalysis, RefusesDataWithoutADeterminedEquilibrium) {
    for (size_t i = 0; i < std::size(kRefusals); ++i) {
        const SectionState s = analyseSection(kRefusals[i].first);
        EXPECT_EQ(s.status, kRefusals[i].second) << "row " << i;
        EXPECT_TRUE(s.steelStress.empty() && s.sigmaC == 0 && !s.x) << "row " << i;
    }
}

}  // namespace
}  // namespace lirvo::testing
