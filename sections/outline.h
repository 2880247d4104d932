// The concrete outline of a cross-section as data: horizontal trapezoids from the top down, each
// with its depths and its widths at both ends (cm). A rectangle is one trapezoid of equal
// widths, a T or an L two (the L computes as the T of the same widths: only the width at each
// depth enters the equilibrium, not where across it lies). Every analysis integrates over this
// list, and the drawing draws it.
#pragma once

#include <vector>

namespace lirvo {

struct Trapezoid {
    double top = 0, bottom = 0;            // depths from the top edge, cm, top < bottom
    double topWidth = 0, bottomWidth = 0;  // cm, >= 0, not both 0; linear in between
};

using Outline = std::vector<Trapezoid>;

// B x H.
Outline rectangleOutline(double B, double H);
// A flange B x d over a web of width s down to H; a flange as deep as H leaves B x H.
Outline teeOutline(double B, double d, double s, double H);

// The outline is a section of depth H: at least one piece, every number finite, every piece
// within 0..H with a positive depth and width, none overlapping the one above it.
bool validOutline(const Outline& outline, double H);

// The largest width, cm.
double widestWidth(const Outline& outline);

// The same outline seen from the bottom: depths measured from the bottom edge up, pieces in
// that order (the section turned over about its mid-depth).
Outline turnedOver(const Outline& outline, double H);

// The part of a piece between the depths lo and hi, with its widths there: the integrals of
// every analysis run over these. Empty (q <= p) where the piece lies outside lo..hi.
struct Slice {
    double p, q;    // depths, cm (or in the unit of the piece)
    double wp, wq;  // widths at p and at q
};
Slice slice(const Trapezoid& piece, double lo, double hi);

}  // namespace lirvo
