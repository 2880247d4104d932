#include "panels/schematic_drawing.h"

#include <QEvent>
#include <QMouseEvent>
#include <utility>

namespace lirvo::panels {
namespace {

constexpr const char* kPictureTitle = "Schema";
constexpr const char* kDrawingTitle = "Sezione calcolata";
constexpr const char* kHint =
    "Un clic: schema o sezione calcolata. Doppio clic: la sezione in una finestra.";

bool leftButton(QEvent* event) {
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

SchematicDrawing::SchematicDrawing(ui::Frame& frame3, ui::PictureBox& picture1)
    : QObject(&frame3),
      frame_(frame3),
      picture_(picture1),
      view_(new drawing::SectionView(&frame3)) {
    view_->hide();
    frame_.installEventFilter(this);
}

void SchematicDrawing::showDrawing(const std::optional<CaseAnalysis>& analysis) {
    if (!analysis) return;
    view_->setAnalysis(*analysis);
    if (large_) large_->view().setAnalysis(*analysis);
    frame_.setToolTip(kHint);
    show(true);
}

void SchematicDrawing::showPicture() {
    show(false);
    view_->forgetAnalysis();
    frame_.setToolTip({});
}

bool SchematicDrawing::drawingShown() const {
    return view_->isVisible();
}

void SchematicDrawing::show(bool drawing) {
    view_->setGeometry(picture_.geometry());
    view_->setVisible(drawing);
    picture_.setVisible(!drawing);
    frame_.setTitle(drawing ? kDrawingTitle : kPictureTitle);
}

void SchematicDrawing::openLarge() {
    if (!large_) large_ = new drawing::SectionWindow(&frame_);
    large_->view().setAnalysis(*view_->analysis());
    large_->show();
    large_->raise();
    large_->activateWindow();
}

// Clicks on the picture or the drawing reach the frame, which neither of them takes. The
// first click of a double click switches as a click does; the double click then shows the
// drawing and opens its window, and the release that ends it does nothing.
bool SchematicDrawing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &frame_ || !view_->analysis()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            doubleClickHeld_ = false;
            return false;
        case QEvent::MouseButtonDblClick:
            if (!leftButton(event)) return false;
            show(true);
            openLarge();
            doubleClickHeld_ = true;
            return true;
        case QEvent::MouseButtonRelease:
            if (!leftButton(event)) return false;
            if (!std::exchange(doubleClickHeld_, false)) show(!drawingShown());
            return true;
        default:
            return false;
    }
}

}  // namespace lirvo::panels
