#include "sections/tee_semi_design.h"

#include <algorithm>
#include <cmath>

#include "sections/numbers.h"
#include "sections/search.h"

namespace lirvo {
namespace {

using namespace tee_semi_design;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kFlangeWidth, "Base  della sezione(cm)   B", "140",
               "MANCA LA BASE DELLA TRAVE"),
    inputField(kD, "d", Quantity::kFlangeDepth, "Spessore soletta(cm)   d", "12",
               "MANCA LO SPESSORE DELLA SOLETTA"),
    inputField(kC, "C", Quantity::kCover, "Copriferro(cm)   C", "3", "MANCA IL COPRIFERRO"),
    inputField(kS, "s", Quantity::kWebWidth, "Larghezza costola(cm)   s", "20",
               "MANCA LO SPESSORE DELLA COSTOLA"),
    inputField(kH, "h", Quantity::kEffectiveDepth, "Altezza    utile(cm)    h", "54",
               "MANCA L'ALTEZZA UTILE"),
    inputField(kSigmaC, "σc", Quantity::kAllowableConcreteStress, "Tensione CLS(Kg/cmq) σc", "80",
               "MANCA LA TENSIONE AMMESSA PER IL CLS"),
    inputField(kSigmaF, "σf", Quantity::kAllowableSteelStress, "Tensione ferro(Kg/cmq) σf", "1400",
               "MANCA LA TENSIONE AMMESSA PER IL FERRO"),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici   n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "2400000",
               "MANCA IL MOMENTO FLETTENTE"),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)   X"),
    resultField(kHOut, "h", Quantity::kEffectiveDepth, "Altezza  utile(cm)   h"),
    resultField(kHTotal, "H", Quantity::kTotalDepth, "Altezza totale(cm)   H"),
    resultField(kJ, "J", Quantity::kInertia, "Momento di inerzia(cm4)  J"),
    resultField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af"),
    resultField(kAfPrime, "Af'", Quantity::kCompressionSteel, "Armatura compr.(cmq) Af'"),
};

// The neutral-axis search advances by this much (cm) at every step.
constexpr double kStep = 0.001;

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], d = in[kD], C = in[kC], s = in[kS], h = in[kH], sigmaC = in[kSigmaC],
                 sigmaF = in[kSigmaF], n = in[kModularRatio], M = in[kM];

    // Working width below the slab, held in single precision: the whole slab while the
    // neutral axis lies within it, the rib beyond.
    double w = 0;
    auto applyWidthRule = [&](double x) { w = toSingle(x <= d ? B : s); };
    // Tension steel that balances the compressed concrete about the neutral axis.
    auto tensionSteel = [&](double x) {
        return (B * std::pow(x, 2) - (B - w) * std::pow(x - d, 2)) / ((2 * n) * (h - x));
    };
    double Afc = 0;

    // Balanced section, tension steel only.
    double X = ((n * sigmaC) * h) / (sigmaF + n * sigmaC);
    applyWidthRule(X);
    double Af = tensionSteel(X);
    const double J = (B * std::pow(X, 3)) / 3 - ((B - w) * std::pow(X - d, 3)) / 3 +
                     (n * Af) * std::pow(h - X, 2);
    const double Mlim = (sigmaC * J) / X;

    if (M >= Mlim) {
        // Compression steel for the moment beyond the balanced one, at the balanced axis.
        const double deltaAf = (M - Mlim) / (sigmaF * (h - C));
        Af = Af + deltaAf;
        Afc = (deltaAf * (h - X)) / (X - C);
    } else {
        // Tension steel at its allowable stress, concrete below it: step the neutral axis
        // down from the compressed edge until the section's equilibrium F(X) reaches T.
        // The coefficients of F and the target T depend only on the working width.
        struct Cubic {
            double w, a, b, c, T;
        };
        auto cubicFor = [&](double width) {
            Cubic k;
            k.w = toSingle(width);
            k.a = (B - k.w) / 6 - B / 6;
            k.b = (B * h) / 2 - ((B - k.w) * h) / 2;
            k.c = (n * M) / sigmaF + ((B - k.w) * (std::pow(d, 2) + (2 * d) * (3 * h - 2 * d))) / 6;
            k.T = (((B - k.w) * (3 * h - 2 * d)) * std::pow(d, 2)) / 6 + ((n * M) * h) / sigmaF;
            return k;
        };
        const Cubic inSlab = cubicFor(B), inRib = cubicFor(s);
        auto F = [](const Cubic& k, double x) {
            return (k.a * std::pow(x, 3) + k.b * std::pow(x, 2)) + k.c * x;
        };
        const Cubic* k = nullptr;
        X = 0;
        long steps = 0;
        do {
            // Steps proven to go on are taken at once, never across the slab's edge.
            const Cubic& ahead = X < d ? inSlab : inRib;
            skipStepsSurelyBelow(ahead.a, ahead.b, ahead.c, ahead.T, kStep,
                                 X < d ? std::min(h, d) : h, X, steps);
            X = X + kStep;
            if (X > h || ++steps > kMaxSearchSteps) return out.refuseImpossible();
            k = X <= d ? &inSlab : &inRib;  // the width rule
        } while (cubicSurelyBelow(k->a, k->b, k->c, X, k->T) || F(*k, X) < k->T);
        w = k->w;
        Af = tensionSteel(X);
    }

    X = roundToHundredths(X);
    Af = roundToHundredths(Af);
    Afc = roundToHundredths(Afc);

    out.set(kX, X);
    out.set(kHOut, h);
    out.set(kHTotal, h + C);
    out.set(kJ, integerPart(J));
    out.set(kAf, Af);
    out.set(kAfPrime, Afc);
}

}  // namespace

constinit const CalcCase kTeeSemiDesign{
    6, "t-semiprogetto", SectionType::kTee, Operation::kSemiDesign, kFields, compute, false,
};

}  // namespace lirvo
