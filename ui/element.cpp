#include "ui/element.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
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

void Placed::setMinimumPixelWidth(int pixels) {
    minimumPixelWidth_ = pixels;
    apply();
}

void Placed::fitTextHeight(int margin) {
    setMinimumPixelHeight(widget_->fontMetrics().height() + margin);
}

namespace {

// The pixels across that a value field leaves its text: inside its frame and text margins,
// less the two pixels the toolkit keeps clear on each side.
int lineEditRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.rect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;
}

// The pixels across that the widget leaves its text, and how many of them the text takes in
// this font.
struct Across {
    int room, needed;
};

Across across(const QWidget* widget, const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        // A field scrolls its text unless the text, its cursor and any overhang of the glyphs
        // at the ends fit.
        return {lineEditRoom(*field), metrics.horizontalAdvance(text) + 1 +
                                          std::max(0, -metrics.minLeftBearing()) +
                                          std::max(0, -metrics.minRightBearing())};
    }
    int room = widget->contentsRect().width() - 2;
    if (qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget)) {
        const QStyle* style = widget->style();
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
    }
    return {room, metrics.horizontalAdvance(text)};
}

// The pixels down that stay visible of the widget: its parent (a frame) clips it at the
// bottom of its contents.
int visibleHeight(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    if (!parent) return widget->height();
    return std::min(widget->height(), parent->contentsRect().bottom() + 1 - widget->y());
}

}  // namespace

bool Placed::fits(const QString& text, const QFont& font) const {
    const Across a = across(widget_, font, text);
    return a.needed <= a.room && QFontMetrics(font).height() <= visibleHeight(widget_);
}

int Placed::pixelWidthFor(const QString& text) const {
    const Across a = across(widget_, widget_->font(), text);
    return widget_->width() + std::max(0, a.needed - a.room);
}

void Placed::widenToShowText(double mostTwips) {
    setMinimumPixelWidth(0);
    const int needed = pixelWidthFor(shownText(widget_));
    if (needed > widget_->width())
        setMinimumPixelWidth(std::min(needed, toPixels(mostTwips, *screen_)));
}

double Placed::fittingPointSize(const QString& text, double points, double smallest) const {
    QFont font = widget_->font();
    for (font.setPointSizeF(points); font.pointSizeF() > smallest && !fits(text, font);)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font.pointSizeF();
}

QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) return field->text();
    return {};
}

void setPointSize(QWidget* widget, double points, bool bold) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

double shrinkToCommonSize(std::span<Placed* const> group, double points) {
    double common = points;
    for (const Placed* element : group)
        common = std::min(common, element->fittingPointSize(shownText(element->widget()), points));
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
    const int width = std::max(toPixels(rect_.width, s), minimumPixelWidth_);
    widget_->setGeometry(toPixels(rect_.left, s), toPixels(rect_.top, s), std::max(width, 0),
                         std::max(height, 0));
}

}  // namespace lirvo::ui
