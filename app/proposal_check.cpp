#include "app/proposal_check.h"

#include "app/main_window.h"
#include "sections/proposal_check.h"

namespace lirvo::app {

ProposalCheck::ProposalCheck(MainWindow& window) : QObject(&window), window_(window) {
    // "Azzera", "Nuovo" and opening a file let the window's calculation go, deliberately.
    connect(&window_, &MainWindow::reloaded, this, [this] { setAside_.reset(); });
}

bool ProposalCheck::available() const {
    const CalcCase* shown = window_.shownCase();
    return shown && shown->operation != Operation::kCheck && window_.resultsCurrent();
}

bool ProposalCheck::run() {
    if (!available()) {
        window_.messageBox({kNoDesignToCheck});
        return false;
    }
    const CalcCase& design = *window_.shownCase();
    Calculation before{&design, window_.exampleRequested(), {}};
    for (const Field& field : design.inputs())
        before.texts[field.index] = window_.fieldText(field.index);
    const std::optional<ProposedSectionCheck> check = checkWithProposedBars(design, window_);
    setAside_ = before;
    show({check->check, false, check->texts});
    return true;
}

bool ProposalCheck::undo() {
    if (!setAside_) return false;
    const Calculation design = *setAside_;
    setAside_.reset();
    show(design);
    return true;
}

void ProposalCheck::show(const Calculation& c) {
    MainElements& e = window_.elements();
    e.sectionOption(static_cast<int>(c.calc->section))->click();
    e.operationOption(static_cast<int>(c.calc->operation))->click();
    if (e.exampleBox->isChecked() != c.example) e.exampleBox->click();
    for (const Field& field : c.calc->inputs())
        window_.setFieldText(field.index, c.texts[field.index]);
    // The drawing of the calculation left is not that of this one, which may be refused.
    window_.schematicDrawing().showPicture();
    e.computeButton->click();
}

}  // namespace lirvo::app
