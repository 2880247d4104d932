// The schematic frame after a calculation: the section as calculated, drawn to scale with its
// stresses, in place of the picture of its section type. A click on the frame switches
// between drawing and picture, a double click shows the drawing and opens it large in a
// window of its own; choosing a section type shows the picture again and forgets the drawing.
// The report prints the window, so it prints whichever the frame shows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>

#include "drawing/section_view.h"
#include "sections/case_analysis.h"
#include "ui/widgets.h"

namespace lirvo::panels {

class SchematicDrawing : public QObject {
  public:
    // Lives as long as the frame, which holds the drawing beside the picture.
    SchematicDrawing(ui::Frame& schematicFrame, ui::PictureBox& sectionPicture);

    // After a calculation; nothing changes where the fields describe no section.
    void showDrawing(const std::optional<CaseAnalysis>& analysis);
    void showPicture();
    // Greys the drawing, in the frame and large, while the results are stale.
    void setStale(bool stale);
    bool drawingShown() const;
    drawing::SectionView& view() { return *view_; }
    // The large window, once a double click has opened it.
    drawing::SectionWindow* largeWindow() const { return large_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show(bool drawing);
    // The part of the picture's place that no element standing over the frame covers.
    QRect uncoveredPlace() const;
    void openLarge();

    ui::Frame& frame_;
    ui::PictureBox& picture_;
    drawing::SectionView* view_;
    QPointer<drawing::SectionWindow> large_;
    bool doubleClickHeld_ = false;  // the button that double-clicked is not yet released
};

}  // namespace lirvo::panels
