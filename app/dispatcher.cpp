#include "dispatcher.h"

namespace lirvo::app {

using panels::Operation;
using panels::SectionType;

void dispatch(const CaseChoice& choice, CalcFrame& frame, CalcWindow& window) {
    if (!choice.section) {
        window.messageBox("TIPO DI TRAVE NON PREVISTA!!!", kQuestionStyle, "ATTENZIONE");
        return;
    }
    if (!choice.operation) {
        window.messageBox("TIPO DI OPERAZIONE NON PREVISTA!!!", kQuestionStyle, "ATTENZIONE");
        return;
    }
    const panels::PanelTable* table = panels::panelTable(*choice.section, *choice.operation);
    if (!table) {
        // A column is checked or given its steel, never designed from scratch.
        window.messageBox("NON HA SENSO IL PROGETTO", kPlainStyle, {});
        return;
    }
    frame.run(*table->calc, window);
}

}  // namespace lirvo::app
