// The resistance at the ultimate limit state against hand calculations, its domain's ends and
// symmetries, and the balance of the reported ultimate state on random sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "sections/uls_analysis.h"

namespace lirvo::testing {
namespace {

// Es ec2 = 4078.86 kg/cm²: a yield above it keeps bars at ec2 elastic.
constexpr double kElasticAtEc2 = kSteelModulus * kStrainC2;

SectionModel rectangle(double B, double H, std::vector<SteelLayer> steel) {
    return {rectangleOutline(B, H), H, std::move(steel)};
}

// Singly reinforced 30 x 50, 10 cm² at 46, fcd 110, fyd 3500, no N. With the top at ecu and
// ec2 at 3x/7, the parabola-rectangle gives (3/7 + 4/7 * 2/3) fcd b x = 17/21 fcd b x at
// (3/7 * 3/14 + 8/21 * (3/7 + 4/7 * 3/8)) / (17/21) x = 99/238 x = 0.4160 x from the top
// (EN 1992-1-1 §3.1.7). Equilibrium 17/21 * 110 * 30 x = 35000 gives x = 13.10 cm, the bar
// strain 0.0035 (46 - x)/x = 0.0088 is past yield (3500/Es = 0.0017), and
// M_Rd = 35000 (46 - 99/238 x) about H/2 (the couple's moment is the same about any point).
TEST(UlsAnalysis, SinglyReinforcedRectangleMatchesTheStressBlockByHand) {
    const UlsSection section(rectangle(30, 50, {{10, 46}}), {110, 3500});
    const std::optional<UlsState> s = section.resistance(0, true);
    ASSERT_TRUE(s);
    const double x = 35000 / (17.0 / 21 * 110 * 30);
    EXPECT_NEAR(s->x, x, 1e-12 * x);
    EXPECT_NEAR(s->M, 35000 * (46 - 99.0 / 238 * x), 1e-11 * 35000 * 46);
    EXPECT_EQ(s->strainTop, kStrainCu);
    EXPECT_NEAR(s->steelStrain[0], -kStrainCu * (46 - x) / x, 1e-15);
    EXPECT_EQ(s->steelStress[0], -3500);
}

// Bars 3 cm² at 4 and 10 cm² at 46 in 30 x 50, fcd 110. N_Rd,t = -fyd * 13 with
// M = -fyd (3 * 21 - 10 * 21); N_Rd,c = 110 * 1500 + 13 min(fyd, Es ec2) with M = min(...) *
// (3 * 21 - 10 * 21). At both ends the two sides meet; beyond them nothing resists.
TEST(UlsAnalysis, DomainEndsAreTheTensionAndUniformCompressionPlanes) {
    for (double fyd : {3500.0, 5000.0}) {
        SCOPED_TRACE(fyd);
        const UlsSection section(rectangle(30, 50, {{3, 4}, {10, 46}}), {110, fyd});
        const double atEc2 = std::min(fyd, kElasticAtEc2);
        EXPECT_EQ(section.tensionResistance(), -fyd * 13);
        EXPECT_NEAR(section.compressionResistance(), 165000 + 13 * atEc2, 1e-12 * 2e5);
        const std::vector<UlsDomainPoint> ends = section.domain(2);
        ASSERT_EQ(ends.size(), 2u);
        EXPECT_NEAR(ends[0].positive, fyd * 147, 1e-9 * fyd * 147);
        EXPECT_NEAR(ends[1].positive, -atEc2 * 147, 1e-9 * fyd * 147);
        // Above Es ec2 the turned side's elastic bar at 4 cm from its edge lifts N past N_Rd,c
        // on the way (x > H) and falls back: N_Rd,c there is reached first on a plane nearer
        // x = H than the uniform one, so only the tension end need close.
        EXPECT_NEAR(ends[0].positive, ends[0].negative, 1e-9 * fyd * 147);
        if (fyd < kElasticAtEc2) {
            EXPECT_NEAR(ends[1].positive, ends[1].negative, 1e-9 * fyd * 147);
        }
        const double below = std::nextafter(section.tensionResistance(), -1e9);
        const double above = std::nextafter(section.compressionResistance(), 1e9);
        EXPECT_FALSE(section.resistance(below, true) || section.resistance(above, false));
        const std::optional<UlsState> pulled =
            section.resistance(section.tensionResistance(), true);
        ASSERT_TRUE(pulled);
        EXPECT_EQ(pulled->x, 0);
        EXPECT_EQ(pulled->steelStrain, std::vector<double>(2, -INFINITY));
    }
}

// A bar on the compressed edge (the T design may write C = 0) keeps ecu as x -> 0; below that
// plane's N the domain runs along x = 0, the other bars at -fyd and the edge bar's stress
// rising from -fyd. 4 cm² at 0 and 10 at 46, fyd 3000: N = -35000 leaves -5000 kg to the edge
// bar, -1250 kg/cm², and M = 4 (-1250) 25 + 30000 * 21 = 505000 kg cm.
TEST(UlsAnalysis, BarOnTheCompressedEdgeClosesTheDomainAlongXZero) {
    const UlsSection section(rectangle(30, 50, {{4, 0}, {10, 46}}), {110, 3000});
    const std::optional<UlsState> s = section.resistance(-35000, true);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->x, 0);
    EXPECT_NEAR(s->steelStress[0], -1250, 1e-9);
    EXPECT_NEAR(s->strainTop, -1250 / kSteelModulus, 1e-18);
    EXPECT_NEAR(s->M, 505000, 1e-9 * 505000);
}

// A column with equal bars at equal covers: M_Rd-(N) = -M_Rd+(N) all along, also where a yield
// above Es ec2 lets two planes share an N.
TEST(UlsAnalysis, SymmetricColumnHasASymmetricDomain) {
    for (double fyd : {3826.0, 5500.0}) {
        const UlsSection section(rectangle(30, 50, {{8, 4}, {8, 46}}), {141, fyd});
        double largest = 0;
        for (const UlsDomainPoint& p : section.domain(41))
            largest = std::max(largest, std::fabs(p.positive));
        for (const UlsDomainPoint& p : section.domain(41))
            EXPECT_NEAR(p.positive, -p.negative, 1e-10 * largest) << fyd << " N " << p.N;
    }
}

// A T 100 x 15 over a 30 web, H 60, with 8 cm² at 56: x = 8 fyd / (17/21 fcd 100) = 3.4 cm lies in
// the flange, so the web below plays no part: the rectangle 100 x 60 resists the same.
TEST(UlsAnalysis, TeeWithTheAxisInTheFlangeIsTheRectangleOfFlangeWidth) {
    const std::vector<SteelLayer> steel = {{2, 4}, {8, 56}};
    const UlsSection tee({teeOutline(100, 15, 30, 60), 60, steel}, {110, 3826});
    const UlsSection wide(rectangle(100, 60, steel), {110, 3826});
    for (double N : {0.0, 5000.0}) {
        const auto t = tee.resistance(N, true), r = wide.resistance(N, true);
        ASSERT_TRUE(t && r);
        EXPECT_LT(t->x, 15);
        EXPECT_NEAR(t->M, r->M, 1e-12 * r->M);
        EXPECT_NEAR(t->x, r->x, 1e-12 * r->x);
    }
}

// Concrete stress of the parabola-rectangle, written afresh for the check below.
double concreteStress(double strain, double fcd) {
    if (!(strain > 0)) return 0;
    if (strain >= kStrainC2) return fcd;
    const double r = strain / kStrainC2;
    return fcd * r * (2 - r);
}

// Random rectangles, tapered sections and Ts, materials and N within the domain, both sides:
// the reported plane is ultimate, its bars follow the steel law, and the stresses summed
// again over 20000 fibres of concrete and the bars give back N and M_Rd.
TEST(UlsAnalysis, ReportedUltimateStateBalancesNByAFibreSum) {
    std::mt19937_64 bits(7);
    auto draw = [&](double lo, double hi) { return lo + (hi - lo) * ((bits() >> 11) * 0x1p-53); };
    for (int i = 0; i < 300; ++i) {
        const double B = draw(20, 120), H = draw(25, 100), c = draw(2, 5);
        const int shape = i % 3;
        const Outline outline = shape == 0   ? rectangleOutline(B, H)
                                : shape == 1 ? Outline{{0, H, B, draw(0, 2 * B)}}
                                             : teeOutline(B, draw(5, 0.4 * H), draw(15, B), H);
        const SectionModel m{
            outline, H, {{draw(0, 20), c}, {draw(0, 10), draw(c, H)}, {draw(1, 30), H - c}}};
        const double fcd = draw(80, 250), fyd = draw(2000, 6000);
        const UlsSection section(m, {fcd, fyd});
        ASSERT_TRUE(section.valid());
        const double Nt = section.tensionResistance(), Nc = section.compressionResistance();
        const double N = Nt + (Nc - Nt) * draw(0, 1), scale = std::max(-Nt, Nc);
        for (bool positive : {true, false}) {
            SCOPED_TRACE(::testing::Message() << i << (positive ? " +" : " -"));
            const std::optional<UlsState> s = section.resistance(N, positive);
            ASSERT_TRUE(s);
            // Ultimate: ecu on the compressed edge up to x = H, ec2 at 3H/7 from it beyond.
            // (The draw keeps every bar off the edge, so x = 0 only at N_Rd,t.)
            const double top = s->strainTop, bottom = s->strainBottom;
            const double pivot = top + (bottom - top) * (positive ? 3.0 / 7 : 4.0 / 7);
            if (s->x == 0)
                EXPECT_TRUE(std::isinf(positive ? bottom : top));  // along the tension end
            else if (s->x <= H)
                EXPECT_NEAR(positive ? top : bottom, kStrainCu, 1e-15);
            else
                EXPECT_NEAR(pivot, kStrainC2, 1e-15);
            double sumN = 0, sumM = 0;
            for (size_t k = 0; k < m.steel.size(); ++k) {
                const double sigma = s->steelStress[k];
                EXPECT_EQ(sigma, std::clamp(kSteelModulus * s->steelStrain[k], -fyd, fyd));
                sumN += m.steel[k].area * sigma;
                sumM += m.steel[k].area * sigma * (H / 2 - m.steel[k].depth);
            }
            const int fibres = 20000;
            for (const Trapezoid& t : outline)
                for (int f = 0; f < fibres && s->x > 0; ++f) {
                    const double k = (f + 0.5) / fibres, y = t.top + (t.bottom - t.top) * k;
                    const double width = t.topWidth + (t.bottomWidth - t.topWidth) * k;
                    const double force = concreteStress(top + (bottom - top) * y / H, fcd) * width *
                                         (t.bottom - t.top) / fibres;
                    sumN += force;
                    sumM += force * (H / 2 - y);
                }
            EXPECT_NEAR(sumN, N, 1e-7 * scale);
            EXPECT_NEAR(sumM, s->M, 1e-7 * scale * H);
        }
    }
}

}  // namespace
}  // namespace lirvo::testing
