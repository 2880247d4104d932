// Elastic analysis of a cracked reinforced-concrete section: the stresses that balance a normal
// force and a moment, found from equilibrium alone. It is not a calculation case; it checks
// the answers of the cases and gives the stress diagram to draw.
//
// Method: plane sections stay plane and both materials are linear elastic, so the stress in
// concrete units is a line sigma(y) = a - b*y/H over the depth. Concrete counts where the line
// is positive, within the width of the outline at that depth; steel counts n times its area
// in compression and in tension alike (the usual transformed section: the concrete the bars
// displace is not subtracted). The compressed concrete is integrated exactly, piece by piece.
// The internal force (N, M) is, but for a fixed linear map, the gradient of the convex energy
// U(a, b) = 1/2 (integral of max(sigma, 0)^2 dA + sum of n A sigma^2 over the bars), so its
// direction turns monotonically, and never more than a right angle away, as the direction
// of (a, b) turns. The direction that gives the direction of the action is found
// by a safeguarded Newton search inside that bracket of half a turn, and the stresses are
// then scaled to the action. One search covers every regime, the centred load included.
//
// Where the calculation cases of this library differ by design (they are what this checks):
// - Rectangular and T checks: pure bending, closed forms, the top taken as compressed (the
//   frame refuses a negative M before they compute; here a negative M is solved with the
//   section turned over). The T check holds the tension-steel term of J in single precision and
//   writes X cut to hundredths, sigma c rounded and sigma f cut to whole numbers.
// - Column check: N is read in single precision; the axis is bisected only to
//   |F| <= 0.001 cm^4 (x to about 1e-9 relative on its examples); when no root lies in the section
//   it takes the whole transformed section, or the steel alone, about a centroid held in single
//   precision, and writes the top stress or the stress of Af only. It refuses a negative M.
// - Designs and semi-designs impose the allowable stresses and round the depths and areas
//   they choose; here the section is given and the stresses follow from it.
// Here x and the stresses carry full double precision in every regime, and the concrete
// stress reported is the largest, at whichever edge it falls.
#pragma once

#include <optional>
#include <vector>

#include "sections/outline.h"

namespace lirvo {

struct SteelLayer {
    double area = 0;   // cm^2; 0 allowed: the layer then reports the stress at its depth
    double depth = 0;  // cm from the top edge, within 0..H
};

// The section: its concrete outline (sections/outline.h) within the depth H, its steel, and
// the action. rectangleOutline and teeOutline give the rectangle and the T (or L) of the cases.
struct SectionModel {
    Outline outline;                // the concrete, trapezoids from the top down
    double H = 0;                   // total depth, cm: the outline lies within 0..H
    std::vector<SteelLayer> steel;  // bars in any order; their stresses come back in that order
    double n = 0;                   // modular ratio Es/Ec
    double N = 0;                   // normal force, kg, compression positive, acting at depth H/2
    double M = 0;  // moment about depth H/2, kg cm, positive when it compresses the top edge
};

enum class AnalysisStatus {
    kSolved,  // equilibrium found: every number of the state is finite but x, which may be inf
    // Non-finite data, an outline that is no section of depth H (sections/outline.h), n not
    // positive, a negative steel area or a layer outside the depth of the section.
    kInvalidData,
    // No stress line balances the action: a pull or a moment with no steel to take the
    // tension, a push outside the section with no steel, a pull the steel would have to
    // take alone while all of it lies at one depth (the stress line is not determined then);
    // or none that double precision resolves (steel n*A some 1e30 times the concrete's B*H).
    kNoEquilibrium,
    // Equilibrium exists but its figures (or ratios such as B/H, n*A/H^2, M/H) leave the
    // double range.
    kOutOfRange,
};

enum class Regime {
    kUnloaded,          // N = M = 0: every stress is 0, no neutral axis
    kCracked,           // the neutral axis lies within the section, 0 < x < H
    kWhollyCompressed,  // all the concrete is compressed; the stress line vanishes outside
    kWhollyInTension,   // no concrete is compressed; the steel alone carries the action
};

// Only meaningful when status is kSolved; otherwise every number is 0 and steelStress empty.
struct SectionState {
    AnalysisStatus status = AnalysisStatus::kInvalidData;
    Regime regime = Regime::kUnloaded;
    // Depth from the top edge (cm) where the stress line vanishes. Cracked: 0 < x < H. Wholly
    // compressed: x >= H with the top more compressed, x <= 0 with the bottom more
    // compressed, far away (up to +infinity) for a stress that is uniform to rounding. Absent
    // when unloaded or in tension.
    std::optional<double> x;
    // With x: the line falls from top to bottom, so the concrete is compressed above x
    // (uniform counts as true); otherwise the bottom is compressed, below x.
    bool topCompressed = true;
    double sigmaC = 0;  // largest concrete compression, kg/cm^2; 0 when none
    // The stress line at the top and bottom edges in concrete units (kg/cm^2, compression
    // positive): the concrete takes its positive part, a bar n times its value at the bar.
    double sigmaTop = 0, sigmaBottom = 0;
    std::vector<double> steelStress;  // kg/cm^2, compression positive, in the order of input
    // Resultant of the stresses as reported, integrated afresh: N_int (kg) and M_int (kg cm,
    // about H/2), and what they leave of the action.
    double internalN = 0, internalM = 0;
    double residualN = 0, residualM = 0;  // N_int - N, M_int - M
};

SectionState analyseSection(const SectionModel& model);

}  // namespace lirvo
