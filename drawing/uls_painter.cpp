#include "drawing/uls_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "drawing/palette.h"
#include "drawing/section_painter.h"
#include "sections/si_units.h"

namespace lirvo::drawing {
namespace {

constexpr double kKiloNewtonsPerKg = kNewtonsPerKg / 1000;  // kN per kg
constexpr double kKiloNewtonMetresPerKgCm = kNewtonsPerKg / 1000 / 100;

QFont pixels(double size, bool bold = false) {
    QFont f;
    f.setPixelSize(std::max(7, int(size)));
    f.setBold(bold);
    return f;
}

// Draws text with its left (or right, `alignRight`) end at x, centred on y, cut to `width`;
// returns its box.
QRectF text(QPainter& p, double x, double y, QString t, bool alignRight = false,
            double width = 1e9) {
    const QFontMetricsF fm(p.font(), p.device());
    if (fm.horizontalAdvance(t) > width) t = fm.elidedText(t, Qt::ElideRight, width);
    const double w = fm.horizontalAdvance(t);
    const QRectF r(alignRight ? x - w : x, y - fm.height() / 2, w, fm.height());
    p.drawText(QPointF(r.left(), y + (fm.ascent() - fm.descent()) / 2), t);
    return r;
}

// Depths of the section mapped onto the figure: y = top + depth * scale; widths at their own
// scale, the same but for a section too flat to show its diagrams at scale.
struct Depths {
    double top, scale, widthScale;
    double at(double depth) const { return top + depth * scale; }
};

// The strain at a depth from the top on the plane of the top and bottom strains.
double strainAt(const UlsState& s, double H, double depth) {
    return s.strainTop + (s.strainBottom - s.strainTop) * depth / H;
}

void paintSectionPanel(QPainter& p, const QRectF& r, const Depths& d, const UlsPicture& pic) {
    const SectionModel& m = pic.model;
    const double cx = r.center().x();
    QPainterPath outline;
    for (const Trapezoid& t : m.outline) {
        QPolygonF piece;
        piece << QPointF(cx - t.topWidth * d.widthScale / 2, d.at(t.top))
              << QPointF(cx + t.topWidth * d.widthScale / 2, d.at(t.top))
              << QPointF(cx + t.bottomWidth * d.widthScale / 2, d.at(t.bottom))
              << QPointF(cx - t.bottomWidth * d.widthScale / 2, d.at(t.bottom));
        outline.addPolygon(piece);
        outline.closeSubpath();
    }
    outline.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.fillPath(outline, kConcrete);
    const std::optional<UlsState>& s = pic.check.ultimate;
    if (s && s->x > 0) {
        // The compressed depth from the compressed edge: the top for M_Rd+, the bottom else.
        const double x = std::min(s->x, m.H);
        const double from = pic.check.positive ? 0 : m.H - x;
        QPainterPath zone;
        zone.addRect(QRectF(r.left(), d.at(from), r.width(), x * d.scale));
        p.fillPath(outline.intersected(zone), kCompressedZone);
    }
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline.simplified());
    p.setBrush(kSteel);
    p.setPen(Qt::NoPen);
    for (const SteelLayer& bar : m.steel) {
        if (bar.area <= 0) continue;
        const double radius = std::max(2.5, std::sqrt(bar.area / 3.14159265358979) * d.widthScale);
        p.drawEllipse(QPointF(cx, d.at(bar.depth)), radius, radius);
    }
}

// Strains in per mille from the compressed edge to the other, compression to the right.
void paintStrainPanel(QPainter& p, const QRectF& r, const Depths& d, const UlsPicture& pic,
                      const UlsState& s) {
    const double H = pic.model.H;
    const double zero = r.left() + r.width() * 0.45, reach = r.width() * 0.4;
    const double largest = std::max({std::fabs(s.strainTop), std::fabs(s.strainBottom), 1e-9});
    const double k = reach / largest;
    QPolygonF plane;
    plane << QPointF(zero, d.at(0)) << QPointF(zero + s.strainTop * k, d.at(0))
          << QPointF(zero + s.strainBottom * k, d.at(H)) << QPointF(zero, d.at(H));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawPolygon(plane);
    p.setBrush(kSteel);
    p.setPen(Qt::NoPen);
    for (const SteelLayer& bar : pic.model.steel)
        if (bar.area > 0)
            p.drawEllipse(QPointF(zero + strainAt(s, H, bar.depth) * k, d.at(bar.depth)), 2.5, 2.5);
    p.setPen(kInk);
    // The edge strains just outside the section, above the top and below the bottom.
    const double offset = QFontMetricsF(p.font(), p.device()).height() * 0.6;
    for (const auto& [depth, strain] : {std::pair{0.0, s.strainTop}, {H, s.strainBottom}}) {
        const double y = d.at(depth) + (depth == 0 ? -offset : offset);
        text(p, zero + strain * k, y, figure(1000 * strain, 3), strain < 0);
    }
}

// The parabola-rectangle block of the concrete and each bar at its stress.
void paintStressPanel(QPainter& p, const QRectF& r, const Depths& d, const UlsPicture& pic,
                      const UlsState& s) {
    const double H = pic.model.H, fcd = pic.strengths.fcd, fyd = pic.strengths.fyd;
    const double zero = r.left() + r.width() * 0.4, reach = r.width() * 0.3;
    QPolygonF block;
    constexpr int kSteps = 80;
    block << QPointF(zero, d.at(0));
    for (int i = 0; i <= kSteps; ++i) {
        const double depth = H * i / kSteps;
        block << QPointF(zero + concreteStress(strainAt(s, H, depth), fcd) / fcd * reach,
                         d.at(depth));
    }
    block << QPointF(zero, d.at(H));
    p.setPen(QPen(kConcreteStress, 1));
    p.setBrush(QColor(kConcreteStress.red(), kConcreteStress.green(), kConcreteStress.blue(), 90));
    p.drawPolygon(block);
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(zero, d.at(0)), QPointF(zero, d.at(H)));
    const double offset = QFontMetricsF(p.font(), p.device()).height() * 0.6;
    const double compressed = pic.check.positive ? 0 : H;
    if (concreteStress(strainAt(s, H, compressed), fcd) > 0)
        text(p, zero, d.at(compressed) + (compressed == 0 ? -offset : offset),
             "fcd " + figure(fcd));
    for (size_t i = 0; i < pic.model.steel.size(); ++i) {
        const SteelLayer& bar = pic.model.steel[i];
        if (bar.area <= 0) continue;
        const double stress = s.steelStress[i];
        const QPointF end(zero + stress / fyd * reach, d.at(bar.depth));
        p.setPen(QPen(kSteel, 2));
        p.drawLine(QPointF(zero, end.y()), end);
        p.setBrush(kSteel);
        p.drawEllipse(end, 2.5, 2.5);
        // Beside the dot, away from the concrete block: tension to the left, compression to
        // the right beyond the block.
        p.setPen(kSteel);
        if (stress < 0)
            text(p, end.x() - 5, end.y(), figure(stress), true);
        else
            text(p, zero + reach + 5, end.y(), figure(stress));
    }
}

void paintDiagrams(QPainter& p, const QRectF& box, const UlsPicture& pic) {
    const SectionModel& m = pic.model;
    const QFontMetricsF fm(p.font(), p.device());
    const double head = fm.height() * 2.4, foot = fm.height() * 1.4;
    const double sectionWidth = box.width() * 0.34, panelWidth = (box.width() - sectionWidth) / 2;
    // To scale where the section fits; a flat one (a slab, a wide flange) keeps its depth over
    // half the height at least, its widths squeezed, so that its diagrams can be read.
    const double height = box.height() - head - foot;
    const double widthScale = (sectionWidth - 12) / std::max(1e-9, widestWidth(m.outline));
    const double scale = std::max(std::min(height / m.H, widthScale), 0.55 * height / m.H);
    const Depths d{box.top() + head, scale, std::min(scale, widthScale)};
    const QRectF section(box.left(), box.top(), sectionWidth, box.height());
    const QRectF strains(section.right(), box.top(), panelWidth, box.height());
    const QRectF stresses(strains.right(), box.top(), panelWidth, box.height());
    const std::optional<UlsState>& s = pic.check.ultimate;
    const bool axisWithin = s && s->x > 0 && s->x < m.H;
    p.setPen(kFaint);
    const double lineOne = box.top() + fm.height() / 2, lineTwo = lineOne + fm.height();
    text(p, section.left() + 4, lineOne, d.widthScale < scale ? "Sezione (B ridotta)" : "Sezione",
         false, sectionWidth - 6);
    if (axisWithin)
        text(p, section.left() + 4, lineTwo, "x " + figure(s->x), false, sectionWidth - 6);
    text(p, strains.left() + 4, lineOne, "ε ‰", false, panelWidth - 6);
    text(p, stresses.left() + 4, lineOne, "σ kg/cm²", false, panelWidth - 6);
    paintSectionPanel(p, section, d, pic);
    const bool finite = s && std::isfinite(s->strainTop) && std::isfinite(s->strainBottom);
    if (!finite) {
        p.setPen(kExceeded);
        text(p, strains.left() + 4, d.at(m.H / 2),
             s ? "trazione pura: tutte le barre snervate" : "N_Ed fuori dal dominio", false,
             2 * panelWidth - 6);
        return;
    }
    paintStrainPanel(p, strains, d, pic, *s);
    paintStressPanel(p, stresses, d, pic, *s);
    if (axisWithin) {
        const double y = d.at(pic.check.positive ? s->x : m.H - s->x);
        p.setPen(QPen(kFaint, 1, Qt::DashLine));
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
}

// A step of 1, 2 or 5 times a power of ten giving about `count` intervals over span.
double niceStep(double span, int count) {
    const double raw = span / count, power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0})
        if (raw <= f * power) return f * power;
    return 10 * power;
}

std::vector<TipZone> paintDomain(QPainter& p, const QRectF& box, const UlsPicture& pic) {
    std::vector<TipZone> tips;
    const QFontMetricsF fm(p.font(), p.device());
    const UlsCheck& c = pic.check;
    // In kN and kN·m.
    double nLo = c.N * kKiloNewtonsPerKg, nHi = nLo, mLo = 0, mHi = 0;
    for (const UlsDomainPoint& q : pic.domain) {
        nLo = std::min(nLo, q.N * kKiloNewtonsPerKg);
        nHi = std::max(nHi, q.N * kKiloNewtonsPerKg);
        mLo = std::min(mLo, q.negative * kKiloNewtonMetresPerKgCm);
        mHi = std::max(mHi, q.positive * kKiloNewtonMetresPerKgCm);
    }
    if (c.M) {
        mLo = std::min(mLo, *c.M * kKiloNewtonMetresPerKgCm);
        mHi = std::max(mHi, *c.M * kKiloNewtonMetresPerKgCm);
    }
    const double mSpan = std::max(mHi - mLo, 1e-9), nSpan = std::max(nHi - nLo, 1e-9);
    mLo -= 0.06 * mSpan, mHi += 0.06 * mSpan, nLo -= 0.06 * nSpan, nHi += 0.06 * nSpan;
    const double left = box.left() + fm.horizontalAdvance("-00000") + 6;
    const QRectF plot(left, box.top() + fm.height() * 1.6, box.right() - left - 4,
                      box.height() - fm.height() * 2.8);
    auto X = [&](double m) { return plot.left() + (m - mLo) / (mHi - mLo) * plot.width(); };
    auto Y = [&](double n) { return plot.bottom() - (n - nLo) / (nHi - nLo) * plot.height(); };

    p.setPen(kFaint);
    tips.push_back({text(p, box.left() + 2, box.top() + fm.height() / 2,
                         "Dominio N–M: N kN (compressione +), M kN·m", false, box.width() - 4),
                    "1 kN = 101.97 kg, 1 kN·m = 10197 kg·cm"});
    // Grid and tick labels; each label's tooltip gives its value in kg or kg·cm.
    const double mStep = niceStep(mHi - mLo, std::max(3, int(plot.width() / 60)));
    const double nStep = niceStep(nHi - nLo, std::max(2, int(plot.height() / 45)));
    for (double m = std::ceil(mLo / mStep) * mStep; m <= mHi; m += mStep) {
        const double v = std::fabs(m) < mStep / 2 ? 0 : m;
        p.setPen(QPen(v == 0 ? kFaint : QColor(225, 225, 225), 1));
        p.drawLine(QPointF(X(v), plot.top()), QPointF(X(v), plot.bottom()));
        p.setPen(kInk);
        const QString label = figure(v, 3);
        const double w = fm.horizontalAdvance(label);
        tips.push_back({text(p, X(v) - w / 2, plot.bottom() + fm.height() * 0.6, label),
                        figure(v / kKiloNewtonMetresPerKgCm, 5) + " kg·cm"});
    }
    for (double n = std::ceil(nLo / nStep) * nStep; n <= nHi; n += nStep) {
        const double v = std::fabs(n) < nStep / 2 ? 0 : n;
        p.setPen(QPen(v == 0 ? kFaint : QColor(225, 225, 225), 1));
        p.drawLine(QPointF(plot.left(), Y(v)), QPointF(plot.right(), Y(v)));
        p.setPen(kInk);
        tips.push_back({text(p, plot.left() - 4, Y(v), figure(v, 3), true),
                        figure(v / kKiloNewtonsPerKg, 5) + " kg"});
    }
    // The boundary: M_Rd+ up the compression side, M_Rd- back down.
    QPolygonF boundary;
    for (const UlsDomainPoint& q : pic.domain)
        boundary << QPointF(X(q.positive * kKiloNewtonMetresPerKgCm), Y(q.N * kKiloNewtonsPerKg));
    for (auto q = pic.domain.rbegin(); q != pic.domain.rend(); ++q)
        boundary << QPointF(X(q->negative * kKiloNewtonMetresPerKgCm), Y(q->N * kKiloNewtonsPerKg));
    p.setPen(QPen(kConcreteStress, 1.6));
    p.setBrush(QColor(kConcreteStress.red(), kConcreteStress.green(), kConcreteStress.blue(), 40));
    p.drawPolygon(boundary);
    // The line of constant N through the design point, its boundary point and the point.
    const double yEd = Y(c.N * kKiloNewtonsPerKg);
    p.setPen(QPen(kFaint, 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), yEd), QPointF(plot.right(), yEd));
    if (c.ultimate) {
        const QPointF rd(X(c.ultimate->M * kKiloNewtonMetresPerKgCm), yEd);
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(rd, 4, 4);
        tips.push_back({QRectF(rd - QPointF(6, 6), QSizeF(12, 12)),
                        "M_Rd = " + figure(c.ultimate->M, 5) + " kg·cm"});
    }
    if (c.M) {
        const QPointF ed(X(*c.M * kKiloNewtonMetresPerKgCm), yEd);
        p.setPen(QPen(kExceeded, 2));
        p.drawLine(ed + QPointF(-5, -5), ed + QPointF(5, 5));
        p.drawLine(ed + QPointF(-5, 5), ed + QPointF(5, -5));
        tips.push_back({QRectF(ed - QPointF(6, 6), QSizeF(12, 12)),
                        "M_Ed = " + figure(*c.M, 5) + " kg·cm, N_Ed = " + figure(c.N, 5) + " kg"});
    }
    return tips;
}

}  // namespace

std::vector<TipZone> paintUls(QPainter& p, const QRectF& box, const UlsPicture& pic) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(pixels(std::clamp(box.height() / 28, 9.0, 12.0)));
    std::vector<TipZone> tips;
    if (pic.model.H > 0 && !pic.model.outline.empty()) {
        const bool withDomain = !pic.domain.empty();
        const QRectF diagrams(box.left(), box.top(), withDomain ? box.width() * 0.55 : box.width(),
                              box.height());
        paintDiagrams(p, diagrams.adjusted(2, 2, -6, -2), pic);
        if (withDomain)
            tips = paintDomain(
                p,
                QRectF(diagrams.right(), box.top(), box.right() - diagrams.right(), box.height())
                    .adjusted(4, 2, -2, -2),
                pic);
    }
    p.restore();
    return tips;
}

}  // namespace lirvo::drawing
