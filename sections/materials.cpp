#include "sections/materials.h"

#include <array>

#include "sections/uls_materials.h"

namespace lirvo {
namespace {

constexpr std::array<SteelGrade, 4> kSteelGrades = {{
    {"FeB22k", 1200},
    {"FeB32k", 1600},
    {"FeB38k", 2200},
    {"FeB44k", 2600},
}};

constexpr double kLowestRck = 150, kHighestRck = 500;

constexpr std::array<StressLimitsInfo, 3> kRules = {{
    {StressLimits::kDm1992, "dm1992", "D.M. 14/02/1992 (tensioni ammissibili)", "D.M. 14/02/1992"},
    {StressLimits::kNtcCharacteristic, "ntc2018-caratteristica",
     "NTC 2018, combinazione caratteristica",
     "NTC 2018 §4.1.2.2.5, combinazione caratteristica: σc ≤ 0.60·fck, σs ≤ 0.80·fyk"},
    {StressLimits::kNtcQuasiPermanent, "ntc2018-quasi-permanente",
     "NTC 2018, combinazione quasi permanente",
     "NTC 2018 §4.1.2.2.5, combinazione quasi permanente: σc ≤ 0.45·fck, σs ≤ 0.80·fyk"},
}};

// σs <= 0.80 fyk, NTC 2018 §4.1.2.2.5.2; σc by the combination, §4.1.2.2.5.1.
constexpr double kSteelShareOfFyk = 0.80;

}  // namespace

std::optional<double> allowableConcreteStress(double rck) {
    if (!(rck >= kLowestRck && rck <= kHighestRck)) return std::nullopt;
    return 60 + (rck - 150) / 4;
}

std::span<const SteelGrade> steelGrades() {
    return kSteelGrades;
}

const SteelGrade* findSteelGrade(std::string_view name) {
    for (const SteelGrade& grade : kSteelGrades)
        if (grade.name == name) return &grade;
    return nullptr;
}

std::span<const StressLimitsInfo> stressLimitRules() {
    return kRules;
}

const StressLimitsInfo& stressLimitsInfo(StressLimits rule) {
    return kRules[static_cast<size_t>(rule)];
}

StressLimitValues stressLimits(StressLimits rule, double rck, std::string_view grade) {
    if (rule == StressLimits::kDm1992) {
        const SteelGrade* steel = findSteelGrade(grade);
        return {allowableConcreteStress(rck),
                steel ? std::optional<double>(steel->allowable) : std::nullopt};
    }
    const double share = rule == StressLimits::kNtcCharacteristic ? 0.60 : 0.45;
    const std::optional<double> fyk = characteristicYield(grade);
    return {rck > 0 ? std::optional<double>(share * kFckPerRck * rck) : std::nullopt,
            fyk ? std::optional<double>(kSteelShareOfFyk * *fyk) : std::nullopt};
}

}  // namespace lirvo
