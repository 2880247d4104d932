#include "drawing/section_view.h"

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

void SectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (analysis_) paintSection(painter, QRectF(rect()), *analysis_);
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
