#include "column_check.h"

#include <cmath>

#include "bisection.h"
#include "column_common.h"
#include "numbers.h"

namespace lirvo {
namespace {

enum Field : int {
    kB = 2,
    kC1,
    kC2,
    kH,
    kAf,
    kAfc,
    kN,
    kM,
    kNormal,
    kX,
    kSigmaC,
    kSigmaF,
    kJ,
    kHTotal
};

constexpr InputField kInputs[] = {
    {kB, "B", "30", "MANCA LA BASE DEL PILASTRO"},
    {kC1, "C1", "3", "MANCA IL COPRIFERRO C1"},
    {kC2, "C2", "3", "MANCA IL COPRIFERRO C2"},
    {kH, "h", "47", "MANCA L'ALTEZZA UTILE"},
    {kAf, "Af", "10.16", "MANCA L'ARMATURA INFERIORE"},
    {kAfc, "Af'", "3.16", ""},  // 0: steel on one side only
    {kN, "n", "10", "MANCA IL RAPPORTO DEI MODILI ELASTICI"},
    {kM, "M", "150000", "MANCA IL MOMENTO FLETTENTE"},
    {kNormal, "N", "25000", "MANCA LO SFORZO NORMALE", Precision::kSingle},
};

constexpr ResultField kResults[] = {
    {kX, "X"}, {kSigmaC, "σc"}, {kSigmaF, "σf"}, {kJ, "J"}, {kHTotal, "H"},
};

// Residual |F| (cm^4) at which the neutral axis counts as found.
constexpr double kTolerance = 0.001;

int sign(double v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], C1 = in[kC1], C2 = in[kC2], h = in[kH], Af = in[kAf], Afc = in[kAfc],
                 n = in[kN], M = in[kM], N = in[kNormal];
    if (M < 0) return out.refuse(kNegativeMomentMessage);

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
    7, "pil-verifica", kInputs, kResults, compute, true,
};

}  // namespace lirvo
