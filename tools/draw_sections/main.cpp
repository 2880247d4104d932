// Draws the cross-section pictures shown beside the input fields:
//
//   lirvo_draw_sections OUTPUT_DIR
//
// writes ret1_ver.jpg (rectangular beam), t1_ver.jpg (T or L beam) and Pil1_ver.jpg (column
// in combined compression and bending). Every label is the symbol of an input or result field,
// so the picture explains the fields. The pictures are shown small, so the text is large and
// the elements few.

#include <QByteArray>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 600;
constexpr int kJpegQuality = 92;

constexpr double kOutline = 4;       // concrete outline
constexpr double kLine = 3;          // dimension lines, neutral axis, arrows
constexpr double kThin = 2;          // extension lines, stirrups
constexpr double kBarRadius = 12;    // reinforcing bar
constexpr double kArrowLength = 20;  // arrowhead
constexpr double kArrowWidth = 14;
constexpr double kExtensionGap = 8;    // between the drawing and an extension line
constexpr double kExtensionOver = 12;  // an extension line runs this far past its dimension line
constexpr double kLabelGap = 12;       // between a dimension line and its label
constexpr int kLabelSize = 46;         // px
constexpr int kTitleSize = 30;         // px

const QColor kInk(0, 0, 0);
const QColor kConcrete(220, 220, 220);
const QColor kTitleInk(70, 70, 70);

enum class Side { kLeft, kRight, kAbove, kBelow };

class Sheet {
  public:
    Sheet() : image_(kWidth, kHeight, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        p_.begin(&image_);
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
        label_.setFamily("Liberation Sans");
        label_.setPixelSize(kLabelSize);
        title_.setFamily("Liberation Sans");
        title_.setPixelSize(kTitleSize);
        title_.setBold(true);
    }

    bool save(const QString& path) {
        p_.end();
        return image_.save(path, "JPG", kJpegQuality);
    }

    void title(const QString& text) {
        p_.setFont(title_);
        p_.setPen(kTitleInk);
        QFontMetricsF fm(title_);
        p_.drawText(QPointF(24, 24 + fm.ascent()), text);
    }

    // The concrete: grey fill, heavy outline.
    void concrete(const QPolygonF& outline) {
        QPainterPath path;
        path.addPolygon(outline);
        path.closeSubpath();
        p_.fillPath(path, kConcrete);
        p_.setPen(QPen(kInk, kOutline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    void bar(QPointF centre) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(kInk);
        p_.drawEllipse(centre, kBarRadius, kBarRadius);
    }

    // A stirrup passing just outside the bars whose centres are the corners of `bars`.
    void stirrup(const QRectF& bars) {
        const double out = kBarRadius + kThin;
        p_.setPen(QPen(kInk, kThin));
        p_.setBrush(Qt::NoBrush);
        p_.drawRoundedRect(bars.adjusted(-out, -out, out, out), out, out);
    }

    void extension(QPointF from, QPointF to) {
        p_.setPen(QPen(kInk, kThin, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(from, to);
    }

    // Extension line from a point of the drawing towards a dimension line at x, leaving a gap
    // at the drawing and running a little past the dimension line.
    void extensionToX(QPointF from, double x) {
        const double dir = x > from.x() ? 1 : -1;
        extension(QPointF(from.x() + dir * kExtensionGap, from.y()),
                  QPointF(x + dir * kExtensionOver, from.y()));
    }
    void extensionToY(QPointF from, double y) {
        const double dir = y > from.y() ? 1 : -1;
        extension(QPointF(from.x(), from.y() + dir * kExtensionGap),
                  QPointF(from.x(), y + dir * kExtensionOver));
    }

    void arrowHead(QPointF tip, QPointF direction) {
        const double len = std::hypot(direction.x(), direction.y());
        const QPointF u = direction / len;
        const QPointF n(-u.y(), u.x());
        const QPointF base = tip - u * kArrowLength;
        p_.setPen(Qt::NoPen);
        p_.setBrush(kInk);
        p_.drawPolygon(QPolygonF{tip, base + n * (kArrowWidth / 2), base - n * (kArrowWidth / 2)});
    }

    // Dimension line from a to b with its label on `side`. When the span is too short for the
    // arrowheads, they sit outside and point inwards.
    void dimension(QPointF a, QPointF b, const QString& text, Side side) {
        const QLineF span(a, b);
        const QPointF u = (b - a) / span.length();
        p_.setPen(QPen(kInk, kLine, Qt::SolidLine, Qt::FlatCap));
        if (span.length() >= 3.2 * kArrowLength) {
            p_.drawLine(a + u * (kArrowLength * 0.5), b - u * (kArrowLength * 0.5));
            arrowHead(a, -u);
            arrowHead(b, u);
        } else {
            const double tail = kArrowLength * 1.8;
            p_.drawLine(a - u * tail, b + u * tail);
            arrowHead(a, u);
            arrowHead(b, -u);
        }
        labelBeside(text, (a + b) / 2, side);
    }

    // Neutral axis: a dashed line.
    void neutralAxis(QPointF a, QPointF b) {
        QPen pen(kInk, kLine, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({5, 3});
        p_.setPen(pen);
        p_.drawLine(a, b);
    }

    // Centre line: long dash, dot.
    void centreLine(QPointF a, QPointF b) {
        QPen pen(kInk, kThin, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({14, 4, 2, 4});
        p_.setPen(pen);
        p_.drawLine(a, b);
    }

    // Curved arrow for a moment: an arc round `centre`, angles in degrees counter-clockwise
    // from the positive x axis, the arrowhead at the end of the sweep.
    void momentArrow(QPointF centre, double radius, double startDeg, double sweepDeg,
                     const QString& text) {
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        // Stop the arc where the arrowhead begins.
        const double headDeg = kArrowLength / radius * 180 / std::numbers::pi;
        const double sign = sweepDeg > 0 ? 1 : -1;
        QPainterPath arc;
        arc.arcMoveTo(box, startDeg);
        arc.arcTo(box, startDeg, sweepDeg - sign * headDeg * 0.6);
        p_.setPen(QPen(kInk, kLine + 1, Qt::SolidLine, Qt::FlatCap));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(arc);
        const double endRad = (startDeg + sweepDeg) * std::numbers::pi / 180;
        const QPointF tip = centre + QPointF(std::cos(endRad), -std::sin(endRad)) * radius;
        // The arrowhead follows the chord over its own length (y grows downwards).
        const double chordRad = (startDeg + sweepDeg - sign * headDeg / 2) * std::numbers::pi / 180;
        const QPointF before = centre + QPointF(std::cos(chordRad), -std::sin(chordRad)) * radius;
        arrowHead(tip, tip - before);
        labelAt(text, centre, Qt::AlignCenter);
    }

    // A force seen end-on: an arrow drawn obliquely onto its point of application.
    void force(QPointF tail, QPointF point, const QString& text, Side side) {
        const QLineF shaft(tail, point);
        const QPointF u = (point - tail) / shaft.length();
        const double dot = 11;
        const QPointF tip = point - u * (dot + 3);
        p_.setPen(QPen(kInk, kLine + 1, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(tail, tip - u * (kArrowLength * 0.6));
        arrowHead(tip, u);
        p_.setPen(QPen(kInk, kLine));
        p_.setBrush(Qt::white);
        p_.drawEllipse(point, dot, dot);
        p_.setBrush(kInk);
        p_.drawEllipse(point, 4.5, 4.5);
        labelBeside(text, tail, side);
    }

    // A label on one side of `at`, clear of it by the label gap.
    void labelBeside(const QString& text, QPointF at, Side side) {
        switch (side) {
            case Side::kLeft:
                return labelAt(text, {at.x() - kLabelGap, at.y()}, Qt::AlignRight);
            case Side::kRight:
                return labelAt(text, {at.x() + kLabelGap, at.y()}, Qt::AlignLeft);
            case Side::kAbove:
                return labelAt(text, {at.x(), at.y() - kLabelGap}, Qt::AlignBottom);
            case Side::kBelow:
                return labelAt(text, {at.x(), at.y() + kLabelGap}, Qt::AlignTop);
        }
    }

    // Places a label relative to `at`. Across, by its ink: AlignLeft puts the ink's left edge
    // at `at`, AlignRight its right edge. Up and down, by the capital letters, so that "h" and
    // "H" sit alike: AlignBottom puts the baseline at `at`, AlignTop the top of the capitals.
    // A direction not given centres the label on `at`.
    void labelAt(const QString& text, QPointF at, Qt::Alignment align) {
        p_.setFont(label_);
        QFontMetricsF fm(label_);
        const QRectF ink = fm.tightBoundingRect(text);
        const double capTop = -fm.capHeight();
        double x = at.x() - (ink.left() + ink.width() / 2);
        if (align & Qt::AlignLeft) x = at.x() - ink.left();
        if (align & Qt::AlignRight) x = at.x() - ink.right();
        double baseline = at.y() - capTop / 2;
        if (align & Qt::AlignBottom) baseline = at.y();
        if (align & Qt::AlignTop) baseline = at.y() - capTop;
        // A halo in the background colour keeps a label readable where a line passes under it.
        QPainterPath glyphs;
        glyphs.addText(QPointF(x, baseline), label_, text);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(haloColour_, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawPath(glyphs);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kInk);
        p_.drawPath(glyphs);
    }

    // Labels drawn on the grey fill get a grey halo, on white a white one.
    void haloOnConcrete(bool on) { haloColour_ = on ? kConcrete : QColor(Qt::white); }

  private:
    QImage image_;
    QPainter p_;
    QFont label_;
    QFont title_;
    QColor haloColour_ = Qt::white;
};

// Rectangular beam, bending with the compressed side on top.
bool drawRectangularBeam(const QString& path) {
    Sheet s;
    s.title("Trave rettangolare");

    const double left = 330, right = 590, top = 125, cover = 60, depth = 375;
    const double bottom = top + depth + cover;  // H = h + C
    const double x = 175;                       // neutral axis depth
    const double afc = top + cover, af = top + depth, axis = top + x;

    s.concrete(QPolygonF{{left, top}, {right, top}, {right, bottom}, {left, bottom}});
    s.stirrup(QRectF(QPointF(left + cover, afc), QPointF(right - cover, af)));
    for (double bx : {left + cover, right - cover})
        s.bar({bx, afc});
    for (double bx : {left + cover, (left + right) / 2, right - cover})
        s.bar({bx, af});
    s.haloOnConcrete(true);
    s.labelAt("Af'", {(left + right) / 2, afc + 50}, Qt::AlignHCenter);
    s.labelAt("Af", {(left + right) / 2, af - 50}, Qt::AlignHCenter);
    s.haloOnConcrete(false);

    // B across the top.
    const double yB = top - 42;
    s.extensionToY({left, top}, yB);
    s.extensionToY({right, top}, yB);
    s.dimension({left, yB}, {right, yB}, "B", Side::kAbove);

    // h on the left, from the top face to the tension steel; H, the whole depth, outside it.
    const double xh = left - 75, xH = left - 165;
    s.extensionToX({left, top}, xH);
    s.extensionToX({left, af}, xh);
    s.extensionToX({left, bottom}, xH);
    s.dimension({xh, top}, {xh, af}, "h", Side::kLeft);
    s.dimension({xH, top}, {xH, bottom}, "H", Side::kLeft);

    // C and X on the right, both from the top face.
    const double xC = right + 45, xX = right + 125;
    s.extensionToX({right, top}, xX);
    s.extensionToX({right, afc}, xC);
    s.dimension({xC, top}, {xC, afc}, "C", Side::kRight);
    s.neutralAxis({left - 30, axis}, {xX + kExtensionOver, axis});
    s.dimension({xX, top}, {xX, axis}, "X", Side::kRight);

    s.momentArrow({right + 170, 455}, 52, 210, -240, "M");
    return s.save(path);
}

// T beam: slab of width B and thickness d, rib of width s, compressed side on top. An L beam
// is the same with the slab on one side only.
bool drawTeeBeam(const QString& path) {
    Sheet s;
    s.title("Trave a T o a L");

    const double left = 175, right = 695, top = 124, slab = 95, cover = 48, depth = 335;
    const double rib = 190, ribLeft = (left + right - rib) / 2, ribRight = ribLeft + rib;
    const double bottom = top + depth + cover;  // H = h + C
    const double x = 140;                       // neutral axis depth, here in the rib
    const double afc = top + cover, af = top + depth, axis = top + x, slabBottom = top + slab;

    s.concrete(QPolygonF{{left, top},
                         {right, top},
                         {right, slabBottom},
                         {ribRight, slabBottom},
                         {ribRight, bottom},
                         {ribLeft, bottom},
                         {ribLeft, slabBottom},
                         {left, slabBottom}});
    s.stirrup(QRectF(QPointF(ribLeft + cover, afc), QPointF(ribRight - cover, af)));
    for (double bx : {ribLeft + cover, ribRight - cover})
        s.bar({bx, afc});
    for (double bx : {ribLeft + cover, (ribLeft + ribRight) / 2, ribRight - cover})
        s.bar({bx, af});
    s.haloOnConcrete(true);
    s.labelAt("Af'", {(left + ribLeft) / 2 + 10, afc}, Qt::AlignHCenter);
    s.labelAt("Af", {(ribLeft + ribRight) / 2, af - 50}, Qt::AlignHCenter);
    s.haloOnConcrete(false);

    // B across the top, s under the rib.
    const double yB = top - 40, ys = bottom + 33;
    s.extensionToY({left, top}, yB);
    s.extensionToY({right, top}, yB);
    s.dimension({left, yB}, {right, yB}, "B", Side::kAbove);
    s.extensionToY({ribLeft, bottom}, ys);
    s.extensionToY({ribRight, bottom}, ys);
    s.dimension({ribLeft, ys}, {ribRight, ys}, "s", Side::kBelow);

    // d beside the slab; h further out, its label inside under the slab.
    const double xd = left - 45, xh = left - 115;
    s.extensionToX({left, top}, xh);
    s.extensionToX({left, slabBottom}, xd);
    s.extensionToX({ribLeft, af}, xh);
    s.dimension({xd, top}, {xd, slabBottom}, "d", Side::kLeft);
    s.dimension({xh, top}, {xh, af}, "h", Side::kRight);

    // C and X on the right, both from the top face.
    const double xC = right + 45, xX = right + 125;
    s.extensionToX({right, top}, xX);
    s.extensionToX({right, afc}, xC);
    s.dimension({xC, top}, {xC, afc}, "C", Side::kRight);
    s.neutralAxis({ribLeft - 40, axis}, {xX + kExtensionOver, axis});
    s.dimension({xX, top}, {xX, axis}, "X", Side::kRight);

    s.momentArrow({(xh + ribLeft) / 2 + 20, 345}, 52, 210, -240, "M");
    return s.save(path);
}

// Column: the depth runs across the picture, the compressed side (Af') on the left. The cover
// on the compressed side is C2, the one beyond the tension steel C1: the whole depth is h + C1.
bool drawColumn(const QString& path) {
    Sheet s;
    s.title("Pilastro a pressoflessione");

    const double left = 135, top = 185, width = 240, depth = 470, coverC = 55, coverT = 55;
    const double right = left + depth + coverT, bottom = top + width;
    const double afc = left + coverC, af = left + depth, midY = (top + bottom) / 2;
    const double centroid = (left + right) / 2;
    const double x = 205;  // neutral axis depth
    const double e = 112;  // eccentricity of N, towards the compressed side
    const double axis = left + x;

    s.concrete(QPolygonF{{left, top}, {right, top}, {right, bottom}, {left, bottom}});
    for (double by : {top + coverC, bottom - coverT}) {
        s.bar({afc, by});
        s.bar({af, by});
    }
    s.haloOnConcrete(true);
    s.labelAt("Af'", {afc, midY}, Qt::AlignHCenter);
    s.labelAt("Af", {af, midY}, Qt::AlignHCenter);
    s.haloOnConcrete(false);

    s.centreLine({centroid, top - 25}, {centroid, bottom + 25});

    // C2 and C1 over the top.
    const double yC = top - 40;
    s.extensionToY({left, top}, yC);
    s.extensionToY({afc, top}, yC);
    s.extensionToY({af, top}, yC);
    s.extensionToY({right, top}, yC);
    s.dimension({left, yC}, {afc, yC}, "C2", Side::kAbove);
    s.dimension({af, yC}, {right, yC}, "C1", Side::kAbove);

    // X and h below, both from the compressed face.
    const double yX = bottom + 40, yh = bottom + 110;
    s.extensionToY({left, bottom}, yh);
    s.extensionToY({af, bottom}, yh);
    s.neutralAxis({axis, top - 15}, {axis, yX + kExtensionOver});
    s.dimension({left, yX}, {axis, yX}, "X", Side::kBelow);
    s.dimension({left, yh}, {af, yh}, "h", Side::kBelow);

    // B on the right.
    const double xB = right + 45;
    s.extensionToX({right, top}, xB);
    s.extensionToX({right, bottom}, xB);
    s.dimension({xB, top}, {xB, bottom}, "B", Side::kRight);

    s.force({centroid + 115, 100}, {centroid - e, midY}, "N", Side::kRight);
    s.momentArrow({xB + 118, midY}, 48, 210, -240, "M");
    return s.save(path);
}

}  // namespace

int main(int argc, char** argv) {
    // No window is ever shown: paint off screen, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lirvo_draw_sections OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    struct Picture {
        const char* file;
        std::function<bool(const QString&)> draw;
    };
    const Picture pictures[] = {
        {"ret1_ver.jpg", drawRectangularBeam},
        {"t1_ver.jpg", drawTeeBeam},
        {"Pil1_ver.jpg", drawColumn},
    };
    for (const Picture& pic : pictures) {
        const QString file = out.filePath(pic.file);
        if (!pic.draw(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
