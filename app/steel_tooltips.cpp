#include "app/steel_tooltips.h"

#include "sections/bar_notation.h"
#include "sections/bar_proposal.h"
#include "sections/numbers.h"

namespace lirvo::app {

void showSteelTooltips(panels::FieldElements& fields, const CalcCase* shown,
                       const CalcWindow& window, bool resultsCurrent) {
    std::array<QString, kFieldCount> tips;
    if (shown) {
        for (const Field& field : shown->inputs()) {
            const std::string text = window.fieldText(field.index);
            if (const auto area = typedBarsArea(field, text))
                tips[field.index] = QString::fromStdString(barsAndArea(text, *area));
        }
        if (resultsCurrent)
            for (const SteelProposal& p : proposeForRun(*shown, window))
                tips[p.field->index] = QString::fromStdString(
                    "Barre proposte: " +
                    (p.bars ? barsAndArea(p.bars->text(), p.bars->area) : p.text()));
    }
    for (int i = 0; i < kFieldCount; ++i) {
        if (tips[i].isEmpty()) tips[i] = QString::fromStdString(writeNumber(i));
        fields.valueFields[i]->setToolTip(tips[i]);
    }
}

}  // namespace lirvo::app
