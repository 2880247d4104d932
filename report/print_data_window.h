// The print-data window: the particulars of the building that head the report, and
// the OK that prints it. It is loaded at its first opening and only hidden afterwards, so the
// particulars typed once serve every later report of the run.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>

#include "casefiles/particulars.h"
#include "sections/quantities.h"
#include "ui/element.h"
#include "ui/platform.h"

namespace lirvo::report {

// What the member calculated is called where the particulars name it: a column is no beam.
std::string_view memberName(SectionType section);

struct PrintDataElements {
    std::array<ui::Element<QLabel>, 7> rowCaptions;          // row captions
    std::array<ui::Element<QLineEdit>, 5> particularFields;  // the particulars typed
    ui::Element<QLabel> sectionCaption;                      // what was calculated
    ui::Element<QComboBox> sectionPlaceList;                 // where the section lies
    ui::Element<QPushButton> okButton, closeButton;
};

class PrintDataWindow : public QDialog {
    Q_OBJECT
  public:
    // Creating the window loads it.
    PrintDataWindow(const ui::Platform& platform, std::int16_t calculationCode, QWidget* parent);
    ~PrintDataWindow() override;

    // Shows the window modally without waiting for it; the caption of the section type
    // follows the calculation that ran last, so the report never names another section.
    void showFor(std::int16_t calculationCode);
    // What the user typed: an empty field is an empty particular, whatever example it shows.
    casefiles::Particulars particulars() const;
    // Puts back particulars kept in a case file.
    void setParticulars(const casefiles::Particulars& particulars);

    const PrintDataElements& elements() const { return e_; }
    const ui::Placed& placement() const { return window_; }

  signals:
    // OK was pressed and the notice that printing starts was dismissed.
    void printRequested();
    // The user typed into a particular or picked a section.
    void particularsEdited();

  private:
    // The load: the window on the screen, then its list, rows and buttons (W × H twips).
    void load(std::int16_t calculationCode);
    void placeSectionList(double W, double H);
    void placeRows(double W, double H);
    void placeButtons(double W, double H);
    void createElements();
    void setSectionCaption(std::int16_t calculationCode);
    void confirmPrint();

    ui::Platform platform_;
    ui::Placed window_;
    PrintDataElements e_;
};

}  // namespace lirvo::report
