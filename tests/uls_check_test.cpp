// The ultimate check of a section under its design actions: the verdict between M_Rd- and
// M_Rd+, the utilisation against a hand calculation, and the parabola-rectangle law the
// diagrams draw.
#include "sections/uls_check.h"

#include <gtest/gtest.h>

namespace lirvo {
namespace {

// εc2 = 0.002: at 0.001 the parabola gives fcd (1 - 0.5²) = 0.75 fcd; fcd from εc2 on.
TEST(UlsCheck, ConcreteLawIsTheParabolaRectangle) {
    const struct {
        double strain, stress;
    } rows[] = {{-0.001, 0}, {0, 0}, {0.0005, 43.75}, {0.001, 75}, {0.002, 100}, {0.0035, 100}};
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(concreteStress(row.strain, 100), row.stress) << row.strain;
}

// 30 x 50, 10 cm² at 46 cm, fcd 100, fyd 3000, N = 0: the bar yields and the block is
// 0.8095 fcd b x at 0.416 x, so x = 30000 / (0.8095 100 30) = 12.353 cm and M_Rd about H/2 =
// 30000 (25 - 0.416 x) + 30000 (46 - 25) = 1 225 830 kg cm (to the rounding of 0.8095, 0.416).
TEST(UlsCheck, UtilisationOfASinglyReinforcedBeamByHand) {
    const SectionModel beam{rectangleOutline(30, 50), 50, {{10, 46}}, 15, 0, 0};
    const UlsSection section(beam, {100, 3000});
    const UlsCheck c = checkUls(section, 0, 1e6);
    ASSERT_TRUE(c.ultimate && c.utilisation && c.verified);
    EXPECT_NEAR(c.ultimate->x, 12.353, 2e-3);
    EXPECT_NEAR(c.ultimate->M, 1225830, 200);
    EXPECT_NEAR(*c.utilisation, 1e6 / 1225830, 2e-4);
    EXPECT_TRUE(*c.verified);
    EXPECT_TRUE(yieldsInTension(c.ultimate->steelStress[0], 3000));
}

// Verified from M_Rd- to M_Rd+ at N_Ed, both ends included; outside the domain never.
TEST(UlsCheck, VerdictLiesBetweenTheResistancesOfBothSigns) {
    const SectionModel column{rectangleOutline(30, 50), 50, {{4, 4}, {12, 46}}, 15, 0, 0};
    const UlsSection section(column, {110, 3826});
    const double N = 40000;
    const double plus = section.resistance(N, true)->M, minus = section.resistance(N, false)->M;
    ASSERT_GT(plus, -minus);  // more steel below: a larger positive resistance
    const struct {
        std::optional<double> M;
        std::optional<bool> verified;
        bool positive;
    } rows[] = {
        {plus, true, true},   {plus * 1.001, false, true},   {0, true, true},
        {minus, true, false}, {minus * 1.001, false, false}, {std::nullopt, std::nullopt, true},
    };
    for (const auto& row : rows) {
        const UlsCheck c = checkUls(section, N, row.M);
        EXPECT_EQ(c.verified, row.verified) << row.M.value_or(-1);
        EXPECT_EQ(c.positive, row.positive);
        EXPECT_EQ(c.ultimate->M, row.positive ? plus : minus);
        EXPECT_EQ(*c.otherSide, row.positive ? minus : plus);
    }
    const UlsCheck outside = checkUls(section, section.compressionResistance() * 1.01, 0.0);
    EXPECT_FALSE(outside.ultimate);
    EXPECT_EQ(outside.verified, false);
    EXPECT_FALSE(outside.utilisation);
}

}  // namespace
}  // namespace lirvo
