// The drawing surface of a window: its background colour, its straight lines and the lines of
// text drawn on it, all beneath the window's elements. Drawn text stays until cleared.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/screen.h"

namespace lirvo::ui {

struct TwipLine {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// How a drawn text looks.
struct TextLook {
    QFont font;
    QColor colour;
};

struct DrawnText {
    float left, top;  // twips: where the text starts, on its baseline
    QString text;
    TextLook look;
};

class Surface : public QWidget {
  public:
    Surface(const Screen& screen, QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    QColor background() const;

    int addLine();
    void setLine(int line, double x1, double y1, double x2, double y2);
    const TwipLine& line(int index) const { return lines_.at(index); }

    // One line of text in the surface's current font, standing on the given point: the text
    // rises above it, so an element that starts there does not hide it.
    void drawText(double left, double top, const QString& text);
    // The same in a font and colour of its own.
    void drawText(double left, double top, const QString& text, const TextLook& look);
    void clearDrawing();
    // The pixels a drawn text covers: from its left, and from the top of its font's tallest
    // glyph to the bottom of its lowest.
    QRect pixelRect(const DrawnText& drawn) const;
    const std::vector<DrawnText>& drawnTexts() const { return texts_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Screen& screen_;
    std::vector<TwipLine> lines_;
    std::vector<DrawnText> texts_;
};

}  // namespace lirvo::ui
