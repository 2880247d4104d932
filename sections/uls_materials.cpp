#include "sections/uls_materials.h"

#include <array>

#include "sections/si_units.h"

namespace lirvo {
namespace {

struct YieldOfGrade {
    std::string_view name;
    double fyk;  // kg/cm²
};

// Characteristic yield strengths: the ribbed grades of D.M. 1992 (FeB..k) and of NTC 2018
// §11.3.2.1 (B450C, 450 N/mm²), and the smooth bars of older buildings (Aq..).
const std::array<YieldOfGrade, 8> kGrades = {{
    {"FeB22k", 2200},
    {"FeB32k", 3200},
    {"FeB38k", 3800},
    {"FeB44k", 4400},
    {"B450C", 450 * 100 / kNewtonsPerKg},
    {"Aq42", 2300},
    {"Aq50", 2700},
    {"Aq60", 3100},
}};

bool sameLetters(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

UlsStrengths designStrengths(const NewConstruction& m) {
    return {m.alphaCc * m.fck / m.gammaC, m.fyk / m.gammaS};
}

std::optional<double> confidenceFactor(int knowledgeLevel) {
    constexpr double kFactors[] = {1.35, 1.20, 1.00};
    if (knowledgeLevel < 1 || knowledgeLevel > 3) return std::nullopt;
    return kFactors[knowledgeLevel - 1];
}

std::optional<UlsStrengths> designStrengths(const ExistingBuilding& m) {
    const std::optional<double> fc = confidenceFactor(m.knowledgeLevel);
    if (!fc) return std::nullopt;
    return UlsStrengths{m.fcm / *fc, m.fym / *fc};
}

std::optional<double> characteristicYield(std::string_view grade) {
    for (const YieldOfGrade& g : kGrades)
        if (sameLetters(g.name, grade)) return g.fyk;
    return std::nullopt;
}

std::string steelGradeNames() {
    std::string names;
    for (const YieldOfGrade& g : kGrades)
        names.append(names.empty() ? "" : ", ").append(g.name);
    return names;
}

}  // namespace lirvo
