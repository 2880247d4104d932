// Design strengths for the ultimate limit state, in kg/cm² (1 kg = 9.80665 N, 1 N/mm² =
// 100/9.80665 kg/cm²), from what an engineer knows of the materials:
//   design values given            fcd, fyd;
//   new construction               fcd = αcc·fck/γc, fyd = fyk/γs (NTC 2018 §4.1.2.1.1.1 and
//                                  §4.1.2.1.1.3), fck from the cube strength Rck;
//   existing building              fcd = fcm/FC, fyd = fym/FC, FC by the knowledge level
//                                  (NTC 2018 §8.7.2 and C8.5.4, ductile mechanisms).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lirvo {

struct UlsStrengths {
    double fcd = 0;  // concrete design strength, kg/cm²
    double fyd = 0;  // steel design yield strength, kg/cm²
};

// fck = 0.83·Rck (NTC 2018 §11.2.10.1).
inline constexpr double kFckPerRck = 0.83;
// Long-term coefficient and partial factors of new construction (NTC 2018 §4.1.2.1.1).
inline constexpr double kAlphaCc = 0.85, kGammaC = 1.5, kGammaS = 1.15;

struct NewConstruction {
    double fck = 0, fyk = 0;  // characteristic strengths, kg/cm²
    double alphaCc = kAlphaCc, gammaC = kGammaC, gammaS = kGammaS;
};
UlsStrengths designStrengths(const NewConstruction& materials);

struct ExistingBuilding {
    double fcm = 0, fym = 0;  // mean strengths found on site, kg/cm²
    int knowledgeLevel = 0;   // LC1, LC2, LC3
};
// None for a knowledge level other than 1, 2 or 3.
std::optional<UlsStrengths> designStrengths(const ExistingBuilding& materials);

// The confidence factor FC of knowledge level LC1, LC2, LC3: 1.35, 1.20, 1.00.
std::optional<double> confidenceFactor(int knowledgeLevel);

// The characteristic yield strength fyk of a steel grade by its name ("FeB44k", "B450C",
// "Aq50"; letters in either case), kg/cm²; none for a grade we do not know.
std::optional<double> characteristicYield(std::string_view grade);
// Their names: "FeB22k, FeB32k, …".
std::string steelGradeNames();

}  // namespace lirvo
