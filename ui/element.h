// An element of a window with its geometry kept in twips, as single-precision numbers, exactly
// as the layout computes it; the widget shows it in whole pixels of the screen.
#pragma once

#include <QColor>
#include <QWidget>

#include "screen.h"

namespace lirvo::ui {

struct TwipRect {
    float left = 0, top = 0, width = 0, height = 0;
};

class Placed {
  public:
    Placed() = default;
    // Takes the widget's present pixel geometry as its size at creation.
    Placed(QWidget* widget, const Screen& screen, float width, float height);

    // Each value is computed in double precision and stored in single precision.
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void move(double left, double top);

    float left() const { return rect_.left; }
    float top() const { return rect_.top; }
    float width() const { return rect_.width; }
    float height() const { return rect_.height; }
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
    // The same, from the height of the element's present font and a margin in pixels.
    void fitTextHeight(int margin = 0);
    void setPointSize(double points);
    // The font size at which the text fits the element's width on this screen: `points`, or
    // less where it would be cut, never below `smallest`.
    double fittingPointSize(const QString& text, double points, double smallest = 7) const;

  private:
    void apply();

    QWidget* widget_ = nullptr;
    const Screen* screen_ = nullptr;
    TwipRect rect_;
    int minimumPixelHeight_ = 0;
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

}  // namespace lirvo::ui
