#include "main_elements.h"

namespace lirvo::app {
namespace {

// Sizes at creation, in twips; they stay wherever the layout sets no size.
constexpr float kValueFieldWidth = 1695, kValueFieldHeight = 375;
constexpr float kEvenCaptionWidth = 1215, kEvenCaptionHeight = 255;
constexpr float kOddCaptionWidth = 2055, kOddCaptionHeight = 975;
constexpr float kSectionOptionHeight = 195, kOperationOptionHeight = 300;
constexpr float kButtonWidth = 735, kButtonHeight = 375;
constexpr float kExampleBoxWidth = 2655, kExampleBoxHeight = 255;
constexpr float kUnitNoticeWidth = 1740, kUnitNoticeHeight = 195;
constexpr float kHeadingLineHeight = 300;
constexpr float kPictureLeft = 120, kPictureTop = 240;

constexpr const char* kOptionCaptions[6] = {
    "Trave Rettangolare", "Trave a T o a L", "Pilastro a press.fless.",
    "Verifica",           "Progetto",        "Semi Progetto",
};

template <class W>
ui::Element<W> make(W* widget, const ui::Screen& screen, float width = 0, float height = 0) {
    return ui::Element<W>(widget, screen, width, height);
}

QLabel* plainLabel(QWidget* parent, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

std::unique_ptr<MainElements> createElements(QWidget* window, const ui::Screen& s) {
    auto e = std::make_unique<MainElements>();
    auto* surface = new ui::Surface(s, window);
    e->surface = surface;

    e->frame3 = make(new ui::Frame(surface), s);
    e->picture1 = make(new ui::PictureBox(e->frame3.get()), s);
    e->picture1.move(kPictureLeft, kPictureTop);
    e->frame1 = make(new ui::Frame("SEZIONE", surface), s);
    e->frame2 = make(new ui::Frame("OPERAZIONE", surface), s);
    for (int i = 0; i < 6; ++i) {
        QWidget* frame = i < 3 ? e->frame1.get() : e->frame2.get();
        const float height = i < 3 ? kSectionOptionHeight : kOperationOptionHeight;
        e->option[i] = make(new QRadioButton(kOptionCaptions[i], frame), s, 0, height);
    }

    for (int i = 0; i < panels::kCaptionCount; ++i) {
        const bool even = i % 2 == 0;
        e->fields.label1[i] =
            make(plainLabel(surface), s, even ? kEvenCaptionWidth : kOddCaptionWidth,
                 even ? kEvenCaptionHeight : kOddCaptionHeight);
    }
    for (int i = 0; i < panels::kValueFieldCount; ++i)
        e->fields.text1[i] = make(new QLineEdit(surface), s, kValueFieldWidth, kValueFieldHeight);
    for (int& line : e->line)
        line = surface->addLine();

    e->label2 = make(plainLabel(surface, "Unità di misura: CM e Kg"), s, kUnitNoticeWidth,
                     kUnitNoticeHeight);
    e->cmdelab = make(new QPushButton("E l a b o r a", surface), s);
    e->ckes = make(new QCheckBox("        Esegui l'Esempio", surface), s, kExampleBoxWidth,
                   kExampleBoxHeight);
    e->cmdFine = make(new QPushButton("Fine", surface), s, kButtonWidth, kButtonHeight);
    e->cmdAiuto = make(new QPushButton("Aiuto", surface), s, kButtonWidth, kButtonHeight);
    e->cmdStampa = make(new QPushButton("Stampa", surface), s, kButtonWidth, kButtonHeight);
    e->cmdAzzera = make(new QPushButton("Azzera", surface), s, kButtonWidth, kButtonHeight);
    e->rtb1 = make(new ui::RichTextBox(surface), s);
    e->frame4 = make(new ui::Frame(surface), s);
    for (auto& label : e->label3)
        label = make(plainLabel(e->frame4.get()), s, 0, kHeadingLineHeight);
    return e;
}

}  // namespace lirvo::app
