#include "ui/element.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace lirvo::ui {

int toPixels(double twips, const Screen& screen) {
    return static_cast<int>(std::lround(twips / screen.twipsPerPixel()));
}

Placed::Placed(QWidget* widget, const Screen& screen, float width, float height)
    : widget_(widget), screen_(&screen) {
    rect_.width = width;
    rect_.height = height;
    apply();
}

void Placed::setLeftTwips(double twips) {
    rect_.left = static_cast<float>(twips);
    apply();
}

void Placed::setTopTwips(double twips) {
    rect_.top = static_cast<float>(twips);
    apply();
}

void Placed::setWidthTwips(double twips) {
    rect_.width = static_cast<float>(twips);
    apply();
}

void Placed::setHeightTwips(double twips) {
    rect_.height = static_cast<float>(twips);
    apply();
}

void Placed::moveTwips(double left, double top) {
    rect_.left = static_cast<float>(left);
    rect_.top = static_cast<float>(top);
    apply();
}

void Placed::setMinimumPixelHeight(int pixels) {
    minimumPixelHeight_ = pixels;
    apply();
}

void Placed::fitTextHeight(int margin) {
    setMinimumPixelHeight(widget_->fontMetrics().height() + margin);
}

double Placed::fittingPointSize(const QString& text, double points, double smallest) const {
    int room = widget_->contentsRect().width() - 2;
    if (qobject_cast<const QRadioButton*>(widget_) || qobject_cast<const QCheckBox*>(widget_)) {
        const QStyle* style = widget_->style();
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget_) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget_);
    }
    QFont font = widget_->font();
    for (font.setPointSizeF(points);
         font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(text) > room;)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font.pointSizeF();
}

void setPointSize(QWidget* widget, double points, bool bold) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

double shrinkToCommonSize(std::span<Placed* const> group, double points) {
    double common = points;
    for (const Placed* element : group) {
        const QWidget* w = element->widget();
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            text = button->text();
        common = std::min(common, element->fittingPointSize(text, points));
    }
    for (Placed* element : group)
        element->setPointSize(common);
    return common;
}

void chainTabOrder(std::span<QWidget* const> order) {
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Placed::setBackground(const QColor& colour) {
    // Buttons fill with their button colour, other widgets with the window colour.
    QPalette palette = widget_->palette();
    palette.setColor(widget_->backgroundRole(), colour);
    widget_->setPalette(palette);
    // An option or check box shows the ground of its frame; a frame or caption paints its own.
    widget_->setAutoFillBackground(!qobject_cast<QAbstractButton*>(widget_));
}

QColor Placed::background() const {
    return widget_->palette().color(widget_->backgroundRole());
}

void Placed::apply() {
    const Screen& s = *screen_;
    const int height = std::max(toPixels(rect_.height, s), minimumPixelHeight_);
    widget_->setGeometry(toPixels(rect_.left, s), toPixels(rect_.top, s),
                         std::max(toPixels(rect_.width, s), 0), std::max(height, 0));
}

}  // namespace lirvo::ui
