// The drawing of a calculated section as a widget: in the schematic frame of the main window,
// and large in a window of its own that the user may resize.
#pragma once

#include <QWidget>
#include <optional>

#include "sections/case_analysis.h"

namespace lirvo::drawing {

class SectionView : public QWidget {
  public:
    using QWidget::QWidget;
    void setAnalysis(const CaseAnalysis& analysis);
    void forgetAnalysis();
    const std::optional<CaseAnalysis>& analysis() const { return analysis_; }
    // Greyed under "dati modificati: ripetere il calcolo" while the data differ from those drawn.
    void setStale(bool stale);
    bool stale() const { return stale_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<CaseAnalysis> analysis_;
    bool stale_ = false;
};

// A top-level window holding a large SectionView.
class SectionWindow : public QWidget {
  public:
    explicit SectionWindow(QWidget* parent = nullptr);
    SectionView& view() { return *view_; }

  private:
    SectionView* view_;
};

}  // namespace lirvo::drawing
