// An element of a window with its geometry kept in twips, as single-precision numbers, exactly
// as the layout computes it; the widget shows it in whole pixels of the screen.
#pragma once

#include <QColor>
#include <QWidget>
#include <span>
#include <vector>

#include "ui/screen.h"

namespace lirvo::ui {

// The one way the windows set a font size.
void setPointSize(QWidget* widget, double points, bool bold = false);

// The least font size a text shrinks to so as to show whole: still legible on the screen and
// on the printed page.
inline constexpr double kSmallestPoints = 7;

// The text a caption, a button or a value field shows.
QString shownText(const QWidget* widget);

struct TwipRect {
    float left = 0, top = 0, width = 0, height = 0;
};

class Placed {
  public:
    Placed() = default;
    // Takes the widget's present pixel geometry as its size at creation.
    Placed(QWidget* widget, const Screen& screen, float width, float height);

    // Twips, each computed in double precision and stored in single precision. The names say
    // twips so that they never pass for the widget's own pixel geometry (`->move()`).
    void setLeftTwips(double twips);
    void setTopTwips(double twips);
    void setWidthTwips(double twips);
    void setHeightTwips(double twips);
    void moveTwips(double left, double top);

    float leftTwips() const { return rect_.left; }
    float topTwips() const { return rect_.top; }
    float widthTwips() const { return rect_.width; }
    float heightTwips() const { return rect_.height; }
    const TwipRect& rect() const { return rect_; }

    bool visible() const { return !widget_->isHidden(); }
    void setVisible(bool on) { widget_->setVisible(on); }
    // The colour behind the element's own drawing; the element paints it.
    void setBackground(const QColor& colour);
    QColor background() const;
    QWidget* widget() const { return widget_; }

    // The least pixel height the element needs to draw its text without cutting it; the
    // twips height stays as set.
    void setMinimumPixelHeight(int pixels);
    // The same for the width, for a text that no legible font size fits into the twips width.
    void setMinimumPixelWidth(int pixels);
    // The same, from the height of the element's present font and a margin in pixels.
    void fitTextHeight(int margin = 0);
    // Keeps the weight of the element's font.
    void setPointSize(double points) { ui::setPointSize(widget_, points, widget_->font().bold()); }
    // The font size at which the text fits the element on this screen, across and within
    // what its parent leaves visible: `points`, or less where it would be cut, never below
    // `smallest`.
    double fittingPointSize(const QString& text, double points,
                            double smallest = kSmallestPoints) const;
    // Whether the text shows whole in the element in this font.
    bool fits(const QString& text, const QFont& font) const;
    // The pixel width the element needs to show the text whole in its present font.
    int pixelWidthFor(const QString& text) const;
    // Widens the element in pixels, to at most `mostTwips`, where its text still shows only in
    // part (at the smallest legible size); the twips width stays as set.
    void widenToShowText(double mostTwips);

  private:
    void apply();

    QWidget* widget_ = nullptr;
    const Screen* screen_ = nullptr;
    TwipRect rect_;
    int minimumPixelHeight_ = 0;
    int minimumPixelWidth_ = 0;
};

// A typed element: the widget's own properties through ->, the geometry through the element.
template <class W>
class Element : public Placed {
  public:
    Element() = default;
    Element(W* widget, const Screen& screen, float width, float height)
        : Placed(widget, screen, width, height), typed_(widget) {}
    W* operator->() const { return typed_; }
    W* get() const { return typed_; }

  private:
    W* typed_ = nullptr;
};

// An element around a new widget, with its size at creation in twips.
template <class W>
Element<W> makeElement(W* widget, const Screen& screen, float width = 0, float height = 0) {
    return Element<W>(widget, screen, width, height);
}

// Pixels of a twips value on the screen, to the nearest whole pixel.
int toPixels(double twips, const Screen& screen);

// Gives a group of captions or value fields one font size: `points`, or the largest size at
// which every text of the group fits its element, so that none is cut and the group still
// reads evenly. Returns the size given.
double shrinkToCommonSize(std::span<Placed* const> group, double points);

// Tab goes from each widget to the next, in the order given.
void chainTabOrder(std::span<QWidget* const> order);

}  // namespace lirvo::ui
