#include "sections/column_semi_design.h"

#include <cmath>

#include "sections/bisection.h"
#include "sections/numbers.h"

namespace lirvo {
namespace {

using namespace column_semi_design;

constexpr Field kFields[] = {
    inputField(kB, "B", Quantity::kWidth, "Base della sezione(cm) B", "30",
               "MANCA LA BASE DEL PILASTRO"),
    inputField(kC1, "C1", Quantity::kTensionCover, "Spessore copriferro(cm) C1", "3",
               "MANCA IL COPRIFERRO C1"),
    inputField(kC2, "C2", Quantity::kCompressionCover, "Spessore copriferro(cm) C2", "3",
               "MANCA IL COPRIFERRO C2"),
    inputField(kH, "h", Quantity::kEffectiveDepth, "Altezza   utile(cm) h", "47",
               "MANCA L'ALTEZZA UTILE"),
    inputField(kSigmaC, "σc", Quantity::kAllowableConcreteStress, "Tensione CLS(Kg/cmq) σc", "75",
               "MANCA LA TENSIONE AMMESSA PER IL CLS"),
    inputField(kSigmaF, "σf", Quantity::kAllowableSteelStress, "Tensione ferro(Kg/cmq) σf", "2000",
               "MANCA LA TENSIONE AMMESSA PER IL FERRO"),
    inputField(kModularRatio, "n", Quantity::kModularRatio, "Rapporto moduli elastici    n", "10",
               "MANCA IL RAPPORTO DEI MODILI ELASTICI"),
    inputField(kM, "M", Quantity::kMoment, "Momento flettente(Kgcm) M", "150000",
               "MANCA IL MOMENTO FLETTENTE"),
    inputField(kN, "N", Quantity::kNormalForce, "Sforzo   Normale(Kg)   N", "-25000",
               "MANCA LO SFORZO NORMALE", Precision::kSingle),
    resultField(kX, "X", Quantity::kNeutralAxis, "Asse neutro(cm)   X"),
    resultField(kSigmaCOut, "σc", Quantity::kConcreteStress, "Tensione CLS(Kg/cmq) σc"),
    resultField(kAf, "Af", Quantity::kTensionSteel, "Armatura tesa(cmq) Af"),
    resultField(kAfPrime, "Af'", Quantity::kCompressionSteel, "Armatura compr.(cmq) Af'"),
    resultField(kJ, "J", Quantity::kInertia, "Momento di inerzia(cm4) J"),
    resultField(kHTotal, "H", Quantity::kTotalDepth, "Altezza totale(cm) H"),
};

// Residual |G| at which the neutral axis counts as found.
constexpr double kTolerance = 0.001;

struct Steel {
    double x = 0;       // depth of the neutral axis
    double sigmaC = 0;  // concrete stress: the allowable one unless a case works it out
    double Af = 0, Afc = 0;
};

void compute(const Inputs& in, Outcome& out) {
    const double B = in[kB], C1 = in[kC1], C2 = in[kC2], h = in[kH], sigmaCAllowed = in[kSigmaC],
                 sigmaF = in[kSigmaF], n = in[kModularRatio], M = in[kM], N = in[kN];
    Steel r{0, sigmaCAllowed};

    // Balanced singly reinforced section (N ignored): both materials at their allowable
    // stress, and the moment Mr it resists.
    const double xb = ((n * sigmaCAllowed) * h) / (sigmaF + n * sigmaCAllowed);
    const double A1 = (B * std::pow(xb, 2)) / ((2 * n) * (h - xb));
    const double Jb = (B * std::pow(xb, 3)) / 3 + (n * A1) * std::pow(h - xb, 2);
    const double Mr = (sigmaCAllowed * Jb) / xb;

    // Moment about the tension steel.
    const double Ms = M + (N * (h - C1)) / 2;

    bool needsNoTensionSteel = false;
    if (Ms <= 0) {
        // Whole section in tension: the steels alone carry the pull and the moment. With equal
        // covers the pull acts midway between them and each takes half of it, the moment a
        // couple over the lever arm h - C2.
        if (C1 == C2) {
            const double halfPull = toSingle(-N / 2);
            r.Af = (halfPull + M / (h - C2)) / sigmaF;
            r.Afc = (halfPull - M / (h - C2)) / sigmaF;
        } else {
            // The pull acts at H/2 = (h + C1)/2, not midway between the steels: each steel
            // takes its share by the lever to the other one.
            const double T = -N;
            r.Af = (T * ((h + C1) / 2 - C2) + M) / (sigmaF * (h - C2));
            r.Afc = (T * (h - (h + C1) / 2) - M) / (sigmaF * (h - C2));
        }
        out.notice("SEZIONE TUTTA TESA X=INFINITO");
    } else if (Ms < Mr) {
        // Tension steel only, at its allowable stress: the compressed concrete balances Ms
        // about the steel.
        auto G = [&](double x) {
            return (((sigmaF * B) * std::pow(x, 2)) * (3 * h - x)) / 6 - (n * Ms) * (h - x);
        };
        const double x = bisect(0, h, G(0), G, kTolerance);
        const double Af = (B * std::pow(x, 2)) / ((2 * n) * (h - x)) - N / sigmaF;
        if (Af <= 0) {
            needsNoTensionSteel = true;
        } else {
            r.x = x;
            r.Af = Af;
            r.sigmaC = (sigmaF * x) / (n * (h - x));
        }
    } else {
        // Compression steel for the moment beyond Mr, over the lever arm h - C2.
        const double A2 = (Ms - Mr) / (sigmaF * (h - C2));
        const double Af = (A1 + A2) - N / sigmaF;
        if (Af <= 0) {
            needsNoTensionSteel = true;
        } else {
            r.x = xb;
            r.Af = Af;
            r.Afc = (A2 * (h - xb)) / (xb - C2);
        }
    }

    if (needsNoTensionSteel) {
        // The plain concrete section carries N and M. Its height is h + C1.
        const double H = h + C1;
        const double e = M / N;
        if (e - H / 6 >= 0) {
            // Force outside the core: partly compressed, triangular stress block.
            r.x = 3 * (H / 2 - e);
            if (r.x <= 0) return out.refuseImpossible();
            r.sigmaC = toSingle(2 * N) / (B * r.x);
        } else {
            // Whole section compressed; x is where the linear stress would vanish.
            r.sigmaC = N / (B * (h + C1)) + (6 * M) / (B * std::pow(h + C1, 2));
            r.x = ((r.sigmaC * B) * std::pow(h + C1, 3)) / (12 * M);
            out.notice("SEZIONE TUTTA COMPRESSA");
        }
    }

    // Plain concrete beyond its allowable stress: the section must be reinforced after all.
    if (needsNoTensionSteel && r.sigmaC > sigmaCAllowed)
        out.notice("CLS OLTRE LA TENSIONE AMMISSIBILE: SEZIONE DA ARMARE");

    out.set(kX, roundToHundredths(r.x));
    out.set(kSigmaCOut, roundToWhole(r.sigmaC));
    out.set(kAf, roundToHundredths(r.Af));
    out.set(kAfPrime, roundToHundredths(r.Afc));
    out.set(kJ, integerPart(Jb));
    out.set(kHTotal, h + C1);
}

}  // namespace

constinit const CalcCase kColumnSemiDesign{
    9, "pil-semiprogetto", SectionType::kColumn, Operation::kSemiDesign, kFields, compute, true,
};

}  // namespace lirvo
