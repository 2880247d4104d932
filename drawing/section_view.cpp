#include "drawing/section_view.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
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

void SectionView::setMargin(int pixels) {
    margin_ = pixels;
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
    const QRectF area = QRectF(rect()).adjusted(margin_, margin_, -margin_, -margin_);
    if (!analysis_ || !area.isValid()) return;
    if (!stale_) return paintSection(painter, area, *analysis_);
    // Drawn in shades of grey, the message over it.
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter onImage(&image);
    onImage.setFont(font());
    paintSection(onImage, area, *analysis_);
    onImage.end();
    painter.drawImage(QPointF(0, 0), image.convertToFormat(QImage::Format_Grayscale8));
    paintStale(painter, area);
}

SectionWindow::SectionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Sezione e tensioni");
    view_ = new SectionView(this);
    view_->setMargin(kMarginPixels);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    const QSize available = (parent ? parent->screen() : screen())->availableGeometry().size();
    resize((available.toSizeF() * kFirstSize).toSize());
}

void SectionWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return void(close());
    QWidget::keyPressEvent(event);
}

}  // namespace lirvo::drawing
