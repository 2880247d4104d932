#include "sections/rect_design.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "sections/numbers.h"
#include "sections/rectangle_design.h"

namespace lirvo {
namespace {

using namespace rect_design;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kWidth, "Base  della sezione(cm)   B", "25",
               "MANCA LA BASE DELLA TRAVE"),
    inputField(kQ, "Q", Quantity::kCoverRatio, "Rapp.copriferro/Altezza    Q", "0", ""),
    inputField(kW, "W", Quantity::kSteelRatio, "Rapporto fra le Armature    W", "0", ""),
    inputField(kSigmaC, "σc", Quantity::kAllowableConcreteStress, "Tensione CLS(Kg/cmq) σc", "50",
               "MANCA LA TENSIONE AMMISSIBILE DEL CLS"),
    inputField(kSigmaF, "σf", Quantity::kAllowableSteelStress, "Tensione ferro(Kg/cmq) σf", "1400",
               "MANCA LA TENSIONE AMMISSIBILE DEL FERRO"),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici   n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "690000",
               "MANCA IL MOMENTO FLETTENTE"),
    resultField(kH, "h", Quantity::kEffectiveDepth, "Altezza    utile(cm)  h"),
    resultField(kC, "C", Quantity::kCover, "Copriferro(cm)  C"),
    resultField(kHTotal, "H", Quantity::kTotalDepth, "Altezza(cm) H"),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)  X"),
    resultField(kJ, "J", Quantity::kInertia, "Momento di inerzia(cm4)  J"),
    resultField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af"),
    resultField(kAfPrime, "Af'", Quantity::kCompressionSteel, "Armatura compr.(cmq) Af'"),
};

// The cover is written at least 3 cm. Compression steel designed nearer the edge than that
// would stand deeper in the section written than in the design, and the concrete would take
// what it no longer does: the steel is designed at the cover written instead, with the
// smallest ratio Q' >= Q whose cover Q' h(Q') reaches 3 cm, found by halving [Q, xi]. Without
// compression steel the cover changes nothing and Q stays.
double coverRatioWritten(double xi, double B, double Q, double W, double sigmaC, double n, double M,
                         Outcome& out) {
    auto cover = [&](double q) { return q * designRectangle(xi, B, q, W, sigmaC, n, M).h; };
    if (!(W > 0) || !(cover(Q) < 3)) return Q;
    if (!(cover(xi) >= 3)) {
        out.refuseImpossible();
        return Q;
    }
    double lo = Q, hi = xi;
    for (;;) {
        const double mid = (lo + hi) / 2;
        if (mid == lo || mid == hi) return hi;
        if (cover(mid) < 3)
            lo = mid;
        else
            hi = mid;
    }
}

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], Q = in[kQ], W = in[kW], sigmaC = in[kSigmaC], sigmaF = in[kSigmaF],
                 n = in[kModularRatio], M = in[kM];
    const double xi = balancedAxisRatio(sigmaC, sigmaF, n);

    // Beyond this ratio the tension steel ratio has a denominator of zero or less.
    const double limit = (1 - xi) / (xi - Q);
    if (W >= limit) {
        if (!std::isfinite(limit)) return out.refuseImpossible();
        return out.refuse("DATI ASSURDI perchè W>" + writeNumber(limit), MessageStyle::kPlain, {},
                          kW);
    }

    const double coverRatio = coverRatioWritten(xi, B, Q, W, sigmaC, n, M, out);
    if (out.refusal()) return;
    const RectangleDesign rect = designRectangle(xi, B, coverRatio, W, sigmaC, n, M);
    const double mu = rect.mu, muC = rect.muC, k = rect.k;
    double h = rect.h;
    double X = h * xi;
    double C = coverRatio * h;
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
    out.set(kAfPrime, Afc);
}

}  // namespace

constinit const CalcCase kRectangularDesign{
    2, "rett-progetto", SectionType::kRectangular, Operation::kDesign, kFields, compute, false,
};

}  // namespace lirvo
