#include "report/report_printing.h"

#include <QDir>
#include <QFileInfo>

#include "ui/colours.h"

namespace lirvo::report {
namespace {

struct HeadingLine {
    const char* prefix;  // 14 characters, blanks included
    int particular;      // index into the particulars
};

// Building, location and owner on the left; town, structure and section on the right.
constexpr HeadingLine kHeadingLines[6] = {
    {"Edificio per: ", 1}, {"Ubicazione :  ", 2}, {"Proprietario: ", 0},
    {"Comune di :   ", 3}, {"Trave :       ", 4}, {"Sezione :     ", 5},
};

// Twips kept clear right of a heading line widened for a long particular.
constexpr double kHeadingLineGap = 150;

// Messages of the page's way out; print-job failures carry the exclamation icon.
constexpr MessageStyle kWarning = MessageStyle::kWarning;
constexpr MessageStyle kInformation = MessageStyle::kInformation;
constexpr const char* kNoPrinter =
    "NESSUNA STAMPANTE DISPONIBILE: LA PAGINA PUO' ESSERE SALVATA COME FILE PDF";
constexpr const char* kPrintFailed = "STAMPA NON RIUSCITA";
constexpr const char* kPdfFailed = "IMPOSSIBILE SCRIVERE IL FILE ";
constexpr const char* kPdfSaved = "PAGINA SALVATA NEL FILE ";
constexpr const char* kProposedPdfName = "lirvo-stampa.pdf";

// The look of the window: its ground, followed by the frames, options and captions, and
// whether the example box shows. The same procedure prepares the page and restores the window.
void setLook(ReportElements& w, const QColor& ground, bool exampleBoxShown) {
    w.surface.setBackground(ground);
    w.exampleBox.setVisible(exampleBoxShown);
    for (const std::vector<ui::Placed*>* group : {&w.frames, &w.options, &w.captions})
        for (ui::Placed* element : *group)
            element->setBackground(w.surface.background());
}

// In the current directory, unless the program runs where it may not write (an installed
// data folder): then in the user's home.
QString proposedPdfPath() {
    const QDir current = QDir::current();
    const QDir folder = QFileInfo(current.path()).isWritable() ? current : QDir::home();
    return folder.filePath(kProposedPdfName);
}

void saveAsPdf(QWidget& page, const ui::Platform& platform, QWidget* boxParent) {
    platform.messages.show(boxParent, kNoPrinter, kWarning, "");
    const std::optional<QString> path =
        platform.saveDialogs.pdfFileName(boxParent, proposedPdfPath());
    if (!path) return;
    const std::string shownPath = QDir::toNativeSeparators(*path).toStdString();
    if (ui::PdfFilePrinter(*path).printWidget(page) == ui::PrintResult::kPrinted)
        platform.messages.show(boxParent, kPdfSaved + shownPath, kInformation, "");
    else
        platform.messages.show(boxParent, kPdfFailed + shownPath, kWarning, "");
}

void printPage(QWidget& page, const ui::Platform& platform, QWidget* boxParent) {
    switch (platform.printer.printWidget(page)) {
        case ui::PrintResult::kPrinted:
            return;
        case ui::PrintResult::kNoPrinter:
            saveAsPdf(page, platform, boxParent);
            return;
        case ui::PrintResult::kFailed:
            platform.messages.show(boxParent, kPrintFailed, kWarning, "");
            return;
    }
}

}  // namespace

std::array<QString, 6> headingTexts(const Particulars& particulars) {
    std::array<QString, 6> lines;
    for (int k = 0; k < 6; ++k)
        lines[k] = kHeadingLines[k].prefix + particulars[kHeadingLines[k].particular];
    return lines;
}

void printReport(ReportElements& window, const Particulars& particulars,
                 const ui::Platform& platform, QWidget* boxParent) {
    window.heading.setVisible(true);
    const std::array<QString, 6> lines = headingTexts(particulars);
    std::vector<ui::Placed*> group;
    for (int k = 0; k < 6; ++k) {
        (*window.headingLines[k])->setText(lines[k]);
        group.push_back(window.headingLines[k]);
    }
    // Long particulars, or a small screen, shrink all six lines alike; a line still too long at
    // the smallest size widens up to the line beside it, or to the heading's edge.
    ui::shrinkToCommonSize(group, window.headingLinePoints);
    for (int k = 0; k < 6; ++k) {
        ui::Placed& line = *window.headingLines[k];
        const double end =
            k < 3 ? window.headingLines[k + 3]->leftTwips() : window.heading.widthTwips();
        line.widenToShowText(end - kHeadingLineGap - line.leftTwips());
    }
    setLook(window, ui::kPrintColour, false);

    printPage(window.window, platform, boxParent);

    // Whatever became of the page, the window looks as before.
    window.heading.setVisible(false);
    setLook(window, ui::kWindowColour, true);
}

}  // namespace lirvo::report
