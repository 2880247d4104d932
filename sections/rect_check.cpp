#include "rect_check.h"

#include <cmath>

#include "numbers.h"

namespace lirvo {
namespace {

enum Field : int { kB = 2, kC, kH, kAf, kAfc, kN, kM, kJ, kX, kSigmaC, kSigmaF };

constexpr InputField kInputs[] = {
    {kB, "B", "25", "MANCA LA BASE DELLA TRAVE"},
    {kC, "C", "3", "MANCA IL COPRIFERRO"},
    {kH, "h", "77", "MANCA L'ALTEZZA DELLA TRAVE"},
    {kAf, "Af", "8.04", "MANCA L'Area dell'ARMATURA TESA"},
    {kAfc, "Af'", "1.01", "MANCA L'Area dell'ARMATURA COMPRESSA"},
    {kN, "n", "10", "MANCA IL RAPPORTO DEI MODILI ELASTICI"},
    {kM, "M", "1000000", "MANCA IL MOMENTO FLETTENTE"},
};

constexpr ResultField kResults[] = {
    {kJ, "J"},
    {kX, "X"},
    {kSigmaC, "σc"},
    {kSigmaF, "σf"},
};

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], C = in[kC], h = in[kH], Af = in[kAf], Afc = in[kAfc], n = in[kN],
                 M = in[kM];
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
    1, "rett-verifica", kInputs, kResults, compute,
};

}  // namespace lirvo
