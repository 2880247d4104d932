#include "field_panel.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

#include "widgets.h"

namespace lirvo::panels {
namespace {

constexpr int kFontPoints = 16;
constexpr double kCaptionHeight = 300;
constexpr double kCheckHeadingHeight = 320, kOtherHeadingHeight = 300;
constexpr double kValueFieldRaise = 20;  // a value field stands 20 twips above its caption
const QColor kResultColour(192, 192, 192);

struct Column {
    double captionLeft, captionWidth, fieldLeft, fieldWidth;  // fractions of the width
};
constexpr Column kInputColumn{0, 0.35, 0.37, 0.11};

void setPointSize(QWidget* widget, int points) {
    QFont font = widget->font();
    font.setPointSize(points);
    widget->setFont(font);
}

void setFieldColour(QLineEdit* field, const QColor& colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

void hideField(FieldElements& fields, int i) {
    fields.label1[i]->clear();
    fields.label1[i].setVisible(false);
    fields.text1[i]->clear();
    fields.text1[i].setVisible(false);
}

void showHeading(ui::Element<QLabel>& heading, const char* text, double left, double height,
                 const WindowSize& window) {
    setPointSize(heading.get(), kFontPoints);
    heading.setVisible(true);
    heading->setText(text);
    heading.setTop(rowTop(0, window));
    heading.setLeft(left * window.width);
    heading.setHeight(height);
    heading.fitTextHeight();
}

void showField(FieldElements& fields, int i, int row, const Column& column, const QColor& colour,
               const WindowSize& window) {
    ui::Element<QLabel>& label = fields.label1[i];
    label.setVisible(true);
    label.setTop(rowTop(row, window));
    label.setLeft(column.captionLeft * window.width);
    label.setHeight(kCaptionHeight);
    label.setWidth(column.captionWidth * window.width);
    label.setPointSize(kFontPoints);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.fitTextHeight();

    ui::Element<QLineEdit>& text = fields.text1[i];
    setFieldColour(text.get(), colour);
    text.setVisible(true);
    text.setTop(rowTop(row, window) - kValueFieldRaise);
    text.setLeft(column.fieldLeft * window.width);
    text.setWidth(column.fieldWidth * window.width);
    setPointSize(text.get(), kFontPoints);
    text.fitTextHeight(4);
    text->clear();
}

}  // namespace

double rowTop(int row, const WindowSize& window) {
    return (row * 0.05) * window.height + window.height * 0.3;
}

void layOutPanel(Operation operation, std::optional<SectionType> section, FieldElements& fields,
                 const WindowSize& window) {
    const PanelTable* table = section ? panelTable(*section, operation) : nullptr;
    if (section && !table) return;

    const double headingHeight =
        operation == Operation::kCheck ? kCheckHeadingHeight : kOtherHeadingHeight;
    showHeading(fields.label1[0], "DATI:", 0.3, headingHeight, window);
    showHeading(fields.label1[1], "RISULTATI:", 0.75, headingHeight, window);

    // Fields of an earlier panel that this one does not use go, so no stale value stays.
    const int used =
        table ? firstResultField(*table->calc) + static_cast<int>(table->calc->results.size())
              : kFirstInputField;
    for (int i = kFirstInputField; i <= kLastPanelField; ++i)
        if (i >= used) hideField(fields, i);
    if (!table) return;

    for (int i = kFirstInputField; i < used; ++i)
        fields.label1[i]->setText(ui::greekCaptionText(QString::fromUtf8(caption(*table, i))));

    const int firstResult = firstResultField(*table->calc);
    const QColor inputColour = QApplication::palette().color(QPalette::Base);
    for (int i = kFirstInputField; i < firstResult; ++i)
        showField(fields, i, i - 1, kInputColumn, inputColour, window);
    const Column results{table->resultCaptionLeft, 0.25, 0.83, 0.12};
    for (int i = firstResult; i < used; ++i)
        showField(fields, i, i - firstResult + 1, results, kResultColour, window);

    // On a screen too small for 16 points every caption of the panel shrinks alike, so none
    // is cut and the columns still read evenly.
    double points = kFontPoints;
    for (int i = kFirstInputField; i < used; ++i) {
        const auto& label = fields.label1[i];
        points = std::min(points, label.fittingPointSize(label->text(), kFontPoints));
    }
    for (int i = kFirstInputField; i < used; ++i)
        fields.label1[i].setPointSize(points);
}

}  // namespace lirvo::panels
