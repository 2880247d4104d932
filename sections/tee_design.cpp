#include "tee_design.h"

#include <cmath>

#include "numbers.h"
#include "rectangle_design.h"

namespace lirvo {
namespace {

enum Field : int {
    kB = 2,
    kD,
    kS,
    kQ,
    kW,
    kSigmaC,
    kSigmaF,
    kN,
    kM,
    kX,
    kH,
    kC,
    kAf,
    kAfc,
    kHTotal
};

constexpr InputField kInputs[] = {
    {kB, "B", "140", "MANCA LA BASE DELLA TRAVE"},
    {kD, "d", "12", "MANCA LO SPESSORE DELLA SOLETTA"},
    {kS, "s", "20", "MANCA LO SPESSORE DELLA COSTOLA"},
    {kQ, "Q", "0", ""},
    {kW, "W", "0", ""},
    {kSigmaC, "σc", "50", "MANCA LA TENSIONE AMMESSA PER IL CLS"},
    {kSigmaF, "σf", "1400", "MANCA LA TENSIONE AMMESSA PER IL FERRO"},
    {kN, "n", "10", "MANCA IL RAPPORTO DEI MODILI ELASTICI"},
    {kM, "M", "2400000", "MANCA IL MOMENTO FLETTENTE"},
};

constexpr ResultField kResults[] = {
    {kX, "X"}, {kH, "h"}, {kC, "C"}, {kAf, "Af", true}, {kAfc, "Af'", true}, {kHTotal, "H"},
};

constexpr const char* kWarningTitle = "ATTENZIONE";

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], d = in[kD], s = in[kS], Q = in[kQ], W = in[kW], sigmaC = in[kSigmaC],
                 sigmaF = in[kSigmaF], n = in[kN], M = in[kM];

    // First a rectangle as wide as the slab, designed with both materials at their
    // allowable stress.
    const double xi = balancedAxisRatio(sigmaC, sigmaF, n);
    if (W >= (1 - xi) / (xi - Q))
        return out.refuse("DATI DI PROGETTO ASSURDI", kQuestionStyle, kWarningTitle);
    const RectangleDesign rect = designRectangle(xi, B, Q, W, sigmaC, n, M);
    double h = rect.h;
    if (h < d) return out.refuse("LA SOLETTA REGGE SENZA COSTOLA", kQuestionStyle, kWarningTitle);

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
    out.set(kAfc, Afc);
    out.set(kHTotal, h + C);
}

}  // namespace

constinit const CalcCase kTeeDesign{
    5, "t-progetto", kInputs, kResults, compute,
};

}  // namespace lirvo
