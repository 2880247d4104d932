#include "panels/schematic_drawing.h"

#include <QEvent>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "drawing/section_layout.h"

namespace lirvo::panels {
namespace {

constexpr const char* kPictureTitle = "Schema";
constexpr const char* kHint =
    "Un clic: schema o sezione calcolata. Doppio clic: la sezione in una finestra.";

QString titled(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

bool leftButton(QEvent* event) {
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

SchematicDrawing::SchematicDrawing(ui::Frame& schematicFrame, ui::PictureBox& sectionPicture)
    : QObject(&schematicFrame),
      frame_(schematicFrame),
      picture_(sectionPicture),
      view_(new drawing::SectionView(&schematicFrame)) {
    view_->hide();
    frame_.installEventFilter(this);
}

void SchematicDrawing::showDrawing(const std::optional<CaseAnalysis>& analysis) {
    if (!analysis) return;
    view_->setAnalysis(*analysis);
    setStale(false);
    if (large_) large_->view().setAnalysis(*analysis);
    frame_.setToolTip(kHint);
    show(true);
}

void SchematicDrawing::showPicture() {
    show(false);
    view_->forgetAnalysis();
    frame_.setToolTip({});
}

void SchematicDrawing::setStale(bool stale) {
    view_->setStale(stale);
    if (large_) large_->view().setStale(stale);
}

bool SchematicDrawing::drawingShown() const {
    return view_->isVisible();
}

// The column's frame reaches under the boxes of the options beside it, and the captions below
// it reach into its bottom: these stand over it. The drawing keeps to the part of the frame
// they leave free, giving way to each on the side that costs it the least room.
QRect SchematicDrawing::uncoveredPlace() const {
    // On a small screen the picture's place runs past the frame's border.
    QRect place = picture_.geometry() & frame_.rect().adjusted(2, 2, -2, -2);
    const QWidget* surface = frame_.parentWidget();
    if (!surface) return place;
    const QObjectList& siblings = surface->children();
    const QRect frame = frame_.geometry();
    for (qsizetype i = siblings.indexOf(&frame_) + 1; i < siblings.size(); ++i) {
        const auto* element = qobject_cast<const QWidget*>(siblings[i]);
        if (!element || element->isHidden()) continue;
        const QRect over = element->geometry().translated(-frame.topLeft());
        if (!over.intersects(place)) continue;
        QRect beside[4] = {place, place, place, place};
        beside[0].setLeft(over.right() + 1);
        beside[1].setRight(over.left() - 1);
        beside[2].setTop(over.bottom() + 1);
        beside[3].setBottom(over.top() - 1);
        const QRect* best = nullptr;
        for (const QRect& r : beside)
            if (r.isValid() && (!best || r.width() * r.height() > best->width() * best->height()))
                best = &r;
        // A box over the whole of it (the help, while open) leaves the drawing as it is.
        if (best) place = *best;
    }
    return place;
}

void SchematicDrawing::show(bool drawing) {
    view_->setGeometry(uncoveredPlace());
    view_->setVisible(drawing);
    picture_.setVisible(!drawing);
    frame_.setTitle(drawing && view_->analysis()
                        ? titled(drawing::drawingTitle(view_->analysis()->operation))
                        : kPictureTitle);
}

void SchematicDrawing::openLarge() {
    if (!large_) large_ = new drawing::SectionWindow(&frame_);
    large_->view().setAnalysis(*view_->analysis());
    large_->view().setStale(view_->stale());
    large_->setWindowTitle(titled(drawing::drawingTitle(view_->analysis()->operation)));
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
