// SI values of a report beside the kg and cm ones, against conversions worked by hand.
#include "sections/si_units.h"

#include <gtest/gtest.h>

#include "sections/materials.h"

namespace lirvo {
namespace {

struct SiRow {
    double value;
    Unit unit;
    const char* shown;  // four significant digits
    const char* unitText;
};

// Hand conversions, 1 kg = 9.80665 N: 1000000 kg·cm = 9806650 N·cm = 98.0665 kN·m;
// 57.4808628 kg/cm² = 563.69 N / 100 mm² = 5.6369 N/mm²; 8.04 cm² = 804 mm²;
// 330209 cm⁴ = 3.30209e9 mm⁴; 25000 kg = 245166.25 N; 18.98 cm = 189.8 mm.
const SiRow kRows[] = {
    {1000000, Unit::kKgCm, "98.07", "kN·m"},
    {57.4808628060891, Unit::kKgPerCm2, "5.637", "N/mm²"},
    {8.04, Unit::kCm2, "804.0", "mm²"},
    {330209, Unit::kCm4, "3.302e+09", "mm⁴"},
    {25000, Unit::kKg, "245200", "N"},
    {18.9807168027919, Unit::kCm, "189.8", "mm"},
    {-1757.04558063677, Unit::kKgPerCm2, "-172.3", "N/mm²"},
    {1.0198, Unit::kCm, "10.20", "mm"},
};

TEST(SiUnits, ConvertsEveryUnitToFourSignificantDigits) {
    for (const SiRow& row : kRows) {
        const auto si = toSi(row.value, row.unit);
        ASSERT_TRUE(si) << row.shown;
        EXPECT_EQ(fourSignificantDigits(si->value), row.shown);
        EXPECT_EQ(si->unit, row.unitText);
    }
    EXPECT_FALSE(toSi(10, Unit::kNone));                 // the modular ratio has no unit to convert
    EXPECT_EQ(fourSignificantDigits(0.99996), "1.000");  // rounding up keeps four digits
    EXPECT_EQ(fourSignificantDigits(0.00002), "2.000e-05");
}

TEST(Materials, AllowableStressesOfTheRules) {
    // Rck 250: 60 + 100/4 = 85 kg/cm²; Rck 150 is the lowest class, 60.
    EXPECT_EQ(allowableConcreteStress(250), 85);
    EXPECT_EQ(allowableConcreteStress(150), 60);
    EXPECT_FALSE(allowableConcreteStress(100));
    ASSERT_TRUE(findSteelGrade("FeB44k"));
    EXPECT_EQ(findSteelGrade("FeB44k")->allowable, 2600);
    EXPECT_EQ(findSteelGrade("FeB22k")->allowable, 1200);
    EXPECT_FALSE(findSteelGrade("S500"));
}

// Service limits of NTC 2018 §4.1.2.2.5 beside the allowables: fck = 0.83 Rck, FeB44k fyk 4400,
// B450C 450 N/mm² = 4588.72 kg/cm², which D.M. 1992 does not list.
TEST(Materials, ServiceStressLimitsOfEachRule) {
    const struct {
        StressLimits rule;
        double rck;
        const char* grade;
        std::optional<double> concrete, steel;
    } rows[] = {
        {StressLimits::kDm1992, 250, "FeB44k", 85, 2600},
        {StressLimits::kNtcCharacteristic, 250, "FeB44k", 0.60 * 207.5, 0.80 * 4400},
        {StressLimits::kNtcQuasiPermanent, 300, "FeB32k", 0.45 * 249, 0.80 * 3200},
        {StressLimits::kNtcCharacteristic, 250, "B450C", 124.5, 0.80 * 45000 / 9.80665},
        {StressLimits::kDm1992, 250, "B450C", 85, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(stressLimitsInfo(row.rule).name);
        const StressLimitValues v = stressLimits(row.rule, row.rck, row.grade);
        ASSERT_EQ(v.concrete.has_value(), row.concrete.has_value());
        ASSERT_EQ(v.steel.has_value(), row.steel.has_value());
        EXPECT_NEAR(v.concrete.value_or(0), row.concrete.value_or(0), 1e-9);
        EXPECT_NEAR(v.steel.value_or(0), row.steel.value_or(0), 1e-9);
    }
}

}  // namespace
}  // namespace lirvo
