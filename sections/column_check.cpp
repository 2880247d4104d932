#include "sections/column_check.h"

#include <cmath>

#include "sections/bisection.h"
#include "sections/numbers.h"

namespace lirvo {
namespace {

using namespace column_check;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kWidth, "Base  della sezione(cm)   B", "30",
               "MANCA LA BASE DEL PILASTRO"),
    inputField(kC1, "C1", Quantity::kTensionCover, "Spessore copriferro(cm)  C1", "3",
               "MANCA IL COPRIFERRO C1"),
    inputField(kC2, "C2", Quantity::kCompressionCover, "Spessore copriferro(cm)  C2", "3",
               "MANCA IL COPRIFERRO C2"),
    inputField(kH, "h", Quantity::kEffectiveDepth, "Altezza   utile(cm)   h", "47",
               "MANCA L'ALTEZZA UTILE"),
    inputField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af", "10.16",
               "MANCA L'ARMATURA INFERIORE"),
    inputField(kAfPrime, "Af'", Quantity::kCompressionSteel, "Armatura compressa(cmq) Af'", "3.16",
               ""),  // 0: steel on one side only
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici   n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "150000",
               "MANCA IL MOMENTO FLETTENTE"),
    inputField(kN, "N", Quantity::kNormalForce, "Sforzo   Normale(Kg)   N", "25000",
               "MANCA LO SFORZO NORMALE", Precision::kSingle),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)   X"),
    resultField(kSigmaC, "σc", Quantity::kConcreteStress, "Tensione CLS(Kg/cmq) σc"),
    resultField(kSigmaF, "σf", Quantity::kSteelStress, "Tensione ferro(Kg/cmq) σf"),
    resultField(kJ, "J", Quantity::kInertia, "Momento di inerzia(cm4)   J"),
    resultField(kHTotal, "H", Quantity::kTotalDepth, "Altezza totale(cm)   H"),
};

// Residual |F| (cm^4) at which the neutral axis counts as found.
constexpr double kTolerance = 0.001;

int sign(double v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], C1 = in[kC1], C2 = in[kC2], h = in[kH], Af = in[kAf],
                 Afc = in[kAfPrime], n = in[kModularRatio], M = in[kM], N = in[kN];

    // Depths from the edge of Af'. For a trial axis x: moment of inertia J and first moment
    // S of the reacting section, and the residual F, zero when the resultant passes through
    // the line of action of N.
    double J = 0, S = 0;
    auto F = [&](double x) {
        J = (B * std::pow(x, 3)) / 3 + (n * Afc) * std::pow(x - C2, 2) +
            (n * Af) * std::pow(h - x, 2);
        S = (B * std::pow(x, 2)) / 2 + (n * Afc) * (x - C2) - (n * Af) * (h - x);
        return J - (M / N - (h + C1) / 2 + x) * S;
    };

    const double H = h + C1;
    const double F1 = F(0);
    const double F2 = F(H);
    if (!(F1 * F2 >= 0)) {  // a change of sign across the section
        const double x = bisect(0, H, F1, F, kTolerance);
        const double sigmaC = (N * x) / S;
        const double sigmaF = ((n * N) * (h - x)) / S;
        out.set(kX, x);
        out.set(kSigmaC, sigmaC);
        out.set(kSigmaF, sigmaF);
        out.set(kJ, integerPart(J));
        out.set(kHTotal, H);
        return;
    }

    // Neutral axis outside the section.
    for (int field : {kX, kSigmaC, kSigmaF, kJ, kHTotal})
        out.blank(field);
    if (N >= 0) {
        // Whole section compressed: homogenised section about its centroid.
        const double Ai = B * (h + C1) + n * (Af + Afc);
        const double xG =
            toSingle(((B * std::pow(h + C1, 2)) / 2 + (n * Afc) * C2 + (n * Af) * h) / Ai);
        const double Jg = (B * std::pow(xG, 3)) / 3 + (B * std::pow((h + C1) - xG, 3)) / 3 +
                          (n * Afc) * std::pow(xG - C2, 2) + (n * Af) * std::pow(h - xG, 2);
        const double Mg = M + N * (xG - (h + C1) / 2);
        const double sigmaC = N / Ai + (Mg * xG) / Jg;
        out.notice("sezione tutta compressa");
        out.set(kSigmaC, sigmaC);
    } else if (sign(Af) + sign(Afc) >= 2) {
        // Whole section in tension: the two steels alone, about their centroid.
        const double A = Af + Afc;
        const double xG = toSingle((Afc * C2 + Af * h) / A);
        const double Js = Afc * std::pow(xG - C2, 2) + Af * std::pow(h - xG, 2);
        const double Mg = M + N * (xG - (h + C1) / 2);
        const double sigmaF = (-N) / A + (Mg * (h - xG)) / Js;
        out.notice("sezione tutta tesa");
        out.set(kSigmaF, sigmaF);
    } else {
        out.notice("equilibrio impossibile");
    }
}

}  // namespace

constinit const CalcCase kColumnCheck{
    7, "pil-verifica", SectionType::kColumn, Operation::kCheck, kFields, compute, true,
};

}  // namespace lirvo
