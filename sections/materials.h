// Allowable stresses proposed for a check by the Italian rules of the allowable-stress method
// (D.M. 14 febbraio 1992): the concrete by its characteristic cube strength Rck, the steel by
// its grade. The user may change them; a check has none among its data.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace lirvo {

// σc,adm in bending = 60 + (Rck − 150) / 4 kg/cm²; none outside the classes the rule covers
// (Rck from 150 to 500 kg/cm²).
std::optional<double> allowableConcreteStress(double rck);

struct SteelGrade {
    std::string_view name;  // "FeB44k"
    double allowable;       // σf,adm, kg/cm²
};

std::span<const SteelGrade> steelGrades();
const SteelGrade* findSteelGrade(std::string_view name);

// The rule that gives the stress limits in service of a check.
enum class StressLimits {
    kDm1992,             // the allowable stresses above
    kNtcCharacteristic,  // NTC 2018 §4.1.2.2.5: σc <= 0.60 fck, σs <= 0.80 fyk
    kNtcQuasiPermanent,  // NTC 2018 §4.1.2.2.5: σc <= 0.45 fck, σs <= 0.80 fyk
};

// How each rule is named in the case file ("limiti") and where the report cites it.
struct StressLimitsInfo {
    StressLimits rule;
    std::string_view key;       // in the case file
    std::string_view name;      // in the dialog's list
    std::string_view citation;  // in the report
};
std::span<const StressLimitsInfo> stressLimitRules();
const StressLimitsInfo& stressLimitsInfo(StressLimits rule);

// The limits a rule gives for the concrete class Rck (fck = 0.83 Rck) and a steel grade (fyk
// of sections/uls_materials.h), kg/cm²; none where the rule does not cover the class or grade.
struct StressLimitValues {
    std::optional<double> concrete, steel;
};
StressLimitValues stressLimits(StressLimits rule, double rck, std::string_view grade);

}  // namespace lirvo
