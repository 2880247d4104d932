#include "report/report_sources.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "sections/numbers.h"

namespace lirvo::report {
namespace {

// The number in the field of this quantity, a result before an input; none when the case has
// no such field or leaves it empty.
std::optional<double> fieldValue(const CalcCase& calc, const FieldTexts& texts, Quantity q) {
    const Field* found = nullptr;
    for (const Field& field : calc.fields)
        if (field.quantity == q && (!found || field.role == Role::kResult)) found = &field;
    if (!found || texts[found->index].find_first_not_of(' ') == std::string::npos)
        return std::nullopt;
    return readNumber(texts[found->index]);
}

// Short numbers for the figure and the equilibrium line.
QString shortNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return QString::fromLatin1(text);
}

// Whole numbers; what is below `noise` (the rounding of the sums) is written as 0.
std::string roundNumber(double value, double noise = 0) {
    if (std::fabs(value) <= noise) value = 0;
    char text[32];
    std::snprintf(text, sizeof text, std::fabs(value) >= 1e9 ? "%.4g" : "%.0f", value);
    return std::string(text) == "-0" ? "0" : text;
}

// Outline to scale with its bars, the stress line in the concrete (compressed part filled) and
// the stress of each bar, all on one depth scale, with the neutral axis across them; the whole
// centred in the height of the rectangle.
void paintFigure(QPainter& p, const QRectF& r, const SectionModel& m, const SectionState& s) {
    p.save();
    QFont font("Liberation Sans");
    font.setPointSizeF(7.5);
    p.setFont(font);
    const QFontMetricsF fm(font, p.device());
    const double line = fm.height(), gap = fm.averageCharWidth() * 2;
    const double outlinePanel = 0.38 * (r.width() - 2 * gap), panel = 0.31 * (r.width() - 2 * gap);
    const double scale = std::min((r.height() - 3.4 * line) / m.H, (outlinePanel - 2 * gap) / m.B);
    const double H = m.H * scale, first = r.top() + (r.height() - H - 3.4 * line) / 2;
    const double top = first + 2.2 * line, at = r.left() + (outlinePanel - m.B * scale) / 2;
    auto y = [&](double cmDepth) { return top + cmDepth * scale; };
    auto label = [&](double x, double baseline, const QString& text, Qt::Alignment side) {
        const double w = fm.horizontalAdvance(text);
        double left = side & Qt::AlignRight ? x - w : side & Qt::AlignHCenter ? x - w / 2 : x;
        p.drawText(QPointF(std::clamp(left, r.left(), r.right() - w), baseline), text);
    };
    // The outline: flange B x d over a web s wide, centred.
    const double webLeft = at + (m.B - m.s) * scale / 2, webRight = webLeft + m.s * scale;
    QPolygonF outline;
    outline << QPointF(at, top) << QPointF(at + m.B * scale, top)
            << QPointF(at + m.B * scale, y(m.d)) << QPointF(webRight, y(m.d))
            << QPointF(webRight, top + H) << QPointF(webLeft, top + H) << QPointF(webLeft, y(m.d))
            << QPointF(at, y(m.d));
    p.setPen(QPen(Qt::black, line / 12));
    p.setBrush(QColor(235, 235, 235));
    p.drawPolygon(outline);
    const double middle = at + m.B * scale / 2;
    label(middle, first + fm.ascent(), "Sezione (cm)", Qt::AlignHCenter);
    label(middle, first + line + fm.ascent(), "B = " + shortNumber(m.B), Qt::AlignHCenter);
    label(middle, top + H + 0.2 * line + fm.ascent(), "H = " + shortNumber(m.H), Qt::AlignHCenter);
    // Bars: three dots across the web, drawn with an area proportional to the layer's.
    p.setBrush(Qt::black);
    for (const SteelLayer& bar : m.steel) {
        if (bar.area <= 0) continue;
        const double radius =
            std::max(line / 8, std::sqrt(bar.area / 3 / std::numbers::pi) * scale);
        for (double f : {0.2, 0.5, 0.8})
            p.drawEllipse(QPointF(webLeft + m.s * scale * f, y(bar.depth)), radius, radius);
    }
    // Stress panels: the concrete in the middle, the bars on the right, compression rightward.
    const double cAxis = r.left() + outlinePanel + 2 * gap, fAxis = r.right() - panel / 2;
    p.setPen(QPen(Qt::black, line / 12));
    p.drawLine(QPointF(cAxis, top), QPointF(cAxis, top + H));
    p.drawLine(QPointF(fAxis, top), QPointF(fAxis, top + H));
    label(cAxis, first + fm.ascent(), "Calcestruzzo σc (Kg/cmq)", Qt::AlignLeft);
    label(fAxis, first + fm.ascent(), "Acciaio σf (Kg/cmq, + compressione)", Qt::AlignHCenter);
    const double cScale = (panel - 4 * gap) / std::max({s.sigmaTop, s.sigmaBottom, 1e-300});
    QPolygonF compressed;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0, sigma = s.sigmaTop + (s.sigmaBottom - s.sigmaTop) * t;
        compressed << QPointF(cAxis + std::max(sigma, 0.0) * cScale, top + H * t);
    }
    compressed << QPointF(cAxis, top + H) << QPointF(cAxis, top);
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(compressed);
    const bool topEdge = s.sigmaTop >= s.sigmaBottom;
    label(cAxis + s.sigmaC * cScale + gap / 4, topEdge ? top + fm.ascent() : top + H,
          shortNumber(s.sigmaC), Qt::AlignLeft);
    // Each bar's stress to scale, its value beyond the end of the line.
    double fMax = 1e-300;
    for (size_t i = 0; i < m.steel.size(); ++i)
        if (m.steel[i].area > 0) fMax = std::max(fMax, std::fabs(s.steelStress[i]));
    const double fScale = (panel / 2 - gap - fm.horizontalAdvance("-00000")) / fMax;
    p.setPen(QPen(Qt::black, line / 5));
    for (size_t i = 0; i < m.steel.size(); ++i) {
        if (m.steel[i].area <= 0) continue;
        const double sigma = s.steelStress[i], end = fAxis + sigma * fScale,
                     at = y(m.steel[i].depth);
        p.drawLine(QPointF(fAxis, at), QPointF(end, at));
        label(sigma >= 0 ? end + gap / 4 : end - gap / 4, at + fm.ascent() / 2 - fm.descent(),
              shortNumber(sigma), sigma >= 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    // The neutral axis, named on the concrete's side that takes no stress.
    if (s.x && *s.x > 0 && *s.x < m.H) {
        p.setPen(QPen(Qt::black, line / 12, Qt::DashLine));
        p.drawLine(QPointF(std::min(at, webLeft) - gap, y(*s.x)),
                   QPointF(cAxis + panel - gap, y(*s.x)));
        label(cAxis + gap / 2, y(*s.x) + (s.topCompressed ? fm.ascent() + line / 6 : -line / 4),
              "asse neutro x = " + shortNumber(*s.x), Qt::AlignLeft);
    }
    p.restore();
}

}  // namespace

std::optional<SectionModel> sectionModelFromFields(const CalcCase& calc, const FieldTexts& texts) {
    auto v = [&](Quantity q) { return fieldValue(calc, texts, q); };
    const bool tee = calc.section == SectionType::kTee,
               column = calc.section == SectionType::kColumn;
    const auto B = v(tee ? Quantity::kFlangeWidth : Quantity::kWidth),
               h = v(Quantity::kEffectiveDepth);
    const auto top = v(column ? Quantity::kCompressionCover : Quantity::kCover);
    const auto bottom = column ? v(Quantity::kTensionCover) : top;
    const auto n = v(Quantity::kModularRatio), M = v(Quantity::kMoment);
    const auto H = v(Quantity::kTotalDepth).value_or(h.value_or(0) + bottom.value_or(0));
    if (!B || !h || !n || !M || !top) return std::nullopt;
    SectionModel model;
    model.B = *B;
    model.H = H;
    model.d = tee ? v(Quantity::kFlangeDepth).value_or(0) : H;
    model.s = tee ? v(Quantity::kWebWidth).value_or(0) : *B;
    model.steel = {{v(Quantity::kTensionSteel).value_or(0), *h},
                   {v(Quantity::kCompressionSteel).value_or(0), *top}};
    model.n = *n;
    model.N = v(Quantity::kNormalForce).value_or(0);
    model.M = *M;
    return model;
}

SectionFigure sectionFigure(const CalcCase& calc, const FieldTexts& texts,
                            const Allowables& allowables) {
    SectionFigure figure;
    const std::optional<SectionModel> model = sectionModelFromFields(calc, texts);
    if (!model) {
        figure.equilibriumLine = "Sezione non determinata dai dati: nessun equilibrio calcolato.";
        return figure;
    }
    const SectionState state = analyseSection(*model);
    if (state.status != AnalysisStatus::kSolved) {
        figure.equilibriumLine =
            state.status == AnalysisStatus::kNoEquilibrium
                ? "Nessuna distribuzione di tensioni equilibra l'azione su questa sezione."
                : "La sezione non si presta all'analisi dell'equilibrio (dati fuori campo).";
        return figure;
    }
    figure.paint = [m = *model, state](QPainter& p, const QRectF& r) {
        paintFigure(p, r, m, state);
    };
    // The outline takes a third of the width at most, under three lines of labels.
    figure.aspect = 0.062 + 0.35 * model->H / model->B;
    // The internal force is summed afresh: parts in 1e12 of the action are its rounding.
    const double noise = 1e-12 * (std::fabs(model->N) + std::fabs(model->M) / model->H);
    figure.equilibriumLine = "Equilibrio (M rispetto a H/2): risultante delle tensioni N = " +
                             roundNumber(state.internalN, noise) +
                             " Kg, M = " + roundNumber(state.internalM, noise * model->H) +
                             " Kgcm; azione N = " + roundNumber(model->N) +
                             " Kg, M = " + roundNumber(model->M) + " Kgcm.";
    figure.sigmaC = state.sigmaC;
    for (size_t i = 0; i < model->steel.size(); ++i)
        if (model->steel[i].area > 0)
            figure.sigmaF = std::max(figure.sigmaF, std::fabs(state.steelStress[i]));
    if (allowables.sigmaC && *allowables.sigmaC > 0)
        figure.utilisationC = figure.sigmaC / *allowables.sigmaC;
    if (allowables.sigmaF && *allowables.sigmaF > 0)
        figure.utilisationF = figure.sigmaF / *allowables.sigmaF;
    return figure;
}

}  // namespace lirvo::report
