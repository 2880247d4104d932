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
    // White pixels kept clear all round the drawing.
    void setMargin(int pixels);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<CaseAnalysis> analysis_;
    bool stale_ = false;
    int margin_ = 0;
};

// A top-level window holding a large SectionView: at first a part of the screen it opens on,
// the drawing clear of its edges; Escape closes it.
class SectionWindow : public QWidget {
  public:
    // Of the available screen, each way.
    static constexpr double kFirstSize = 0.6;
    static constexpr int kMarginPixels = 24;

    explicit SectionWindow(QWidget* parent = nullptr);
    SectionView& view() { return *view_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    SectionView* view_;
};

}  // namespace lirvo::drawing
