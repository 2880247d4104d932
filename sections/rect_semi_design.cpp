#include "sections/rect_semi_design.h"

#include <cmath>

#include "sections/numbers.h"
#include "sections/search.h"

namespace lirvo {
namespace {

using namespace rect_semi_design;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kWidth, "Base  della sezione(cm)   B", "25",
               "MANCA LA BASE DELLA TRAVE"),
    inputField(kC, "C", Quantity::kCover, "Copriferro(cm)   C", "3",
               "MANCA LO SPESSORE DEL COPRIFERRO"),
    inputField(kH, "h", Quantity::kEffectiveDepth, "Altezza    utile(cm)   h", "67",
               "MANCA L'ALTEZZA UTILE DELLA TRAVE"),
    inputField(kSigmaC, "σc", Quantity::kAllowableConcreteStress, "Tensione CLS(Kg/cmq) σc", "60",
               "MANCA LA TENSIONE AMMISSIBILE DEL CLS"),
    inputField(kSigmaF, "σf", Quantity::kAllowableSteelStress, "Tensione ferro(Kg/cmq) σf", "1400",
               "MANCA LA TENSIONE AMMISSIBILE DEL FERRO"),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici    n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "680000",
               "MANCA IL MOMENTO FLETTENTE"),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)   X"),
    resultField(kSigmaCOut, "σc", Quantity::kConcreteStress, "Tensione CLS(Kg/cmq) σc"),
    resultField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af"),
    resultField(kAfPrime, "Af'", Quantity::kCompressionSteel, "Armatura compr.(cmq) Af'"),
};

// The neutral-axis search advances by this much (cm) at every step.
constexpr double kStep = 0.0001;
// The customary start of the search, below which no neutral axis of a practical beam lies.
constexpr double kUsualStart = 17;

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], C = in[kC], h = in[kH], sigmaC = in[kSigmaC], sigmaF = in[kSigmaF],
                 n = in[kModularRatio], M = in[kM];
    double Afc = 0;
    double sigmaCOut = sigmaC;  // at its allowable stress unless the search finds less

    // Balanced section, tension steel only: both materials at their allowable stress.
    double X = ((n * sigmaC) * h) / (sigmaF + n * sigmaC);
    double Af = (B * std::pow(X, 2)) / ((2 * n) * (h - X));
    const double J = (B * std::pow(X, 3)) / 3 + (n * Af) * std::pow(h - X, 2);
    const double Mlim = (sigmaC * J) / X;

    if (M < Mlim) {
        // Tension steel at its allowable stress, concrete below it: the neutral axis solves
        // B*sf*X^2*(h - X/3) = 2*n*M*(h - X), found in steps of kStep.
        const double a = (sigmaF * B) / 6;
        const double b = ((sigmaF * B) * h) / 2;
        const double T = toSingle((n * M) * h);
        auto F = [&](double x) {
            return toSingle(((-a) * std::pow(x, 3) + b * std::pow(x, 2)) + (n * M) * x);
        };
        // Start at 17 cm only when the root surely lies beyond the first step from there.
        X = (h > kUsualStart && F(kUsualStart + kStep) <= T) ? kUsualStart : 0;
        long steps = 0;
        do {
            skipStepsSurelyBelow(-a, b, n * M, T, kStep, h, X, steps);
            X = X + kStep;
            if (X > h || ++steps > kMaxSearchSteps) return out.refuseImpossible();
        } while (cubicSurelyBelow(-a, b, n * M, X, T) || F(X) <= T);
        // The section written is the one this axis describes: the steel that puts the
        // tension steel at sigma f with this X, and the concrete stress that goes with it.
        Af = (B * std::pow(X, 2)) / ((2 * n) * (h - X));
        sigmaCOut = (sigmaF * X) / (n * (h - X));
    } else {
        // Compression steel for the moment beyond the balanced one, at the balanced axis.
        const double deltaAf = (M - Mlim) / (sigmaF * (h - C));
        Af = Af + deltaAf;
        Afc = (deltaAf * (h - X)) / (X - C);
    }

    out.set(kX, X);
    out.set(kSigmaCOut, sigmaCOut);
    out.set(kAf, Af);
    out.set(kAfPrime, Afc);
}

}  // namespace

constinit const CalcCase kRectangularSemiDesign{
    3,     "rett-semiprogetto", SectionType::kRectangular, Operation::kSemiDesign, kFields, compute,
    false,
};

}  // namespace lirvo
