#include "drawing/section_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "sections/bar_notation.h"

namespace lirvo::drawing {
namespace {

const QColor kConcrete(228, 228, 228);
const QColor kCompressedZone(172, 196, 232);
const QColor kConcreteStress(110, 150, 215);

void paintLine(QPainter& p, const PlacedLine& line) {
    const QFontMetricsF fm(line.font, p.device());
    p.setFont(line.font);
    if (line.cut) {
        QString whole;
        for (const Run& run : line.runs)
            whole += run.text;
        p.setPen(kInk);
        p.drawText(line.origin, fm.elidedText(whole, Qt::ElideRight, line.box.width()));
        return;
    }
    double x = line.origin.x();
    for (const Run& run : line.runs) {
        p.setPen(run.colour);
        p.drawText(QPointF(x, line.origin.y()), run.text);
        x += fm.horizontalAdvance(run.text);
    }
}

void paintLabels(QPainter& p, const std::vector<Label>& labels, const QFont& font) {
    const QFontMetricsF fm(font, p.device());
    p.setFont(font);
    for (const Label& label : labels) {
        p.setPen(label.colour);
        p.drawText(
            QPointF(label.box.left(), label.box.center().y() + (fm.ascent() - fm.descent()) / 2),
            label.text);
    }
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

// Concrete width at a depth, cm: that of the first piece of the outline down to it.
double widthAt(const SectionModel& m, double depth) {
    for (const Trapezoid& t : m.outline)
        if (depth >= t.top && depth <= t.bottom)
            return t.topWidth + (t.bottomWidth - t.topWidth) * (depth - t.top) / (t.bottom - t.top);
    return widestWidth(m.outline);
}

// Typed bars as built: each to scale, in the written order across the width at their level,
// the outer ones 3 cm from the sides (their centres one radius further in).
void paintBars(QPainter& p, const std::vector<BarGroup>& groups, double cx, double y, double width,
               double scale) {
    constexpr double kSideCoverCm = 3;
    std::vector<double> radii;
    for (const BarGroup& g : groups)
        radii.insert(radii.end(), static_cast<size_t>(g.count), g.diameterMm / 20 * scale);
    const double first = cx - width / 2 + kSideCoverCm * scale + radii.front();
    const double last = cx + width / 2 - kSideCoverCm * scale - radii.back();
    for (size_t k = 0; k < radii.size(); ++k) {
        const double x = radii.size() == 1 ? cx
                                           : first + (last - first) * static_cast<double>(k) /
                                                         static_cast<double>(radii.size() - 1);
        const double r = std::max(1.0, radii[k]);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

// Outline, compressed zone, bars: a dot whose area is the layer's, at least visible and at
// most as wide as the section and as the room left above and below it.
// Bars typed in a check are drawn one by one.
void paintConcreteAndBars(QPainter& p, const CaseAnalysis& a, const SectionLayout& l) {
    const SectionModel& m = a.model;
    const SectionState& s = a.state;
    const QPainterPath shape = outline(m, l.cx, l.top, l.scale);
    p.setPen(Qt::NoPen);
    p.fillPath(shape, kConcrete);
    if (s.regime == Regime::kCracked || s.regime == Regime::kWhollyCompressed) {
        double lo = 0, hi = m.H;
        if (s.regime == Regime::kCracked) (s.topCompressed ? hi : lo) = *s.x;
        QPainterPath band;
        band.addRect(QRectF(l.sectionLeft, l.yOf(lo), l.sectionWidth, (hi - lo) * l.scale));
        p.fillPath(shape.intersected(band), kCompressedZone);
    }
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    const double largestDot = std::max(1.5, std::min(l.sectionWidth / 2, l.lineHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (size_t i = 0; i < m.steel.size(); ++i) {
        const SteelLayer& layer = m.steel[i];
        if (!(layer.area > 0)) continue;
        const auto groups = i < a.bars.size() && a.operation == Operation::kCheck
                                ? barGroups(a.bars[i])
                                : std::nullopt;
        if (groups) {
            paintBars(p, *groups, l.cx, l.yOf(layer.depth), widthAt(m, layer.depth) * l.scale,
                      l.scale);
            continue;
        }
        const double r =
            std::clamp(std::sqrt(layer.area / std::numbers::pi) * l.scale, 1.5, largestDot);
        p.drawEllipse(QPointF(l.cx, l.yOf(layer.depth)), r, r);
    }
}

// The diagram: the concrete's stress line, the steel over n, the base line and the axis.
void paintDiagram(QPainter& p, const CaseAnalysis& a, const SectionLayout& l, const QRectF& box) {
    const SectionModel& m = a.model;
    const SectionState& s = a.state;
    if (s.regime != Regime::kWhollyInTension) {
        QPolygonF concrete;
        const double t = s.sigmaTop, b = s.sigmaBottom;
        const double zero = t != b ? m.H * t / (t - b) : 0;  // depth where the line crosses 0
        if (t > 0) concrete << QPointF(l.base, l.yOf(0)) << QPointF(l.xOf(t), l.yOf(0));
        if (t > 0 && b > 0)
            concrete << QPointF(l.xOf(b), l.yOf(m.H)) << QPointF(l.base, l.yOf(m.H));
        if (t > 0 && b <= 0) concrete << QPointF(l.base, l.yOf(zero));
        if (t <= 0 && b > 0)
            concrete << QPointF(l.base, l.yOf(zero)) << QPointF(l.xOf(b), l.yOf(m.H))
                     << QPointF(l.base, l.yOf(m.H));
        p.setPen(QPen(kConcreteStress.darker(130), 1));
        p.setBrush(kConcreteStress);
        p.drawPolygon(concrete);
    }
    p.setPen(QPen(kFaint, 1, Qt::DotLine));
    p.drawLine(QPointF(l.xOf(std::clamp(s.sigmaTop, l.least, l.most)), l.yOf(0)),
               QPointF(l.xOf(std::clamp(s.sigmaBottom, l.least, l.most)), l.yOf(m.H)));
    p.setPen(QPen(kSteel, std::max(1.5, l.lineHeight / 6), Qt::SolidLine, Qt::FlatCap));
    for (size_t i = 0; i < m.steel.size(); ++i)
        if (m.steel[i].area > 0)
            p.drawLine(QPointF(l.base, l.yOf(m.steel[i].depth)),
                       QPointF(l.xOf(s.steelStress[i] / m.n), l.yOf(m.steel[i].depth)));
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(l.base, l.yOf(0)), QPointF(l.base, l.yOf(m.H)));
    // The neutral axis across section and diagram.
    if (s.regime == Regime::kCracked) {
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.drawLine(QPointF(std::max(box.left(), l.sectionLeft - l.gap / 2), l.yOf(*s.x)),
                   QPointF(l.diagramRight, l.yOf(*s.x)));
    }
}

}  // namespace

void paintSection(QPainter& p, const QRectF& box, const CaseAnalysis& a, LinesBelow below) {
    const SectionLayout l = layOutSection(box, a, below, p.font(), p.device());
    if (!l.drawn) return;
    p.save();
    // Only a box too small for the smallest lettering has labels beyond it.
    p.setClipRect(box, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedLine& line : l.lines)
        paintLine(p, line);
    if (a.state.status == AnalysisStatus::kSolved) {
        paintConcreteAndBars(p, a, l);
        paintDiagram(p, a, l, box);
        paintLabels(p, l.left, l.font);
        paintLabels(p, l.right, l.font);
        // A faint leader where a stress label had to move off its height.
        p.setPen(QPen(kFaint, 0.8));
        for (const Label& label : l.right)
            if (std::fabs(label.box.center().y() - label.target) > 1)
                p.drawLine(QPointF(l.diagramRight, label.target),
                           QPointF(l.labelsRight - 1, label.box.center().y()));
    }
    p.restore();
}

void paintStale(QPainter& p, const QRectF& box) {
    p.save();
    p.fillRect(box, QColor(255, 255, 255, 170));
    QFont font = p.font();
    font.setBold(true);
    const QString text = "dati modificati: ripetere il calcolo";
    font.setPixelSize(std::max(6, static_cast<int>(std::min(14.0, box.height() / 8))));
    while (font.pixelSize() > 6 &&
           QFontMetricsF(font, p.device()).horizontalAdvance(text) > box.width() - 8)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF fm(font, p.device());
    const QRectF band(box.left(), box.center().y() - fm.height(), box.width(), 2 * fm.height());
    p.fillRect(band, QColor(235, 235, 235));
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(band, Qt::AlignCenter, fm.elidedText(text, Qt::ElideRight, box.width() - 4));
    p.restore();
}

}  // namespace lirvo::drawing
