#include "app/result_state.h"

#include <QApplication>
#include <QPalette>

namespace lirvo::app {
namespace {

// Dark enough to read on the results' light grey, light enough to tell from black.
const QColor kStaleText(110, 110, 110);

}  // namespace

void ResultState::calculated(const CalcCase& calc, const CalcWindow& window) {
    calc_ = &calc;
    refusedSince_ = false;
    for (const Field& field : calc.fields)
        texts_[field.index] = window.fieldText(field.index);
}

bool ResultState::current(const CalcCase* shown, const CalcWindow& window) const {
    if (!calc_ || refusedSince_ || shown != calc_) return false;
    for (const Field& field : calc_->fields)
        if (window.fieldText(field.index) != texts_[field.index]) return false;
    return true;
}

void showResultsStale(panels::FieldElements& fields, const CalcCase* shown, bool stale) {
    const QColor usual = QApplication::palette().color(QPalette::Text);
    for (int i = kFirstInputField; i <= panels::kLastPanelField; ++i) {
        const Field* field = shown ? shown->field(i) : nullptr;
        const bool grey = stale && field && field->role == Role::kResult;
        QLineEdit* text = fields.valueFields[i].get();
        QPalette palette = text->palette();
        palette.setColor(QPalette::Text, grey ? kStaleText : usual);
        text->setPalette(palette);
    }
}

}  // namespace lirvo::app
