#include "sections/tee_check.h"

#include <cmath>

#include "sections/numbers.h"

namespace lirvo {
namespace {

using namespace tee_check;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kFlangeWidth, "Base  della sezione(cm)  B", "120",
               "MANCA LA BASE DELLA TRAVE"),
    inputField(kD, "d", Quantity::kFlangeDepth, "Spessore soletta(cm)  d", "25",
               "MANCA LO SPESSORE DELLA SOLETTA"),
    inputField(kC, "C", Quantity::kCover, "Spessore copriferro(cm)  C", "3",
               "MANCA LO SPESSORE DEL IL COPRIFERRO"),
    inputField(kS, "s", Quantity::kWebWidth, "Larghezza costola(cm) s", "30",
               "MANCA LO SPESSORE DELLA COSTOLA"),
    inputField(kH, "h", Quantity::kEffectiveDepth, "Altezza    utile(cm)  h", "95",
               "MANCA L'ALTEZZA DELLA TRAVE"),
    inputField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af", "18.85",
               "MANCA L'Area dell'ARMATURA TESA"),
    zeroIsDatum(inputField(kAfPrime, "Af'", Quantity::kCompressionSteel,
                           "Armatura compressa(cmq) Af'", "4.71",
                           "MANCA L'Area dell'ARMATURA COMPRESSA")),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici   n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "3500000",
               "MANCA IL MOMENTO FLETTENTE"),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)   X"),
    resultField(kSigmaC, "σc", Quantity::kConcreteStress, "Tensione CLS(Kg/cmq) σc"),
    resultField(kSigmaF, "σf", Quantity::kSteelStress, "Tensione ferro(Kg/cmq) σf"),
    resultField(kJ, "J", Quantity::kInertia, "Momento di inerzia(cm4)   J"),
    resultField(kHTotal, "H", Quantity::kTotalDepth, "Altezza totale(cm)   H"),
};

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], d = in[kD], C = in[kC], h = in[kH], Af = in[kAf], Afc = in[kAfPrime],
                 n = in[kModularRatio], M = in[kM];
    double s = in[kS];

    // Static moments about the lower face of the slab: whole slab with the compression steel
    // against the tension steel. The neutral axis lies within the slab when the first is not
    // smaller, and the section then works as a rectangle as wide as the slab.
    const double S1 = (B * std::pow(d, 2)) / 2 + (n * Afc) * (d - C);
    const double S2 = (n * Af) * (h - d);
    if (S1 >= S2) s = B;

    const double p = (n * (Af + Afc) + (B - s) * d) / s;
    const double q = ((2 * n) * (Af * h + Afc * C) + (B - s) * std::pow(d, 2)) / s;
    const double X = -p + std::sqrt(std::pow(p, 2) + q);
    // The tension-steel term is held in single precision before it is added.
    const double J = (B * std::pow(X, 3)) / 3 - ((B - s) * std::pow(X - d, 3)) / 3 +
                     (n * Afc) * std::pow(X - C, 2) + toSingle((n * Af) * std::pow(h - X, 2));
    const double sigmaC = (M * X) / J;
    const double sigmaF = ((n * M) * (h - X)) / J;

    out.set(kX, cutToHundredths(X), X);
    out.set(kSigmaC, roundToWhole(sigmaC), sigmaC);
    out.set(kSigmaF, integerPart(sigmaF), sigmaF);
    out.set(kJ, integerPart(J));
    out.set(kHTotal, h + C);
}

}  // namespace

constinit const CalcCase kTeeCheck{
    4, "t-verifica", SectionType::kTee, Operation::kCheck, kFields, compute, false,
};

}  // namespace lirvo
