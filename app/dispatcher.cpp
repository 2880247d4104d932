#include "app/dispatcher.h"

#include "sections/cases.h"

namespace lirvo::app {

void dispatch(const CaseChoice& choice, CalcFrame& frame, CalcWindow& window) {
    if (!choice.section) {
        window.messageBox(
            {"TIPO DI TRAVE NON PREVISTA!!!", MessageStyle::kQuestion, kAttentionTitle});
        return;
    }
    if (!choice.operation) {
        window.messageBox(
            {"TIPO DI OPERAZIONE NON PREVISTA!!!", MessageStyle::kQuestion, kAttentionTitle});
        return;
    }
    const CalcCase* calc = findCase(*choice.section, *choice.operation);
    if (!calc) {
        // A column is checked or given its steel, never designed from scratch.
        window.messageBox({"NON HA SENSO IL PROGETTO"});
        return;
    }
    frame.run(*calc, window);
}

}  // namespace lirvo::app
