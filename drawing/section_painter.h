// The section of a calculation drawn to scale, with its stress diagram beside it:
//
//   regime                                   kg/cm² (N/mm²), compressione +
//   x 14.2 ┄┄┄┌─────────┐┄┄┄┄┄┄┄┄┄┄┄┄|◣┄┄┄┄┄┄ σc 49.8 (4.89)
//   Af' 0     │▒▒▒▒▒▒▒▒▒│            |/
//             └──┐   ┌──┘           /|
//   Af 34.8      │ ● │     ────────● |        σf -1396 (-136.9)
//   Equilibrio: ΣN = … kg, ΣM = … kg·cm
//   σc 49.8/50 (99.7%)   σf 1396/1400 (99.7%)          (designs and semi-designs)
//
// The outline, the bars (one dot per layer whose area is the layer's, to the drawing's scale),
// the compressed concrete shaded and the neutral axis dashed; on the diagram the concrete
// stress from its largest value at the compressed edge to 0 at the axis (a trapezoid where
// the whole section is compressed, nothing where it is all in tension), and each layer's
// stress divided by n on the same line. Stresses are compression positive, in kg/cm² with
// N/mm² in brackets. Everything is drawn within the box, whatever the proportions.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "sections/case_analysis.h"
#include "sections/verdict.h"

namespace lirvo::drawing {

// One kg/cm² in N/mm² (9.80665 N per kg over 100 mm² per cm²).
inline constexpr double kNewtonPerMm2 = 0.0980665;

// The line under the drawing: "Equilibrio: ΣN = … kg, ΣM = … kg·cm", the residuals of the
// analysis (resultant of the stresses less the action).
QString equilibriumText(const SectionState& state);

// A figure as the drawing writes it: `digits` significant digits (all of a whole number up
// to 10^7), an exponent only below 0.01 and from 10^7 on.
QString figure(double value, int digits = 4);

// What goes under the drawing: the equilibrium line and, for designs, the utilisations; none
// where the page writes them in lines of its own.
enum class LinesBelow { kEquilibrium, kNone };

void paintSection(QPainter& painter, const QRectF& box, const CaseAnalysis& analysis,
                  LinesBelow below = LinesBelow::kEquilibrium);

}  // namespace lirvo::drawing
