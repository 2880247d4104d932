#include "drawing/section_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "sections/regimes.h"
#include "ui/qt_text.h"

namespace lirvo::drawing {
namespace {

const QColor kInk(30, 30, 30);
const QColor kFaint(120, 120, 120);
const QColor kConcrete(228, 228, 228);
const QColor kCompressedZone(172, 196, 232);
const QColor kConcreteStress(110, 150, 215);
const QColor kSteel(196, 84, 16);
const QColor kExceeded(139, 0, 0);

constexpr double kMargin = 2;          // px kept clear inside the box: antialiased edges stay in it
constexpr double kCompactWidth = 420;  // px: below this the labels say only what they must

// A run of text of one colour; a line is a few of them.
struct Run {
    QString text;
    QColor colour = kInk;
};
using Line = std::vector<Run>;

// A label beside the drawing, wanted at the height of what it names.
struct Label {
    double target;  // y of what it names
    QString text;
    QColor colour = kInk;
    double y = 0;  // centre as placed
};

QFont pixelFont(QFont font, double pixels) {
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels))));
    return font;
}

double textWidth(const QFont& font, const QString& text, QPaintDevice* device) {
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

// Centres as near their targets as they go without overlapping, within [lo, hi]; where the
// column is too short they share it evenly.
void spread(std::vector<Label>& labels, double lineHeight, double lo, double hi) {
    if (labels.empty()) return;
    std::sort(labels.begin(), labels.end(),
              [](const Label& a, const Label& b) { return a.target < b.target; });
    const double top = lo + lineHeight / 2, bottom = std::max(top, hi - lineHeight / 2);
    const double step =
        std::min(lineHeight, (bottom - top) / std::max<double>(1, labels.size() - 1));
    double previous = top - step;
    for (Label& label : labels)
        previous = label.y = std::min(std::max(label.target, previous + step), bottom);
    double next = bottom + step;
    for (auto it = labels.rbegin(); it != labels.rend(); ++it)
        next = it->y = std::max(std::min(it->y, next - step), top);
}

// Draws labels left-aligned at `left` (or right-aligned at `right`), each cut to maxWidth.
void drawLabels(QPainter& p, const std::vector<Label>& labels, const QFont& font, double left,
                double maxWidth) {
    const QFontMetricsF fm(font, p.device());
    p.setFont(font);
    for (const Label& label : labels) {
        p.setPen(label.colour);
        const QString text = fm.elidedText(label.text, Qt::ElideRight, maxWidth);
        p.drawText(QPointF(left, label.y + (fm.ascent() - fm.descent()) / 2), text);
    }
}

// A line of runs from `left`, on the baseline at y; a font made smaller until it fits the
// width, and beyond the smallest one the text cut.
void drawLine(QPainter& p, const Line& line, QFont font, double left, double baseline,
              double width) {
    QString whole;
    for (const Run& run : line)
        whole += run.text;
    const double natural = textWidth(font, whole, p.device());
    if (natural > width) font = pixelFont(font, std::max(5.0, font.pixelSize() * width / natural));
    const QFontMetricsF fm(font, p.device());
    p.setFont(font);
    if (fm.horizontalAdvance(whole) > width) {
        p.setPen(kInk);
        p.drawText(QPointF(left, baseline), fm.elidedText(whole, Qt::ElideRight, width));
        return;
    }
    double x = left;
    for (const Run& run : line) {
        p.setPen(run.colour);
        p.drawText(QPointF(x, baseline), run.text);
        x += fm.horizontalAdvance(run.text);
    }
}

QString residual(double v) {
    return v == 0 ? QStringLiteral("0") : QString::number(v, 'g', 2);
}

QString stress(double kgPerCm2) {
    return figure(kgPerCm2) + " (" + figure(kgPerCm2 * kNewtonPerMm2, 3) + ")";
}

// "σc 49.79/50 (99.6%)": the real stress against the allowable one, dark red beyond it.
Run utilisation(const QString& symbol, double real, double allowable, double ratio) {
    return {symbol + " " + figure(real) + "/" + figure(allowable) + " (" +
                QString::number(100 * ratio, 'f', 1) + "%)",
            ratio > 1 ? kExceeded : kInk};
}

// The outline in drawing coordinates, symmetric about cx: down the right edges of its pieces,
// then up the left ones.
QPainterPath outline(const SectionModel& m, double cx, double top, double scale) {
    QPolygonF shape;
    for (const Trapezoid& t : m.outline)
        shape << QPointF(cx + t.topWidth * scale / 2, top + t.top * scale)
              << QPointF(cx + t.bottomWidth * scale / 2, top + t.bottom * scale);
    for (auto t = m.outline.rbegin(); t != m.outline.rend(); ++t)
        shape << QPointF(cx - t->bottomWidth * scale / 2, top + t->bottom * scale)
              << QPointF(cx - t->topWidth * scale / 2, top + t->top * scale);
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

}  // namespace

QString figure(double v, int digits) {
    const double a = std::fabs(v);
    if (a >= std::pow(10.0, digits) && a < 1e7) return QString::number(v, 'f', 0);
    if (v != 0 && (a < 0.01 || a >= 1e7)) return QString::number(v, 'g', 3);
    return QString::number(v, 'g', digits);
}

QString equilibriumText(const SectionState& s) {
    return QString("Equilibrio: ΣN = %1 kg, ΣM = %2 kg·cm")
        .arg(residual(s.residualN), residual(s.residualM));
}

void paintSection(QPainter& p, const QRectF& outer, const CaseAnalysis& a, LinesBelow linesBelow) {
    const QRectF box = outer.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (box.width() < 24 || box.height() < 24) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Small boxes (the schematic frame) drop what the window's own units notice says.
    const bool compact = box.width() < kCompactWidth;
    const QFont font =
        pixelFont(p.font(), std::clamp(std::min(box.height() / 12.5, box.width() / 20), 6.0, 18.0));
    const QFontMetricsF fm(font, p.device());
    const double lineHeight = fm.height(), gap = std::max(3.0, fm.averageCharWidth());

    const SectionState& s = a.state;
    const SectionModel& m = a.model;
    if (s.status != AnalysisStatus::kSolved) {
        drawLine(p, {{"Equilibrio non trovato per questa sezione"}}, font, box.left(),
                 box.center().y(), box.width());
        p.restore();
        return;
    }

    // The lines under the drawing, and the heading above it.
    std::vector<Line> below;
    if (linesBelow == LinesBelow::kEquilibrium) below.push_back({{equilibriumText(s)}});
    const auto uc = a.concreteUtilisation(), uf = a.steelUtilisation();
    if (uc && linesBelow == LinesBelow::kEquilibrium) {
        below.push_back({utilisation("σc", s.sigmaC, *a.allowableConcrete, *uc)});
        if (uf)
            below.back().insert(
                below.back().end(),
                {{"   "}, utilisation("σf", a.tensionSteelStress(), *a.allowableSteel, *uf)});
    }
    const double textTop = box.bottom() - below.size() * lineHeight;
    for (size_t i = 0; i < below.size(); ++i)
        drawLine(p, below[i], font, box.left(), textTop + i * lineHeight + fm.ascent(),
                 box.width());
    const bool cracked = s.regime == Regime::kCracked;
    Line heading;
    if (!cracked || !compact)
        heading.push_back({toQString(regimeWords(s.regime)) + "    ", kFaint});
    heading.push_back(
        {compact ? "kg/cm² (N/mm²), compr. +" : "kg/cm² (N/mm²), compressione +", kFaint});
    drawLine(p, heading, font, box.left(), box.top() + fm.ascent(), box.width());

    // The labels: areas and the axis on the left, stresses on the right (of the steel that
    // is there).
    std::vector<Label> left, right;
    for (size_t i = 0; i < m.steel.size(); ++i) {
        const bool tension = static_cast<int>(i) == a.tensionSteel;
        left.push_back({m.steel[i].depth, (tension ? "Af " : "Af' ") + figure(m.steel[i].area) +
                                              (compact ? "" : " cm²")});
        if (m.steel[i].area > 0)
            right.push_back(
                {m.steel[i].depth, (tension ? "σf " : "σf' ") + stress(s.steelStress[i]), kSteel});
    }
    if (s.x) {
        const QString where = cracked || std::isinf(*s.x) ? "" : " (fuori)";
        left.push_back({std::clamp(*s.x, 0.0, m.H),
                        "x " + (std::isinf(*s.x) ? QString("∞") : figure(*s.x)) + where});
    }
    if (s.regime != Regime::kWhollyInTension) {
        const bool top = s.sigmaTop >= s.sigmaBottom;
        right.push_back({top ? 0 : m.H, "σc " + stress(s.sigmaC)});
        if (!cracked)
            right.push_back({top ? m.H : 0, "σ " + stress(std::min(s.sigmaTop, s.sigmaBottom))});
    }
    auto widest = [&](const std::vector<Label>& labels) {
        double w = 0;
        for (const Label& label : labels)
            w = std::max(w, textWidth(font, label.text, p.device()));
        return std::min(w, 0.4 * box.width());
    };
    const double rightWidth = widest(right);

    // The section to scale and the diagram share the middle: the section at the scale that
    // fits it in all but a third of the width and in the height between heading and text,
    // the diagram in the rest, up to a little more than the section's width or more than half
    // its depth; the whole
    // centred in the box. A section too wide for its height to fill the box leaves the left
    // column for a line of its labels under it, where it gains more than that line costs and
    // the line fits beside the right column.
    const double areaTop = box.top() + lineHeight + gap, areaHeight = textTop - gap - areaTop;
    const double widest_ = widestWidth(m.outline);
    auto scaleFor = [&](double labelsWidth, double height) {
        const double middle = box.width() - labelsWidth - rightWidth - 4 * gap;
        return std::max(0.0, std::min(middle * 2 / 3 / widest_, height / m.H));
    };
    const double beside = scaleFor(widest(left), areaHeight);
    const double under = scaleFor(-gap, areaHeight - lineHeight - gap);
    QString underText;
    for (const Label& label : left)
        underText += label.text + "   ";
    const bool labelsUnder = under > 1.15 * beside && textWidth(font, underText, p.device()) <=
                                                          box.width() - rightWidth - 2 * gap;
    const double leftWidth = labelsUnder ? -gap : widest(left);
    const double scale = labelsUnder ? under : beside;
    const double middle = std::max(0.0, box.width() - leftWidth - rightWidth - 4 * gap);
    const double sectionWidth = widest_ * scale, sectionHeight = m.H * scale;
    const double areaBottom = areaTop + areaHeight - (labelsUnder ? lineHeight + gap : 0);
    const double diagramWidth = std::min(
        middle - sectionWidth, std::max({1.2 * sectionWidth, 0.6 * sectionHeight, 6 * gap}));
    const double used = leftWidth + sectionWidth + diagramWidth + rightWidth + 4 * gap;
    const double sectionLeft = box.left() + (box.width() - used) / 2 + leftWidth + gap;
    const double cx = sectionLeft + sectionWidth / 2;
    const double top = areaTop + std::max(0.0, (areaBottom - areaTop - sectionHeight) / 2);
    auto yOf = [&](double depth) { return top + depth * scale; };
    const double diagramLeft = sectionLeft + sectionWidth + 2 * gap;
    const double diagramRight = diagramLeft + diagramWidth;
    const double labelsLeft = box.left() + (box.width() - used) / 2,
                 labelsRight = diagramRight + gap;

    // Outline, compressed zone, bars: a dot whose area is the layer's, at least visible and
    // at most as wide as the section and as the room left above and below it.
    const QPainterPath shape = outline(m, cx, top, scale);
    p.setPen(Qt::NoPen);
    p.fillPath(shape, kConcrete);
    if (s.regime == Regime::kCracked || s.regime == Regime::kWhollyCompressed) {
        double lo = 0, hi = m.H;
        if (cracked) (s.topCompressed ? hi : lo) = *s.x;
        QPainterPath band;
        band.addRect(QRectF(sectionLeft, yOf(lo), sectionWidth, (hi - lo) * scale));
        p.fillPath(shape.intersected(band), kCompressedZone);
    }
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    const double largestDot = std::max(1.5, std::min(sectionWidth / 2, lineHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const SteelLayer& layer : m.steel) {
        if (!(layer.area > 0)) continue;
        const double r =
            std::clamp(std::sqrt(layer.area / std::numbers::pi) * scale, 1.5, largestDot);
        p.drawEllipse(QPointF(cx, yOf(layer.depth)), r, r);
    }

    // The diagram: compression to the right of its base line, tension to the left, one scale
    // for the concrete and the steel over n.
    double most = std::max({s.sigmaTop, s.sigmaBottom, 0.0}),
           least = std::min({s.sigmaTop, s.sigmaBottom, 0.0});
    for (size_t i = 0; i < m.steel.size(); ++i) {
        if (!(m.steel[i].area > 0)) continue;
        most = std::max(most, s.steelStress[i] / m.n);
        least = std::min(least, s.steelStress[i] / m.n);
    }
    const double k = most > least ? std::max(0.0, diagramWidth) / (most - least) : 0;
    const double base = diagramLeft - least * k;
    auto xOf = [&](double sigma) { return base + sigma * k; };
    if (s.regime != Regime::kWhollyInTension) {
        QPolygonF concrete;
        const double t = s.sigmaTop, b = s.sigmaBottom;
        const double zero = t != b ? m.H * t / (t - b) : 0;  // depth where the line crosses 0
        if (t > 0) concrete << QPointF(base, yOf(0)) << QPointF(xOf(t), yOf(0));
        if (t > 0 && b > 0) concrete << QPointF(xOf(b), yOf(m.H)) << QPointF(base, yOf(m.H));
        if (t > 0 && b <= 0) concrete << QPointF(base, yOf(zero));
        if (t <= 0 && b > 0)
            concrete << QPointF(base, yOf(zero)) << QPointF(xOf(b), yOf(m.H))
                     << QPointF(base, yOf(m.H));
        p.setPen(QPen(kConcreteStress.darker(130), 1));
        p.setBrush(kConcreteStress);
        p.drawPolygon(concrete);
    }
    p.setPen(QPen(kFaint, 1, Qt::DotLine));
    p.drawLine(QPointF(xOf(std::clamp(s.sigmaTop, least, most)), yOf(0)),
               QPointF(xOf(std::clamp(s.sigmaBottom, least, most)), yOf(m.H)));
    p.setPen(QPen(kSteel, std::max(1.5, lineHeight / 6), Qt::SolidLine, Qt::FlatCap));
    for (size_t i = 0; i < m.steel.size(); ++i)
        if (m.steel[i].area > 0)
            p.drawLine(QPointF(base, yOf(m.steel[i].depth)),
                       QPointF(xOf(s.steelStress[i] / m.n), yOf(m.steel[i].depth)));
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(base, yOf(0)), QPointF(base, yOf(m.H)));

    // The neutral axis across section and diagram.
    if (cracked) {
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.drawLine(QPointF(std::max(box.left(), sectionLeft - gap / 2), yOf(*s.x)),
                   QPointF(diagramRight, yOf(*s.x)));
    }

    // Labels, with a faint leader where one had to move off its height.
    for (auto* labels : {&left, &right})
        for (Label& label : *labels)
            label.target = yOf(label.target);
    spread(right, lineHeight, box.top() + lineHeight, textTop - gap / 2);
    if (labelsUnder) {
        std::sort(left.begin(), left.end(),
                  [](const Label& a, const Label& b) { return a.target < b.target; });
        Line line;
        for (const Label& label : left)
            line.push_back({label.text + "   "});
        drawLine(p, line, font, labelsLeft, yOf(m.H) + gap + fm.ascent(),
                 labelsRight - gap - labelsLeft);
    } else {
        spread(left, lineHeight, box.top() + lineHeight, textTop - gap / 2);
        drawLabels(p, left, font, labelsLeft, leftWidth);
    }
    drawLabels(p, right, font, labelsRight, rightWidth);
    p.setPen(QPen(kFaint, 0.8));
    for (const Label& label : right)
        if (std::fabs(label.y - label.target) > 1)
            p.drawLine(QPointF(diagramRight, label.target), QPointF(labelsRight - 1, label.y));
    p.restore();
}

}  // namespace lirvo::drawing
