// What the calculation report takes from outside the report itself for each section: the
// section drawn with its stress diagram, the equilibrium it rests on and the utilisations of
// the allowable stresses. The report lays these out and never looks inside them.
#pragma once

#include <QPainter>
#include <QRectF>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "sections/case_analysis.h"
#include "sections/frame.h"
#include "sections/verdict.h"

namespace lirvo::report {

struct SectionFigure {
    // Paints the section to scale with its bars, neutral axis and stress diagram inside the
    // rectangle (device units of the painter). Empty when there is nothing to draw.
    std::function<void(QPainter&, const QRectF&)> paint;
    // The height over the width at which the drawing fills its rectangle.
    double aspect = 0.33;
    // One line in Italian: the internal force against the action, or why there is none.
    std::string equilibriumLine;
    // The section as analysed (empty where the fields describe none), and the utilisations of
    // the allowable stresses with the verdict.
    std::optional<CaseAnalysis> analysis;
    Verdict verdict;
};

// The case's field texts after it ran, by field index.
using FieldTexts = std::array<std::string, kFieldCount>;

// The figure, equilibrium and utilisations of one calculated section, read from its fields as
// the window's drawing reads them (sections/case_analysis.h).
SectionFigure sectionFigure(const CalcCase& calc, const FieldTexts& texts,
                            const Allowables& allowables);

}  // namespace lirvo::report
