#include "report/print_data_window.h"

#include <algorithm>
#include <cmath>

#include "sections/cases.h"
#include "ui/qt_text.h"
#include "ui/widgets.h"

namespace lirvo::report {
namespace {

constexpr const char* kRowCaptions[7] = {
    "Proprietario", "Edificio", "Indirizzo", "Comune", "Descrizione della struttura",
    "Calcolo di",   "Sezione",
};

// Examples shown grey in an empty field of what goes there, never taken as typed; the
// structure's follows the section type calculated (sections/choices.h).
constexpr const char* kPlaceholders[4] = {"Giovanni Bianchi", "Civile abitazione",
                                          "Via dei Mille 12", "Spoleto (PG)"};
constexpr int kStructureRow = 4;

constexpr int kCalculationRow = 5;
constexpr double kCaptionPoints = 12, kTextPoints = 14, kListPoints = 12;
constexpr float kCaptionHeight = 300, kSectionCaptionHeight = 350;
constexpr float kTextWidth = 1695, kTextHeight = 375;
constexpr float kButtonWidth = 1000, kButtonHeight = 600;

// The top of row i: rows 0.08 H apart below a margin of 0.1 H.
double rowTop(int i, double H) {
    return 0.1 * H + (i + 1) * 0.08 * H;
}

}  // namespace

std::string_view memberName(SectionType section) {
    return section == SectionType::kColumn ? "Pilastro" : "Trave";
}

PrintDataWindow::PrintDataWindow(const ui::Platform& platform, std::int16_t calculationCode,
                                 QWidget* parent)
    : QDialog(parent), platform_(platform) {
    window_ = ui::Placed(this, platform_.screen, 0, 0);
    createElements();
    load(calculationCode);
}

PrintDataWindow::~PrintDataWindow() = default;

void PrintDataWindow::createElements() {
    const ui::Screen& s = platform_.screen;
    for (int i = 0; i < 7; ++i) {
        e_.rowCaptions[i] = ui::makeElement(ui::plainLabel(this, kRowCaptions[i]), s);
    }
    for (auto& text : e_.particularFields)
        text = ui::makeElement(new QLineEdit(this), s, kTextWidth, kTextHeight);
    e_.sectionCaption = ui::makeElement(ui::plainLabel(this), s);
    e_.sectionPlaceList = ui::makeElement(new QComboBox(this), s);
    e_.okButton = ui::makeElement(new QPushButton("OK", this), s);
    e_.closeButton = ui::makeElement(new QPushButton("Fine", this), s);

    // Return anywhere prints (after the notice); Escape or closing the window is "Fine".
    e_.okButton->setDefault(true);
    connect(e_.okButton.get(), &QPushButton::clicked, this, &PrintDataWindow::confirmPrint);
    connect(e_.closeButton.get(), &QPushButton::clicked, this, &QDialog::hide);
    for (auto& text : e_.particularFields)
        connect(text.get(), &QLineEdit::textEdited, this, &PrintDataWindow::particularsEdited);
    connect(e_.sectionPlaceList.get(), &QComboBox::activated, this,
            &PrintDataWindow::particularsEdited);
    QWidget* const order[] = {e_.particularFields[0].get(),
                              e_.particularFields[1].get(),
                              e_.particularFields[2].get(),
                              e_.particularFields[3].get(),
                              e_.particularFields[4].get(),
                              e_.sectionPlaceList.get(),
                              e_.okButton.get(),
                              e_.closeButton.get()};
    ui::chainTabOrder(order);
}

void PrintDataWindow::load(std::int16_t calculationCode) {
    setWindowTitle("INTRODUCI I DATI PER LA STAMPA");
    const ui::Screen& screen = platform_.screen;
    window_.setWidthTwips(0.7 * screen.widthTwips());
    window_.setHeightTwips(0.7 * screen.heightTwips());
    window_.setTopTwips(0.15 * screen.heightTwips());
    window_.setLeftTwips(0.15 * screen.widthTwips());
    const double W = std::round(window_.widthTwips()), H = std::round(window_.heightTwips());

    placeSectionList(W, H);
    setSectionCaption(calculationCode);
    placeRows(W, H);
    placeButtons(W, H);
    for (int i = 0; i < kStructureRow; ++i)
        e_.particularFields[i]->setPlaceholderText(kPlaceholders[i]);
}

void PrintDataWindow::placeSectionList(double W, double H) {
    for (std::string_view place : casefiles::kSectionPlaceNames)
        e_.sectionPlaceList->addItem(toQString(place));
    e_.sectionPlaceList->setCurrentIndex(0);
    e_.sectionPlaceList.setLeftTwips(0.35 * W);
    e_.sectionPlaceList.setWidthTwips(0.25 * W);
    e_.sectionPlaceList.setPointSize(kListPoints);
    e_.sectionPlaceList.setTopTwips(0.1 * H + 0.56 * H -
                                    70);  // 70 twips above its caption "Sezione"
    e_.sectionPlaceList.setMinimumPixelHeight(e_.sectionPlaceList->sizeHint().height());
}

// A caption on the left of each row, the particular typed beside it; the row of what was
// calculated heads the window.
void PrintDataWindow::placeRows(double W, double H) {
    std::vector<ui::Placed*> captions;
    for (int i = 0; i < 7; ++i) {
        ui::Element<QLabel>& caption = e_.rowCaptions[i];
        caption.setLeftTwips(0);
        caption.setPointSize(kCaptionPoints);
        caption.setWidthTwips(0.3 * W);
        caption.setHeightTwips(kCaptionHeight);
        caption.setTopTwips(rowTop(i, H));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        captions.push_back(&caption);
        if (i < 5) {
            ui::Element<QLineEdit>& text = e_.particularFields[i];
            text.setLeftTwips(0.35 * W);
            text.setWidthTwips(0.55 * W);
            text.setTopTwips(rowTop(i, H) - 50);
            text.setPointSize(kTextPoints);
            text.fitTextHeight(8);
            text->clear();
        } else if (i == kCalculationRow) {
            e_.sectionCaption.setLeftTwips(0.35 * W);
            e_.sectionCaption.setWidthTwips(0.5 * W);
            e_.sectionCaption.setHeightTwips(kSectionCaptionHeight);
            e_.sectionCaption.setTopTwips(0.1 * H - 50);
            e_.sectionCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            caption.setTopTwips(0.1 * H);
        }
    }
    // At 12 points the longest caption may not fit 0.3 W of a small screen.
    ui::shrinkToCommonSize(captions, kCaptionPoints);
    for (auto& caption : e_.rowCaptions)
        caption.fitTextHeight(2);
    e_.sectionCaption.setPointSize(kCaptionPoints);
    e_.sectionCaption.fitTextHeight(2);
}

void PrintDataWindow::placeButtons(double W, double H) {
    e_.closeButton.moveTwips(0.3 * W, 0.8 * H);
    e_.okButton.moveTwips(0.65 * W, 0.8 * H);
    for (auto* button : {&e_.closeButton, &e_.okButton}) {
        button->setWidthTwips(kButtonWidth);
        button->setHeightTwips(kButtonHeight);
    }
}

void PrintDataWindow::setSectionCaption(std::int16_t calculationCode) {
    const CalcCase* calc = caseOfCode(calculationCode);
    if (!calc) return;
    e_.sectionCaption->setText(toQString(sectionTypeInfo(calc->section).pageCaption));
    e_.particularFields[kStructureRow]->setPlaceholderText(
        toQString(sectionTypeInfo(calc->section).structureExample));
}

void PrintDataWindow::showFor(std::int16_t calculationCode) {
    setSectionCaption(calculationCode);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

casefiles::Particulars PrintDataWindow::particulars() const {
    casefiles::Particulars p;
    for (int i = 0; i < 5; ++i)
        p.*casefiles::kParticularTexts[i].text = e_.particularFields[i]->text().toStdString();
    p.section = static_cast<casefiles::SectionPlace>(e_.sectionPlaceList->currentIndex());
    return p;
}

void PrintDataWindow::setParticulars(const casefiles::Particulars& particulars) {
    for (int i = 0; i < 5; ++i) {
        e_.particularFields[i]->setText(
            QString::fromStdString(particulars.*casefiles::kParticularTexts[i].text));
        e_.particularFields[i]->setCursorPosition(0);
    }
    e_.sectionPlaceList->setCurrentIndex(static_cast<int>(particulars.section));
}

void PrintDataWindow::confirmPrint() {
    platform_.messages.show(this, "VAI ALLA STAMPA", MessageStyle::kPlain, "");
    emit printRequested();
}

}  // namespace lirvo::report
