#include "report/report_sources.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "drawing/section_painter.h"
#include "sections/event_log.h"

namespace lirvo::report {
namespace {

// Whole numbers; what is below `noise` (the rounding of the sums) is written as 0.
std::string roundNumber(double value, double noise = 0) {
    if (std::fabs(value) <= noise) value = 0;
    char text[32];
    std::snprintf(text, sizeof text, std::fabs(value) >= 1e9 ? "%.4g" : "%.0f", value);
    return std::string(text) == "-0" ? "0" : text;
}

}  // namespace

SectionFigure sectionFigure(const CalcCase& calc, const FieldTexts& texts,
                            const Allowables& allowables) {
    SectionFigure figure;
    EventLog window;  // the texts as the window held them, read back as the window reads them
    for (int i = 0; i < kFieldCount; ++i)
        window.type(i, texts[i]);
    const std::optional<CaseAnalysis> analysis = analyseRun(calc, window);
    if (!analysis) {
        figure.equilibriumLine = "Sezione non determinata dai dati: nessun equilibrio calcolato.";
        return figure;
    }
    const SectionModel* model = &analysis->model;
    const SectionState& state = analysis->state;
    if (state.status != AnalysisStatus::kSolved) {
        figure.equilibriumLine =
            state.status == AnalysisStatus::kNoEquilibrium
                ? "Nessuna distribuzione di tensioni equilibra l'azione su questa sezione."
                : "La sezione non si presta all'analisi dell'equilibrio (dati fuori campo).";
        return figure;
    }
    // The report writes the equilibrium and the utilisations in its own lines under the figure.
    // The drawing sizes its lettering in screen pixels: the page is painted at 96 to the inch.
    figure.paint = [a = *analysis](QPainter& p, const QRectF& r) {
        const double scale = p.device()->logicalDpiX() / 96.0;
        p.save();
        p.scale(scale, scale);
        drawing::paintSection(p, QRectF(r.topLeft() / scale, r.size() / scale), a,
                              drawing::LinesBelow::kNone);
        p.restore();
    };
    // The section and its diagram side by side, under a heading line: a deep section asks for a
    // taller figure, a wide slab for a flatter one.
    figure.aspect = std::clamp(0.12 + 0.3 * model->H / model->outline.front().topWidth, 0.3, 0.75);
    // The internal force is summed afresh: parts in 1e12 of the action are its rounding.
    const double noise = 1e-12 * (std::fabs(model->N) + std::fabs(model->M) / model->H);
    figure.equilibriumLine = "Equilibrio (M rispetto a H/2): risultante delle tensioni N = " +
                             roundNumber(state.internalN, noise) +
                             " Kg, M = " + roundNumber(state.internalM, noise * model->H) +
                             " Kgcm; azione N = " + roundNumber(model->N) +
                             " Kg, M = " + roundNumber(model->M) + " Kgcm.";
    figure.analysis = analysis;
    figure.verdict = verdictOf(*analysis, allowables);
    return figure;
}

}  // namespace lirvo::report
