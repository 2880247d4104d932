// Where every part of the drawing of a section goes in its box, worked out before anything is
// painted: the font, the scale of the section, the stress diagram beside it and every line of
// text. Labels are whole: where they would not fit beside the drawing or would overlap, the
// lettering is made smaller. The painter (section_painter.h) only follows this plan.
#pragma once

#include <QColor>
#include <QFont>
#include <QPaintDevice>
#include <QRectF>
#include <QString>
#include <vector>

#include "sections/case_analysis.h"

namespace lirvo::drawing {

inline const QColor kInk(30, 30, 30);
inline const QColor kFaint(120, 120, 120);
inline const QColor kSteel(196, 84, 16);
inline const QColor kExceeded(139, 0, 0);

// A run of text of one colour; a line is a few of them.
struct Run {
    QString text;
    QColor colour = kInk;
};
using Line = std::vector<Run>;

// A line of runs as placed: the font it fits with, its start on the baseline, its box.
struct PlacedLine {
    Line runs;
    QFont font;
    QPointF origin;
    QRectF box;
    bool cut = false;  // too long even in the smallest lettering: ends in "…"
};

// A label beside the drawing, at the height of what it names where the others leave room.
struct Label {
    double target;  // depth (cm) of what it names; once placed, its y in the box
    QString text;
    QColor colour = kInk;
    QRectF box = {};  // as placed
};

// What goes under the drawing: the equilibrium line and, for designs, the utilisations; none
// where a page writes them in lines of its own.
enum class LinesBelow { kEquilibrium, kNone };

struct SectionLayout {
    bool drawn = false;  // the box is large enough to hold a drawing
    QFont font;          // of the labels
    double lineHeight = 0, gap = 0;
    std::vector<PlacedLine> lines;   // heading, lines below, the labels set under the section
    std::vector<Label> left, right;  // areas and axis; stresses
    double labelsLeft = 0, labelsRight = 0;
    // The section to scale and the diagram: a depth of d cm stands at top + d * scale; a
    // stress sigma (concrete units) at base + sigma * k.
    double top = 0, scale = 0, cx = 0, sectionLeft = 0, sectionWidth = 0;
    double diagramLeft = 0, diagramRight = 0, base = 0, k = 0, least = 0, most = 0;

    double yOf(double depth) const { return top + depth * scale; }
    double xOf(double sigma) const { return base + sigma * k; }
    // The boxes of every text placed, for the painter's leaders and for checks.
    std::vector<QRectF> textBoxes() const;
};

// One kg/cm² in N/mm² (9.80665 N per kg over 100 mm² per cm²).
inline constexpr double kNewtonPerMm2 = 0.0980665;

// A figure as the drawing writes it: `digits` significant digits (all of a whole number up
// to 10^7), an exponent only below 0.01 and from 10^7 on.
QString figure(double value, int digits = 4);

// The line under the drawing: "Equilibrio: ΣN = … kg, ΣM = … kg·cm", the residuals of the
// analysis (resultant of the stresses less the action).
QString equilibriumText(const SectionState& state);

// "sezione ottenuta: equilibrio" for what a design wrote, "equilibrio della sezione" for a
// check: the drawing is the equilibrium of the section as written, not the method's figures.
QString drawingTitle(Operation operation);

// "Barre proposte: Af 4Ø16, Af' 3Ø14": the bars proposed for a design's steel, under its
// drawing; empty for a check or where nothing is proposed.
QString proposedBarsText(const CaseAnalysis& analysis);

// Fills the box with the drawing of the analysis, lettering measured on the device.
SectionLayout layOutSection(const QRectF& box, const CaseAnalysis& analysis, LinesBelow below,
                            const QFont& font, QPaintDevice* device);

}  // namespace lirvo::drawing
