#include "drawing/section_view.h"

#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include "drawing/section_painter.h"

namespace lirvo::drawing {

void SectionView::setAnalysis(const CaseAnalysis& analysis) {
    analysis_ = analysis;
    update();
}

void SectionView::forgetAnalysis() {
    analysis_.reset();
    update();
}

void SectionView::setStale(bool stale) {
    if (stale_ == stale) return;
    stale_ = stale;
    update();
}

void SectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!analysis_) return;
    if (!stale_) return paintSection(painter, QRectF(rect()), *analysis_);
    // Drawn in shades of grey, the message over it.
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter onImage(&image);
    onImage.setFont(font());
    paintSection(onImage, QRectF(rect()), *analysis_);
    onImage.end();
    painter.drawImage(QPointF(0, 0), image.convertToFormat(QImage::Format_Grayscale8));
    paintStale(painter, QRectF(rect()));
}

SectionWindow::SectionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Sezione e tensioni");
    view_ = new SectionView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(900, 600);
}

}  // namespace lirvo::drawing
