#include "sections/rect_check.h"

#include <cmath>

#include "sections/numbers.h"

namespace lirvo {
namespace {

using namespace rect_check;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kWidth, "Base  della sezione(cm)   B", "25",
               "MANCA LA BASE DELLA TRAVE"),
    inputField(kC, "C", Quantity::kCover, "Spessore copriferro(cm)   C", "3",
               "MANCA IL COPRIFERRO"),
    inputField(kH, "h", Quantity::kEffectiveDepth, "Altezza    utile(cm)   h", "77",
               "MANCA L'ALTEZZA DELLA TRAVE"),
    inputField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af ", "8.04",
               "MANCA L'Area dell'ARMATURA TESA"),
    zeroIsDatum(inputField(kAfPrime, "Af'", Quantity::kCompressionSteel,
                           "Armatura compressa(cmq) Af'", "1.01",
                           "MANCA L'Area dell'ARMATURA COMPRESSA")),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici   n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "1000000",
               "MANCA IL MOMENTO FLETTENTE"),
    resultField(kJ, "J", Quantity::kInertia, "Momento di inerzia(cm4)   J"),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)   X"),
    resultField(kSigmaC, "σc", Quantity::kConcreteStress, "Tensione CLS(Kg/cmq) σc"),
    resultField(kSigmaF, "σf", Quantity::kSteelStress, "Tensione ferro(Kg/cmq) σf"),
};

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], C = in[kC], h = in[kH], Af = in[kAf], Afc = in[kAfPrime],
                 n = in[kModularRatio], M = in[kM];
    // Equal static moments of the compressed concrete and the transformed steel about the
    // neutral axis: X^2 + 2pX - q = 0, positive root.
    const double p = (n * (Af + Afc)) / B;
    const double q = ((2 * n) * (Af * h + Afc * C)) / B;
    const double X = -p + std::sqrt(std::pow(p, 2) + q);
    const double J =
        (B * std::pow(X, 3)) / 3 + (n * Afc) * std::pow(X - C, 2) + (n * Af) * std::pow(h - X, 2);
    const double sigmaC = (M * X) / J;
    const double sigmaF = ((n * M) * (h - X)) / J;

    out.set(kJ, integerPart(J));
    out.set(kX, X);
    out.set(kSigmaC, sigmaC);
    out.set(kSigmaF, sigmaF);
}

}  // namespace

constinit const CalcCase kRectangularCheck{
    1, "rett-verifica", SectionType::kRectangular, Operation::kCheck, kFields, compute, false,
};

}  // namespace lirvo
