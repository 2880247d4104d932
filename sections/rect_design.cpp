#include "rect_design.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "numbers.h"
#include "rectangle_design.h"

namespace lirvo {
namespace {

enum Field : int { kB = 2, kQ, kW, kSigmaC, kSigmaF, kN, kM, kH, kC, kHTotal, kX, kJ, kAf, kAfc };

constexpr InputField kInputs[] = {
    {kB, "B", "25", "MANCA LA BASE DELLA TRAVE"},
    {kQ, "Q", "0", ""},
    {kW, "W", "0", ""},
    {kSigmaC, "σc", "50", "MANCA LA TENSIONE AMMISSIBILE DEL CLS"},
    {kSigmaF, "σf", "1400", "MANCA LA TENSIONE AMMISSIBILE DEL FERRO"},
    {kN, "n", "10", "MANCA IL RAPPORTO DEI MODILI ELASTICI"},
    {kM, "M", "690000", "MANCA IL MOMENTO FLETTENTE"},
};

constexpr ResultField kResults[] = {
    {kH, "h"}, {kC, "C"},         {kHTotal, "H"},      {kX, "X"},
    {kJ, "J"}, {kAf, "Af", true}, {kAfc, "Af'", true},
};

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], Q = in[kQ], W = in[kW], sigmaC = in[kSigmaC], sigmaF = in[kSigmaF],
                 n = in[kN], M = in[kM];
    const double xi = balancedAxisRatio(sigmaC, sigmaF, n);

    // Beyond this ratio the tension steel ratio has a denominator of zero or less.
    const double limit = (1 - xi) / (xi - Q);
    if (W >= limit) {
        if (!std::isfinite(limit)) return out.refuseImpossible();
        return out.refuse("DATI ASSURDI perchè W>" + writeNumber(limit));
    }

    const RectangleDesign rect = designRectangle(xi, B, Q, W, sigmaC, n, M);
    const double mu = rect.mu, muC = rect.muC, k = rect.k;
    double h = rect.h;
    double X = h * xi;
    double C = Q * h;
    if (C <= 3) C = 3;  // a cover of at least 3 cm
    double Af = (mu * B) * h;
    double Afc = (muC * B) * h;
    const double J = (B * std::pow(h, 3)) * k;

    h = roundToWhole(h);
    C = roundToWhole(C);
    // The total depth is a 16-bit whole number.
    const double total = h + C;
    if (!(total >= std::numeric_limits<std::int16_t>::min() &&
          total <= std::numeric_limits<std::int16_t>::max()))
        return out.refuseImpossible();
    const auto H = static_cast<std::int16_t>(total);
    Af = cutToHundredths(Af);
    Afc = cutToHundredths(Afc);
    X = cutToHundredths(X);

    out.set(kH, h);
    out.set(kC, C);
    out.set(kHTotal, H);
    out.set(kX, X);
    out.set(kJ, integerPart(J));
    out.set(kAf, Af);
    out.set(kAfc, Afc);
}

}  // namespace

constinit const CalcCase kRectangularDesign{
    2, "rett-progetto", kInputs, kResults, compute,
};

}  // namespace lirvo
