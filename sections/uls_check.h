// The ultimate check of one section under its design actions: the resistance M_Rd at N_Ed on
// the side of M_Ed, the utilisation and the verdict. The SLU window, its report and
// lirvo-calc --uls all take their numbers from here.
#pragma once

#include <optional>

#include "sections/uls_analysis.h"

namespace lirvo {

struct UlsCheck {
    double N = 0;                       // N_Ed, kg, compression positive
    std::optional<double> M;            // M_Ed, kg cm; none: M_Rd+ alone, no verdict
    bool positive = true;               // M_Rd+ (M_Ed >= 0 or none given) or M_Rd-
    std::optional<UlsState> ultimate;   // the plane of M_Rd; none: N_Ed outside the domain
    std::optional<double> otherSide;    // M_Rd on the other side, kg cm
    std::optional<double> utilisation;  // M_Ed / M_Rd at constant N
    // M_Rd-(N_Ed) <= M_Ed <= M_Rd+(N_Ed); none without M_Ed inside the domain.
    std::optional<bool> verified;
};

UlsCheck checkUls(const UlsSection& section, double N, std::optional<double> M);

// The parabola-rectangle law at one strain, kg/cm²: fcd (1 - (1 - e/ec2)^2) up to ec2, fcd
// beyond, nothing in tension. The resistance integrates it in closed form; this is for the
// diagrams that show it.
double concreteStress(double strain, double fcd);

// Whether the bar yields in tension: its stress at -fyd (a strain at or beyond -fyd/Es).
bool yieldsInTension(double stress, double fyd);

}  // namespace lirvo
