// The report: the main window as the calculation left it, headed by the particulars of the
// building, printed as one page on a white ground; then the window looks as before.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "report/print_data_window.h"
#include "ui/element.h"
#include "ui/platform.h"
#include "ui/surface.h"

namespace lirvo::report {

// What the printing changes on the main window.
struct ReportElements {
    QWidget& window;                         // its client area is the page
    ui::Surface& surface;                    // holds the window's ground
    std::vector<ui::Placed*> frames;         // section type, operation, schematic, heading
    std::vector<ui::Placed*> options = {};   // section types, then operations
    std::vector<ui::Placed*> captions = {};  // field captions 0 to 23
    ui::Placed& exampleBox;                  // not on the page
    ui::Placed& heading;                     // the print heading panel
    double headingLinePoints;                // their size where every line fits
    std::array<ui::Element<QLabel>*, 6> headingLines = {};  // its six lines
};

// The six heading lines: a 14-character prefix and the particular, as typed; the structure
// is called by what was calculated ("Trave :", "Pilastro :").
std::array<QString, 6> headingTexts(const casefiles::Particulars& particulars, SectionType section);

// Prints the report; where there is no printer, offers to save the page as a PDF file,
// proposed in `folder`, and returns the path chosen for it. Message boxes and the save dialog
// stand over `boxParent`.
std::optional<QString> printReport(ReportElements& window,
                                   const casefiles::Particulars& particulars, SectionType section,
                                   const QString& folder, const ui::Platform& platform,
                                   QWidget* boxParent);

}  // namespace lirvo::report
