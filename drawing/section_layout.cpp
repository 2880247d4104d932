#include "drawing/section_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "sections/bar_notation.h"
#include "sections/regimes.h"
#include "sections/verdict.h"
#include "ui/qt_text.h"

namespace lirvo::drawing {
namespace {

constexpr double kMargin = 2;          // px kept clear inside the box: antialiased edges stay in it
constexpr double kCompactWidth = 420;  // px: below this the labels say only what they must
constexpr double kSmallestPixels = 6;  // lettering is not made smaller than this
constexpr double kLabelShare = 0.4;    // of the width, at most, for each column of labels

QFont pixelFont(QFont font, double pixels) {
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels))));
    return font;
}

double textWidth(const QFont& font, const QString& text, QPaintDevice* device) {
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

QString residual(double v) {
    return v == 0 ? QStringLiteral("0") : QString::number(v, 'g', 2);
}

QString stress(double kgPerCm2) {
    return figure(kgPerCm2) + " (" + figure(kgPerCm2 * kNewtonPerMm2, 3) + ")";
}

// "σc 49.79/50 (99.6%)": the real stress against the allowable one, dark red beyond it.
Run utilisation(const QString& symbol, const Utilisation& u) {
    return {symbol + " " + figure(u.stress) + "/" + figure(u.allowable) + " (" +
                QString::number(100 * u.ratio, 'f', 1) + "%)",
            u.exceeded ? kExceeded : kInk};
}

// A line of runs from `left` on the baseline at y, in a font made smaller until it fits the
// width; beyond the smallest one it is cut.
PlacedLine placeLine(Line runs, QFont font, double left, double baseline, double width,
                     QPaintDevice* device) {
    QString whole;
    for (const Run& run : runs)
        whole += run.text;
    const double natural = textWidth(font, whole, device);
    if (natural > width) font = pixelFont(font, std::max(5.0, font.pixelSize() * width / natural));
    const QFontMetricsF fm(font, device);
    const double advance = fm.horizontalAdvance(whole);
    const QRectF box(left, baseline - fm.ascent(), std::min(advance, width),
                     fm.ascent() + fm.descent());
    return {std::move(runs), font, QPointF(left, baseline), box, advance > width};
}

// Centres (in label.box) as near their targets as they go without overlapping, within
// [lo, hi]; where the column is too short they share it evenly.
void spread(std::vector<Label>& labels, double lineHeight, double lo, double hi) {
    if (labels.empty()) return;
    std::sort(labels.begin(), labels.end(),
              [](const Label& a, const Label& b) { return a.target < b.target; });
    const double top = lo + lineHeight / 2, bottom = std::max(top, hi - lineHeight / 2);
    const double step =
        std::min(lineHeight, (bottom - top) / std::max<double>(1, labels.size() - 1));
    std::vector<double> y(labels.size());
    double previous = top - step;
    for (size_t i = 0; i < labels.size(); ++i)
        previous = y[i] = std::min(std::max(labels[i].target, previous + step), bottom);
    double next = bottom + step;
    for (size_t i = labels.size(); i-- > 0;)
        next = y[i] = std::max(std::min(y[i], next - step), top);
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i].box = QRectF(0, y[i] - lineHeight / 2, 0, lineHeight);
}

// The labels: areas and the axis on the left, stresses on the right (of the steel that is
// there); targets as depths.
void collectLabels(const CaseAnalysis& a, bool compact, SectionLayout& l) {
    const SectionState& s = a.state;
    const SectionModel& m = a.model;
    const bool cracked = s.regime == Regime::kCracked;
    for (size_t i = 0; i < m.steel.size(); ++i) {
        const bool tension = static_cast<int>(i) == a.tensionSteel;
        // Bars typed in a check with their area, "Af 4Ø16 = 8.04 cm²"; the bars alone where room
        // is short (the field's tooltip has the area).
        const bool typedBars =
            a.operation == Operation::kCheck && i < a.bars.size() && !a.bars[i].empty();
        const QString steel =
            typedBars ? QString::fromStdString(compact ? std::string(withoutEndBlanks(a.bars[i]))
                                                       : barsAndArea(a.bars[i], m.steel[i].area))
                      : figure(m.steel[i].area) + (compact ? "" : " cm²");
        l.left.push_back({m.steel[i].depth, (tension ? "Af " : "Af' ") + steel});
        if (m.steel[i].area > 0)
            l.right.push_back(
                {m.steel[i].depth, (tension ? "σf " : "σf' ") + stress(s.steelStress[i]), kSteel});
    }
    if (s.x) {
        const QString where = cracked || std::isinf(*s.x) ? "" : " (fuori)";
        l.left.push_back({std::clamp(*s.x, 0.0, m.H),
                          "x " + (std::isinf(*s.x) ? QString("∞") : figure(*s.x)) + where});
    }
    if (s.regime != Regime::kWhollyInTension) {
        const bool top = s.sigmaTop >= s.sigmaBottom;
        l.right.push_back({top ? 0 : m.H, "σc " + stress(s.sigmaC)});
        if (!cracked)
            l.right.push_back({top ? m.H : 0, "σ " + stress(std::min(s.sigmaTop, s.sigmaBottom))});
    }
}

double widest(const std::vector<Label>& labels, const QFont& font, QPaintDevice* device) {
    double w = 0;
    for (const Label& label : labels)
        w = std::max(w, textWidth(font, label.text, device));
    return w;
}

// The lines under the drawing and the heading above it.
std::vector<Line> linesBelow(const CaseAnalysis& a, LinesBelow below) {
    std::vector<Line> lines;
    if (below != LinesBelow::kEquilibrium) return lines;
    lines.push_back({{equilibriumText(a.state)}});
    const Verdict v = verdictOf(a);
    if (v.concrete) {
        lines.push_back({utilisation("σc", *v.concrete)});
        if (v.steel)
            lines.back().insert(
                lines.back().end(),
                {{"   "}, utilisation(v.steelLayer == a.tensionSteel ? "σf" : "σf'", *v.steel)});
    }
    // The report writes the proposal beside the area in its table of results.
    if (const QString proposed = proposedBarsText(a); !proposed.isEmpty())
        lines.push_back({{proposed}});
    return lines;
}

Line heading(const CaseAnalysis& a, bool compact) {
    const bool cracked = a.state.regime == Regime::kCracked;
    Line line;
    // The small frame has its title above it; a large drawing says what it shows itself.
    if (!compact) line.push_back({drawingTitle(a.operation) + " — ", kInk});
    if (!cracked || !compact)
        line.push_back({toQString(regimeWords(a.state.regime)) + "    ", kFaint});
    line.push_back(
        {compact ? "kg/cm² (N/mm²), compr. +" : "kg/cm² (N/mm²), compressione +", kFaint});
    return line;
}

// The whole plan at one size of lettering; `fits` tells whether every label stands whole and
// clear of the others at that size.
SectionLayout layOutAt(const QRectF& box, const CaseAnalysis& a, LinesBelow below, QFont font,
                       QPaintDevice* device, bool& fits) {
    SectionLayout l;
    l.drawn = true;
    l.font = font;
    const QFontMetricsF fm(font, device);
    l.lineHeight = fm.height();
    l.gap = std::max(3.0, fm.averageCharWidth());
    const double lineHeight = l.lineHeight, gap = l.gap;
    const bool compact = box.width() < kCompactWidth;
    const SectionModel& m = a.model;
    const SectionState& s = a.state;

    const std::vector<Line> under = linesBelow(a, below);
    const double textTop = box.bottom() - under.size() * lineHeight;
    for (size_t i = 0; i < under.size(); ++i)
        l.lines.push_back(placeLine(under[i], font, box.left(),
                                    textTop + i * lineHeight + fm.ascent(), box.width(), device));
    l.lines.push_back(placeLine(heading(a, compact), font, box.left(), box.top() + fm.ascent(),
                                box.width(), device));

    collectLabels(a, compact, l);
    const double rightWidth = widest(l.right, font, device);
    double leftWidth = widest(l.left, font, device);

    // The section to scale and the diagram share the middle: the section at the scale that
    // fits it in all but a third of the width and in the height between heading and text,
    // the diagram in the rest, up to a little more than the section's width or more than half
    // its depth; the whole centred in the box. A section too wide for its height to fill the
    // box leaves the left column for a line of its labels under it, where it gains more than
    // that line costs and the line fits beside the right column.
    const double areaTop = box.top() + lineHeight + gap, areaHeight = textTop - gap - areaTop;
    const double widestPart = widestWidth(m.outline);
    auto scaleFor = [&](double labelsWidth, double height) {
        const double middle = box.width() - labelsWidth - rightWidth - 4 * gap;
        return std::max(0.0, std::min(middle * 2 / 3 / widestPart, height / m.H));
    };
    const double beside = scaleFor(leftWidth, areaHeight);
    const double underScale = scaleFor(-gap, areaHeight - lineHeight - gap);
    QString underText;
    for (const Label& label : l.left)
        underText += label.text + "   ";
    const bool labelsUnder = underScale > 1.15 * beside && textWidth(font, underText, device) <=
                                                               box.width() - rightWidth - 2 * gap;
    if (labelsUnder) leftWidth = -gap;
    l.scale = labelsUnder ? underScale : beside;
    const double middle = std::max(0.0, box.width() - leftWidth - rightWidth - 4 * gap);
    l.sectionWidth = widestPart * l.scale;
    const double sectionHeight = m.H * l.scale;
    const double areaBottom = areaTop + areaHeight - (labelsUnder ? lineHeight + gap : 0);
    const double diagramWidth = std::min(
        middle - l.sectionWidth, std::max({1.2 * l.sectionWidth, 0.6 * sectionHeight, 6 * gap}));
    const double used = leftWidth + l.sectionWidth + diagramWidth + rightWidth + 4 * gap;
    l.labelsLeft = box.left() + (box.width() - used) / 2;
    l.sectionLeft = l.labelsLeft + leftWidth + gap;
    l.cx = l.sectionLeft + l.sectionWidth / 2;
    l.top = areaTop + std::max(0.0, (areaBottom - areaTop - sectionHeight) / 2);
    l.diagramLeft = l.sectionLeft + l.sectionWidth + 2 * gap;
    l.diagramRight = l.diagramLeft + diagramWidth;
    l.labelsRight = l.diagramRight + gap;

    // The diagram: compression to the right of its base line, tension to the left, one scale
    // for the concrete and the steel over n.
    l.most = std::max({s.sigmaTop, s.sigmaBottom, 0.0});
    l.least = std::min({s.sigmaTop, s.sigmaBottom, 0.0});
    for (size_t i = 0; i < m.steel.size(); ++i) {
        if (!(m.steel[i].area > 0)) continue;
        l.most = std::max(l.most, s.steelStress[i] / m.n);
        l.least = std::min(l.least, s.steelStress[i] / m.n);
    }
    l.k = l.most > l.least ? std::max(0.0, diagramWidth) / (l.most - l.least) : 0;
    l.base = l.diagramLeft - l.least * l.k;

    // Labels at the heights of what they name, spread where they would overlap.
    for (auto* labels : {&l.left, &l.right})
        for (Label& label : *labels)
            label.target = l.yOf(label.target);
    const double columnTop = box.top() + lineHeight, columnBottom = textTop - gap / 2;
    spread(l.right, lineHeight, columnTop, columnBottom);
    for (Label& label : l.right)
        label.box =
            QRectF(l.labelsRight, label.box.top(), textWidth(font, label.text, device), lineHeight);
    if (labelsUnder) {
        std::sort(l.left.begin(), l.left.end(),
                  [](const Label& x, const Label& y) { return x.target < y.target; });
        Line line;
        for (const Label& label : l.left)
            line.push_back({label.text + "   ", label.colour});
        l.lines.push_back(placeLine(line, font, l.labelsLeft, l.yOf(m.H) + gap + fm.ascent(),
                                    l.labelsRight - gap - l.labelsLeft, device));
        l.left.clear();
    } else {
        spread(l.left, lineHeight, columnTop, columnBottom);
        for (Label& label : l.left)
            label.box = QRectF(l.labelsLeft, label.box.top(), textWidth(font, label.text, device),
                               lineHeight);
    }

    const double column = columnBottom - columnTop;
    const auto rows = static_cast<double>(std::max(l.left.size(), l.right.size()));
    fits = std::max(leftWidth, rightWidth) <= kLabelShare * box.width() &&
           rows * lineHeight <= column + 1e-9 && l.sectionWidth > 0;
    for (const PlacedLine& line : l.lines)
        fits = fits && !line.cut;
    return l;
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

QString drawingTitle(Operation operation) {
    return operation == Operation::kCheck ? "equilibrio della sezione"
                                          : "sezione ottenuta: equilibrio";
}

std::vector<QRectF> SectionLayout::textBoxes() const {
    std::vector<QRectF> boxes;
    for (const PlacedLine& line : lines)
        boxes.push_back(line.box);
    for (const auto* labels : {&left, &right})
        for (const Label& label : *labels)
            boxes.push_back(label.box);
    return boxes;
}

SectionLayout layOutSection(const QRectF& outer, const CaseAnalysis& a, LinesBelow below,
                            const QFont& font, QPaintDevice* device) {
    const QRectF box = outer.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (box.width() < 24 || box.height() < 24) return {};
    double pixels =
        std::clamp(std::min(box.height() / 12.5, box.width() / 20), kSmallestPixels, 18.0);
    if (a.state.status != AnalysisStatus::kSolved) {
        SectionLayout l;
        l.drawn = true;
        l.font = pixelFont(font, pixels);
        l.lines.push_back(placeLine({{"Equilibrio non trovato per questa sezione"}}, l.font,
                                    box.left(), box.center().y(), box.width(), device));
        return l;
    }
    // The largest lettering, down to the smallest, at which every label stands whole.
    for (;; pixels -= 1) {
        bool fits = false;
        SectionLayout l = layOutAt(box, a, below, pixelFont(font, pixels), device, fits);
        if (fits || pixels - 1 < kSmallestPixels) return l;
    }
}

QString proposedBarsText(const CaseAnalysis& a) {
    if (a.operation == Operation::kCheck) return {};
    QStringList parts;
    for (size_t i = 0; i < a.bars.size(); ++i)
        if (!a.bars[i].empty())
            parts << (static_cast<int>(i) == a.tensionSteel ? "Af " : "Af' ") +
                         QString::fromStdString(a.bars[i]);
    return parts.isEmpty() ? QString() : "Barre proposte: " + parts.join(", ");
}

}  // namespace lirvo::drawing
