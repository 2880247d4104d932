#include "sections/outline.h"

#include <algorithm>
#include <cmath>

namespace lirvo {

Outline rectangleOutline(double B, double H) {
    return {{0, H, B, B}};
}

Outline teeOutline(double B, double d, double s, double H) {
    Outline outline{{0, d, B, B}};
    if (!(d >= H)) outline.push_back({d, H, s, s});
    return outline;
}

bool validOutline(const Outline& outline, double H) {
    if (outline.empty() || !std::isfinite(H)) return false;
    double above = 0;
    for (const Trapezoid& t : outline) {
        for (double v : {t.top, t.bottom, t.topWidth, t.bottomWidth})
            if (!std::isfinite(v)) return false;
        if (!(t.top >= above && t.bottom > t.top && t.bottom <= H && t.topWidth >= 0 &&
              t.bottomWidth >= 0 && t.topWidth + t.bottomWidth > 0))
            return false;
        above = t.bottom;
    }
    return true;
}

double widestWidth(const Outline& outline) {
    double widest = 0;
    for (const Trapezoid& t : outline)
        widest = std::max({widest, t.topWidth, t.bottomWidth});
    return widest;
}

Outline turnedOver(const Outline& outline, double H) {
    Outline turned;
    turned.reserve(outline.size());
    for (auto t = outline.rbegin(); t != outline.rend(); ++t)
        turned.push_back({H - t->bottom, H - t->top, t->bottomWidth, t->topWidth});
    return turned;
}

Slice slice(const Trapezoid& piece, double lo, double hi) {
    const double p = std::max(lo, piece.top), q = std::min(hi, piece.bottom);
    // The width is linear over the piece; equal widths give the width itself, unrounded.
    const double taper = (piece.bottomWidth - piece.topWidth) / (piece.bottom - piece.top);
    return {p, q, piece.topWidth + taper * (p - piece.top),
            piece.topWidth + taper * (q - piece.top)};
}

}  // namespace lirvo
