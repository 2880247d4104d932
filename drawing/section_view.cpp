#include "drawing/section_view.h"

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

void SectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(margin_, margin_, -margin_, -margin_);
    if (analysis_ && area.isValid()) paintSection(painter, area, *analysis_);
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
