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

}  // namespace lirvo
