#include "sections/tee_design.h"

#include <cmath>

#include "sections/numbers.h"
#include "sections/rectangle_design.h"

namespace lirvo {
namespace {

using namespace tee_design;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kFlangeWidth, "Base  della sezione(cm)  B", "140",
               "MANCA LA BASE DELLA TRAVE"),
    inputField(kD, "d", Quantity::kFlangeDepth, "Spessore soletta(cm)  d", "12",
               "MANCA LO SPESSORE DELLA SOLETTA"),
    inputField(kS, "s", Quantity::kWebWidth, "Larghezza costola(cm) s", "20",
               "MANCA LO SPESSORE DELLA COSTOLA"),
    inputField(kQ, "Q", Quantity::kCoverRatio, "Rapp.copriferro/Altezza   Q", "0", ""),
    inputField(kW, "W", Quantity::kSteelRatio, "Rapporto fra le Armature   W", "0", ""),
    inputField(kSigmaC, "σc", Quantity::kAllowableConcreteStress, "Tensione CLS(Kg/cmq) σc", "50",
               "MANCA LA TENSIONE AMMESSA PER IL CLS"),
    inputField(kSigmaF, "σf", Quantity::kAllowableSteelStress, "Tensione ferro(Kg/cmq) σf", "1400",
               "MANCA LA TENSIONE AMMESSA PER IL FERRO"),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici   n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "2400000",
               "MANCA IL MOMENTO FLETTENTE"),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)      X"),
    resultField(kH, "h", Quantity::kEffectiveDepth, "Altezza    utile(cm)  h"),
    resultField(kC, "C", Quantity::kCover, "Copriferro(cm)  C"),
    resultField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af"),
    resultField(kAfPrime, "Af'", Quantity::kCompressionSteel, "Armatura compr.(cmq) Af'"),
    resultField(kHTotal, "H", Quantity::kTotalDepth, "Altezza totale(cm)       H"),
};

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], d = in[kD], s = in[kS], Q = in[kQ], W = in[kW], sigmaC = in[kSigmaC],
                 sigmaF = in[kSigmaF], n = in[kModularRatio], M = in[kM];

    // First a rectangle as wide as the slab, designed with both materials at their
    // allowable stress.
    const double xi = balancedAxisRatio(sigmaC, sigmaF, n);
    if (W >= (1 - xi) / (xi - Q))
        return out.refuse("DATI DI PROGETTO ASSURDI", MessageStyle::kQuestion, kAttentionTitle, kW);
    const RectangleDesign rect = designRectangle(xi, B, Q, W, sigmaC, n, M);
    double h = rect.h;
    if (h < d)
        return out.refuse("LA SOLETTA REGGE SENZA COSTOLA", MessageStyle::kQuestion,
                          kAttentionTitle);

    double X = h * xi;
    double C = Q * h;  // no minimum cover here
    double Af = (rect.mu * B) * h;
    double Afc = (rect.muC * B) * h;

    if (X >= d) {
        // Neutral axis below the slab: a rib of width s whose compressed concrete has the
        // static moment of the rectangle of width B; depths and areas scale with the axis.
        const double Xr = X;
        const double p = (d * (B - s)) / s;
        const double q = (B * std::pow(Xr, 2) + (B - s) * std::pow(d, 2)) / s;
        X = -p + std::sqrt(std::pow(p, 2) + q);
        h = (h * X) / Xr;
        C = (C * X) / Xr;
        Af = (Af * Xr) / X;
        Afc = (Afc * Xr) / X;
    }

    C = integerPart(C + 0.8);  // a fraction of 0.2 cm or more rounds the cover up
    h = roundToWhole(h);
    Af = roundToHundredths(Af);
    Afc = roundToHundredths(Afc);

    out.set(kX, X);
    out.set(kH, h);
    out.set(kC, C);
    out.set(kAf, Af);
    out.set(kAfPrime, Afc);
    out.set(kHTotal, h + C);
}

}  // namespace

constinit const CalcCase kTeeDesign{
    5, "t-progetto", SectionType::kTee, Operation::kDesign, kFields, compute, false,
};

}  // namespace lirvo
