#include "print_data_window.h"

#include <algorithm>
#include <cmath>

#include "widgets.h"

namespace lirvo::report {
namespace {

constexpr const char* kRowCaptions[7] = {
    "Proprietario", "Edificio", "Indirizzo", "Comune", "Descrizione della struttura",
    "Calcolo di",   "Sezione",
};

// Particulars offered at the first opening; the owner, address and town are made up.
constexpr const char* kDefaultTexts[5] = {
    "Giovanni Bianchi", "Civile abitazione",  "Via dei Mille 12",
    "Spoleto (PG)",     "Trave tra murature",
};

constexpr const char* kSectionPlaces[2] = {"Incastro", "Mezzeria"};

// What was calculated, by calculation code; none where a code names no calculation.
constexpr const char* kSectionCaptions[10] = {
    nullptr,         "Trave Rettangolare", "Trave Rettangolare", "Trave Rettangolare",
    "Trave A T o L", "Trave A T o L",      "Trave A T o L",      "PilastrO",
    nullptr,         "PilastrO",
};

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

FrmStampa::FrmStampa(const ui::Platform& platform, std::int16_t calculationCode, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    window_ = ui::Placed(this, platform_.screen, 0, 0);
    createElements();
    load(calculationCode);
}

FrmStampa::~FrmStampa() = default;

void FrmStampa::createElements() {
    const ui::Screen& s = platform_.screen;
    for (int i = 0; i < 7; ++i) {
        e_.label1[i] = ui::makeElement(ui::plainLabel(this, kRowCaptions[i]), s);
    }
    for (auto& text : e_.text1)
        text = ui::makeElement(new QLineEdit(this), s, kTextWidth, kTextHeight);
    e_.label2 = ui::makeElement(ui::plainLabel(this), s);
    e_.cmbsezioni = ui::makeElement(new QComboBox(this), s);
    e_.cmdOk = ui::makeElement(new QPushButton("OK", this), s);
    e_.cmdFine = ui::makeElement(new QPushButton("Fine", this), s);

    // Return anywhere prints (after the notice); Escape or closing the window is "Fine".
    e_.cmdOk->setDefault(true);
    connect(e_.cmdOk.get(), &QPushButton::clicked, this, &FrmStampa::confirmPrint);
    connect(e_.cmdFine.get(), &QPushButton::clicked, this, &QDialog::hide);
    QWidget* order[] = {e_.text1[0].get(), e_.text1[1].get(), e_.text1[2].get(),
                        e_.text1[3].get(), e_.text1[4].get(), e_.cmbsezioni.get(),
                        e_.cmdOk.get(),    e_.cmdFine.get()};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmStampa::load(std::int16_t calculationCode) {
    setWindowTitle("INTRODUCI I DATI PER LA STAMPA");
    const ui::Screen& screen = platform_.screen;
    window_.setWidth(0.7 * screen.widthTwips());
    window_.setHeight(0.7 * screen.heightTwips());
    window_.setTop(0.15 * screen.heightTwips());
    window_.setLeft(0.15 * screen.widthTwips());
    const double W = std::round(window_.width()), H = std::round(window_.height());

    for (const char* place : kSectionPlaces)
        e_.cmbsezioni->addItem(place);
    e_.cmbsezioni->setCurrentIndex(0);
    e_.cmbsezioni.setLeft(0.35 * W);
    e_.cmbsezioni.setWidth(0.25 * W);
    e_.cmbsezioni.setPointSize(kListPoints);
    e_.cmbsezioni.setTop(0.1 * H + 0.56 * H - 70);  // 70 twips above its caption "Sezione"
    e_.cmbsezioni.setMinimumPixelHeight(e_.cmbsezioni->sizeHint().height());

    setSectionCaption(calculationCode);

    for (int i = 0; i < 7; ++i) {
        ui::Element<QLabel>& caption = e_.label1[i];
        caption.setLeft(0);
        caption.setPointSize(kCaptionPoints);
        caption.setWidth(0.3 * W);
        caption.setHeight(kCaptionHeight);
        caption.setTop(rowTop(i, H));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (i < 5) {
            ui::Element<QLineEdit>& text = e_.text1[i];
            text.setLeft(0.35 * W);
            text.setWidth(0.55 * W);
            text.setTop(rowTop(i, H) - 50);
            text.setPointSize(kTextPoints);
            text.fitTextHeight(8);
            text->clear();
        } else if (i == kCalculationRow) {
            e_.label2.setLeft(0.35 * W);
            e_.label2.setWidth(0.5 * W);
            e_.label2.setHeight(kSectionCaptionHeight);
            e_.label2.setTop(0.1 * H - 50);
            e_.label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            caption.setTop(0.1 * H);  // the row of what was calculated heads the window
        }
    }
    // At 12 points the longest caption may not fit 0.3 W of a small screen: then all shrink
    // to one common size.
    double points = kCaptionPoints;
    for (const auto& caption : e_.label1)
        points = std::min(points, caption.fittingPointSize(caption->text(), kCaptionPoints));
    for (auto& caption : e_.label1) {
        caption.setPointSize(points);
        caption.fitTextHeight(2);
    }
    e_.label2.setPointSize(kCaptionPoints);
    e_.label2.fitTextHeight(2);

    e_.cmdFine.move(0.3 * W, 0.8 * H);
    e_.cmdOk.move(0.65 * W, 0.8 * H);
    for (auto* button : {&e_.cmdFine, &e_.cmdOk}) {
        button->setWidth(kButtonWidth);
        button->setHeight(kButtonHeight);
    }

    for (int i = 0; i < 5; ++i)
        e_.text1[i]->setText(kDefaultTexts[i]);
}

void FrmStampa::setSectionCaption(std::int16_t calculationCode) {
    if (calculationCode < 0 || calculationCode >= std::ssize(kSectionCaptions)) return;
    if (const char* caption = kSectionCaptions[calculationCode]) e_.label2->setText(caption);
}

void FrmStampa::showFor(std::int16_t calculationCode) {
    setSectionCaption(calculationCode);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

Particulars FrmStampa::particulars() const {
    Particulars p;
    for (int i = 0; i < 5; ++i)
        p[i] = e_.text1[i]->text();
    p[5] = e_.cmbsezioni->itemText(e_.cmbsezioni->currentIndex());
    return p;
}

void FrmStampa::confirmPrint() {
    platform_.messages.show(this, "VAI ALLA STAMPA", 0, "");
    emit printRequested();
}

}  // namespace lirvo::report
