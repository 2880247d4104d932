#include "panels/field_panel.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

#include "sections/cases.h"
#include "ui/qt_text.h"
#include "ui/widgets.h"

namespace lirvo::panels {
namespace {

constexpr int kFontPoints = 16;
constexpr double kCaptionHeight = 300;
constexpr double kCheckHeadingHeight = 320, kOtherHeadingHeight = 300;
constexpr double kValueFieldRaise = 20;  // a value field stands 20 twips above its caption
const QColor kResultColour(192, 192, 192);

// A value field may widen up to here, as a fraction of the width: the inputs short of the line
// between the columns at 0.5 W, the results short of the window's edge.
constexpr double kMiddle = 0.5, kInputsEnd = 0.49, kResultsEnd = 0.99;

struct Column {
    double captionLeft, captionWidth, fieldLeft, fieldWidth;  // fractions of the width
};
constexpr Column kInputColumn{0, 0.35, 0.37, 0.11};

// Result captions stand at 0.55 W, those of the rectangular check a little further left.
double resultCaptionLeft(const CalcCase& calc) {
    const bool rectangularCheck =
        calc.section == SectionType::kRectangular && calc.operation == Operation::kCheck;
    return rectangularCheck ? 0.52 : 0.55;
}

void setFieldColour(QLineEdit* field, const QColor& colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

void hideField(FieldElements& fields, int i) {
    fields.captions[i]->clear();
    fields.captions[i].setVisible(false);
    fields.valueFields[i]->clear();
    fields.valueFields[i].setVisible(false);
}

void showHeading(ui::Element<QLabel>& heading, const char* text, double left, double height,
                 const WindowSize& window) {
    ui::setPointSize(heading.get(), kFontPoints);
    heading.setVisible(true);
    heading->setText(text);
    heading.setTopTwips(rowTop(0, window));
    heading.setLeftTwips(left * window.width);
    heading.setHeightTwips(height);
    heading.fitTextHeight();
}

void showField(FieldElements& fields, int i, int row, const Column& column, const QColor& colour,
               const WindowSize& window) {
    ui::Element<QLabel>& label = fields.captions[i];
    label.setVisible(true);
    label.setTopTwips(rowTop(row, window));
    label.setLeftTwips(column.captionLeft * window.width);
    label.setHeightTwips(kCaptionHeight);
    label.setWidthTwips(column.captionWidth * window.width);
    label.setPointSize(kFontPoints);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.fitTextHeight();

    ui::Element<QLineEdit>& text = fields.valueFields[i];
    setFieldColour(text.get(), colour);
    text.setVisible(true);
    text.setTopTwips(rowTop(row, window) - kValueFieldRaise);
    text.setLeftTwips(column.fieldLeft * window.width);
    text.setWidthTwips(column.fieldWidth * window.width);
    QFont font = text->font();
    font.setFamily(ui::condensedFamily());  // fifteen digits in a tenth of the window
    text->setFont(font);
    ui::setPointSize(text.get(), kFontPoints);
    text.fitTextHeight(4);
    text->clear();
}

}  // namespace

double rowTop(int row, const WindowSize& window) {
    return (row * 0.05) * window.height + window.height * 0.3;
}

void layOutPanel(Operation operation, std::optional<SectionType> section, FieldElements& fields,
                 const WindowSize& window) {
    const CalcCase* calc = section ? findCase(*section, operation) : nullptr;
    if (section && !calc) return;

    const double headingHeight =
        operation == Operation::kCheck ? kCheckHeadingHeight : kOtherHeadingHeight;
    showHeading(fields.captions[0], "DATI:", 0.3, headingHeight, window);
    showHeading(fields.captions[1], "RISULTATI:", 0.75, headingHeight, window);

    // Fields of an earlier panel that this one does not use go, so no stale value stays.
    const int used = kFirstInputField + (calc ? static_cast<int>(calc->fields.size()) : 0);
    for (int i = used; i <= kLastPanelField; ++i)
        hideField(fields, i);
    if (!calc) return;

    const QColor inputColour = QApplication::palette().color(QPalette::Base);
    const Column results{resultCaptionLeft(*calc), 0.25, 0.83, 0.12};
    const int resultRowOffset = static_cast<int>(calc->inputs().size());
    std::vector<ui::Placed*> captions;
    for (const Field& field : calc->fields) {
        fields.captions[field.index]->setText(ui::greekCaptionText(toQString(field.caption)));
        const bool input = field.role == Role::kInput;
        const int row = field.index - 1 - (input ? 0 : resultRowOffset);
        showField(fields, field.index, row, input ? kInputColumn : results,
                  input ? inputColour : kResultColour, window);
        captions.push_back(&fields.captions[field.index]);
    }
    // On a screen too small for 16 points every caption of the panel shrinks alike.
    ui::shrinkToCommonSize(captions, kFontPoints);
    fitValueFields(fields, window);
}

// Each column shrinks alike, so that a long result does not make the typed data small.
void fitValueFields(FieldElements& fields, const WindowSize& window) {
    std::vector<ui::Placed*> columns[2];  // inputs, results
    for (int i = kFirstInputField; i <= kLastPanelField; ++i) {
        ui::Element<QLineEdit>& field = fields.valueFields[i];
        if (!field.visible()) continue;
        field.setMinimumPixelWidth(0);
        columns[field.leftTwips() < kMiddle * window.width ? 0 : 1].push_back(&field);
    }
    for (int c = 0; c < 2; ++c) {
        ui::shrinkToCommonSize(columns[c], kFontPoints);
        for (ui::Placed* field : columns[c])
            field->widenToShowText((c == 0 ? kInputsEnd : kResultsEnd) * window.width -
                                   field->leftTwips());
    }
}

}  // namespace lirvo::panels
