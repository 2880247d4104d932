#include "slu/uls_figure.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace lirvo::slu {

void UlsFigure::setPicture(std::optional<drawing::UlsPicture> picture) {
    picture_ = std::move(picture);
    tips_.clear();
    update();
}

QString UlsFigure::tipAt(const QPointF& point) const {
    for (const drawing::TipZone& tip : tips_)
        if (tip.rect.adjusted(-2, -2, 2, 2).contains(point)) return tip.text;
    return {};
}

void UlsFigure::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    tips_.clear();
    if (picture_) tips_ = drawing::paintUls(p, QRectF(rect()), *picture_);
}

bool UlsFigure::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

}  // namespace lirvo::slu
