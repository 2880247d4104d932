// The section of a calculation drawn to scale, with its stress diagram beside it:
//
//   regime                                   kg/cm² (N/mm²), compressione +
//   x 14.2 ┄┄┄┌─────────┐┄┄┄┄┄┄┄┄┄┄┄┄|◣┄┄┄┄┄┄ σc 49.8 (4.89)
//   Af' 0     │▒▒▒▒▒▒▒▒▒│            |/
//             └──┐   ┌──┘           /|
//   Af 34.8      │ ● │     ────────● |        σf -1396 (-136.9)
//   Equilibrio: ΣN = … kg, ΣM = … kg·cm
//   σc 49.8/50 (99.7%)   σf 1396/1400 (99.7%)          (designs and semi-designs)
//   Barre proposte: Af 6Ø28 (2 strati)                  (designs and semi-designs)
//
// The outline, the bars (one dot per layer whose area is the layer's, to the drawing's scale;
// bars typed in a check, "Af 4Ø16 = 8.04 cm²", each to scale across the width at their level),
// the compressed concrete shaded and the neutral axis dashed; on the diagram the concrete
// stress from its largest value at the compressed edge to 0 at the axis (a trapezoid where
// the whole section is compressed, nothing where it is all in tension), and each layer's
// stress divided by n on the same line. Stresses are compression positive, in kg/cm² with
// N/mm² in brackets. Where everything goes is planned first (section_layout.h), all within
// the box whatever the proportions.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "drawing/section_layout.h"
#include "sections/case_analysis.h"

namespace lirvo::drawing {

void paintSection(QPainter& painter, const QRectF& box, const CaseAnalysis& analysis,
                  LinesBelow below = LinesBelow::kEquilibrium);

// The drawing greyed, with "dati modificati: ripetere il calcolo" over it: the data beside it
// changed since it was computed.
void paintStale(QPainter& painter, const QRectF& box);

}  // namespace lirvo::drawing
