// What a drawing paints inside its box and beyond it: painted on a transparent image 20 px
// larger all round than the box, every pixel it touches counted on one side or the other.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

namespace lirvo::test {

struct Ink {
    int inside = 0, outside = 0;  // pixels
};

inline Ink inkInBox(QSize box, const std::function<void(QPainter&, const QRectF&)>& paint) {
    QImage image(box + QSize(40, 40), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(20, 20), box));
    painter.end();
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) continue;
            const bool in = x >= 20 && y >= 20 && x < 20 + box.width() && y < 20 + box.height();
            ++(in ? ink.inside : ink.outside);
        }
    return ink;
}

}  // namespace lirvo::test
