#include "sections/uls_check.h"

namespace lirvo {

UlsCheck checkUls(const UlsSection& section, double N, std::optional<double> M) {
    UlsCheck c;
    c.N = N;
    c.M = M;
    c.positive = !M || *M >= 0;
    c.ultimate = section.resistance(N, c.positive);
    if (!c.ultimate) {
        c.verified = false;  // outside the domain: no moment is resisted at that N
        return c;
    }
    c.otherSide = section.resistance(N, !c.positive)->M;
    if (!M) return c;
    c.utilisation = *M / c.ultimate->M;
    const double upper = c.positive ? c.ultimate->M : *c.otherSide;
    const double lower = c.positive ? *c.otherSide : c.ultimate->M;
    c.verified = lower <= *M && *M <= upper;
    return c;
}

double concreteStress(double strain, double fcd) {
    if (!(strain > 0)) return 0;
    if (strain >= kStrainC2) return fcd;
    const double r = 1 - strain / kStrainC2;
    return fcd * (1 - r * r);
}

bool yieldsInTension(double stress, double fyd) {
    return stress <= -fyd;
}

}  // namespace lirvo
