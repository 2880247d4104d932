#include "app/main_elements.h"

#include "ui/qt_text.h"

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

}  // namespace

std::unique_ptr<MainElements> createElements(QWidget* window, const ui::Screen& s) {
    auto e = std::make_unique<MainElements>();
    auto* surface = new ui::Surface(s, window);
    e->surface = surface;

    e->schematicFrame = ui::makeElement(new ui::Frame(surface), s);
    e->sectionPicture = ui::makeElement(new ui::PictureBox(e->schematicFrame.get()), s);
    e->sectionPicture.moveTwips(kPictureLeft, kPictureTop);
    e->sectionTypeFrame = ui::makeElement(new ui::Frame("SEZIONE", surface), s);
    e->operationFrame = ui::makeElement(new ui::Frame("OPERAZIONE", surface), s);
    const auto addOption = [&](std::string_view caption, QWidget* frame, float height) {
        auto* option = new QRadioButton(toQString(caption), frame);
        e->option.push_back(ui::makeElement(option, s, 0, height));
    };
    for (const SectionTypeInfo& section : sectionTypes())
        addOption(section.optionCaption, e->sectionTypeFrame.get(), kSectionOptionHeight);
    for (const OperationInfo& operation : operations())
        addOption(operation.optionCaption, e->operationFrame.get(), kOperationOptionHeight);

    for (int i = 0; i < panels::kCaptionCount; ++i) {
        const bool even = i % 2 == 0;
        e->fields.captions[i] =
            ui::makeElement(ui::plainLabel(surface), s, even ? kEvenCaptionWidth : kOddCaptionWidth,
                            even ? kEvenCaptionHeight : kOddCaptionHeight);
    }
    for (int i = 0; i < panels::kValueFieldCount; ++i)
        e->fields.valueFields[i] =
            ui::makeElement(new QLineEdit(surface), s, kValueFieldWidth, kValueFieldHeight);
    for (int& line : e->line)
        line = surface->addLine();

    e->unitsLabel = ui::makeElement(ui::plainLabel(surface, "Unità di misura: CM e Kg"), s,
                                    kUnitNoticeWidth, kUnitNoticeHeight);
    e->computeButton = ui::makeElement(new QPushButton("E l a b o r a", surface), s);
    e->exampleBox = ui::makeElement(new QCheckBox("        Esegui l'Esempio", surface), s,
                                    kExampleBoxWidth, kExampleBoxHeight);
    e->quitButton =
        ui::makeElement(new QPushButton("Fine", surface), s, kButtonWidth, kButtonHeight);
    e->helpButton =
        ui::makeElement(new QPushButton("Aiuto", surface), s, kButtonWidth, kButtonHeight);
    e->printButton =
        ui::makeElement(new QPushButton("Stampa", surface), s, kButtonWidth, kButtonHeight);
    e->clearButton =
        ui::makeElement(new QPushButton("Azzera", surface), s, kButtonWidth, kButtonHeight);
    e->helpBox = ui::makeElement(new ui::RichTextBox(surface), s);
    e->printHeading = ui::makeElement(new ui::Frame(surface), s);
    for (auto& label : e->headingLines)
        label = ui::makeElement(ui::plainLabel(e->printHeading.get()), s, 0, kHeadingLineHeight);
    return e;
}

}  // namespace lirvo::app
