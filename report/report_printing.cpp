#include "report/report_printing.h"

#include <QDir>
#include <QFileInfo>

#include "ui/colours.h"
#include "ui/qt_text.h"

namespace lirvo::report {
namespace {

struct HeadingLine {
    const char* prefix;  // 14 characters, blanks included; none: the member's name
    std::string casefiles::Particulars::*particular;  // none: the section's place
};

// Building, location and owner on the left; town, structure and section on the right.
using casefiles::Particulars;
constexpr HeadingLine kHeadingLines[6] = {
    {"Edificio per: ", &Particulars::building}, {"Ubicazione :  ", &Particulars::address},
    {"Proprietario: ", &Particulars::owner},    {"Comune di :   ", &Particulars::town},
    {nullptr, &Particulars::structure},         {"Sezione :     ", nullptr},
};
constexpr int kPrefixLength = 14;

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

std::optional<QString> saveAsPdf(QWidget& page, const QString& folder, const ui::Platform& platform,
                                 QWidget* boxParent) {
    platform.messages.show(boxParent, kNoPrinter, kWarning, "");
    const std::optional<QString> path =
        platform.saveDialogs.pdfFileName(boxParent, QDir(folder).filePath(kProposedPdfName));
    if (!path) return std::nullopt;
    const std::string shownPath = QDir::toNativeSeparators(*path).toStdString();
    if (ui::PdfFilePrinter(*path).printWidget(page) == ui::PrintResult::kPrinted)
        platform.messages.show(boxParent, kPdfSaved + shownPath, kInformation, "");
    else
        platform.messages.show(boxParent, kPdfFailed + shownPath, kWarning, "");
    return path;
}

std::optional<QString> printPage(QWidget& page, const QString& folder, const ui::Platform& platform,
                                 QWidget* boxParent) {
    switch (platform.printer.printWidget(page)) {
        case ui::PrintResult::kPrinted:
            break;
        case ui::PrintResult::kNoPrinter:
            return saveAsPdf(page, folder, platform, boxParent);
        case ui::PrintResult::kFailed:
            platform.messages.show(boxParent, kPrintFailed, kWarning, "");
            break;
    }
    return std::nullopt;
}

}  // namespace

std::array<QString, 6> headingTexts(const casefiles::Particulars& particulars,
                                    SectionType section) {
    std::array<QString, 6> lines;
    for (int k = 0; k < 6; ++k) {
        const HeadingLine& line = kHeadingLines[k];
        lines[k] =
            line.prefix
                ? QString(line.prefix)
                : QString(memberName(section).data()).append(" :").leftJustified(kPrefixLength);
        const std::string_view text = line.particular ? particulars.*line.particular
                                                      : casefiles::placeName(particulars.section);
        lines[k] += toQString(text);
    }
    return lines;
}

std::optional<QString> printReport(ReportElements& window,
                                   const casefiles::Particulars& particulars, SectionType section,
                                   const QString& folder, const ui::Platform& platform,
                                   QWidget* boxParent) {
    window.heading.setVisible(true);
    const std::array<QString, 6> lines = headingTexts(particulars, section);
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

    const std::optional<QString> saved = printPage(window.window, folder, platform, boxParent);

    // Whatever became of the page, the window looks as before.
    window.heading.setVisible(false);
    setLook(window, ui::kWindowColour, true);
    return saved;
}

}  // namespace lirvo::report
