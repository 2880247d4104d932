#include "sections/materials.h"

#include <array>

namespace lirvo {
namespace {

constexpr std::array<SteelGrade, 4> kSteelGrades = {{
    {"FeB22k", 1200},
    {"FeB32k", 1600},
    {"FeB38k", 2200},
    {"FeB44k", 2600},
}};

constexpr double kLowestRck = 150, kHighestRck = 500;

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

}  // namespace lirvo
