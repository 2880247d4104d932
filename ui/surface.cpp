#include "ui/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "ui/element.h"

namespace lirvo::ui {

Surface::Surface(const Screen& screen, QWidget* parent) : QWidget(parent), screen_(screen) {
    setAutoFillBackground(true);
}

void Surface::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor Surface::background() const {
    return palette().color(QPalette::Window);
}

int Surface::addLine() {
    lines_.emplace_back();
    return static_cast<int>(lines_.size()) - 1;
}

void Surface::setLine(int index, double x1, double y1, double x2, double y2) {
    lines_.at(index) = {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                        static_cast<float>(y2)};
    update();
}

void Surface::drawText(double left, double top, const QString& text) {
    drawText(left, top, text, {font(), palette().color(QPalette::WindowText)});
}

void Surface::drawText(double left, double top, const QString& text, const TextLook& look) {
    texts_.push_back({static_cast<float>(left), static_cast<float>(top), text, look});
    update();
}

// Drawn one pixel above the point given, so that an element that starts there leaves it whole.
QRect Surface::pixelRect(const DrawnText& drawn) const {
    const QFontMetrics metrics(drawn.look.font);
    const int baseline = toPixels(drawn.top, screen_) - 1;
    return QRect(toPixels(drawn.left, screen_), baseline - metrics.ascent(),
                 metrics.horizontalAdvance(drawn.text), metrics.ascent() + metrics.descent());
}

void Surface::clearDrawing() {
    texts_.clear();
    update();
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const TwipLine& l : lines_)
        painter.drawLine(toPixels(l.x1, screen_), toPixels(l.y1, screen_), toPixels(l.x2, screen_),
                         toPixels(l.y2, screen_));
    for (const DrawnText& t : texts_) {
        painter.setFont(t.look.font);
        painter.setPen(t.look.colour);
        painter.drawText(toPixels(t.left, screen_), toPixels(t.top, screen_) - 1, t.text);
    }
}

}  // namespace lirvo::ui
