// The drawing of the SLU check as a widget (drawing/uls_painter.h), with the kg values of the
// domain's labels as tooltips.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "drawing/uls_painter.h"

namespace lirvo::slu {

class UlsFigure : public QWidget {
  public:
    using QWidget::QWidget;
    void setPicture(std::optional<drawing::UlsPicture> picture);
    const std::optional<drawing::UlsPicture>& picture() const { return picture_; }
    // The tooltip at a point of the widget, as last painted; empty where there is none.
    QString tipAt(const QPointF& point) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    std::optional<drawing::UlsPicture> picture_;
    std::vector<drawing::TipZone> tips_;
};

}  // namespace lirvo::slu
