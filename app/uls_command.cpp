#include "app/uls_command.h"

#include "app/case_document.h"
#include "app/main_window.h"
#include "slu/uls_case.h"
#include "slu/uls_window.h"

namespace lirvo::app {
namespace {

constexpr char kNoSection[] = "I DATI DEL CALCOLO NON DESCRIVONO UNA SEZIONE DA VERIFICARE";

// What tells one calculation from another: its case and its input texts.
std::string calculationOf(const CalcCase& calc, const CalcWindow& window) {
    std::string key(calc.name);
    for (const Field& field : calc.inputs())
        key += '\t' + window.fieldText(field.index);
    return key;
}

}  // namespace

UlsCommand::UlsCommand(MainWindow& window, CaseDocument& document, const ui::Platform& platform)
    : QObject(&window), window_(window), document_(document), platform_(platform) {
    // A file's actions belong to the first calculation after it was opened (its own).
    connect(&window_, &MainWindow::reloaded, this, [this] { actionsFromFile_ = true; });
    connect(&window_, &MainWindow::resultStateChanged, this, [this] {
        const CalcCase* calc = window_.currentCalculation();
        if (uls_ && !calc) uls_->setCurrent(false);
        if (!actionsFromFile_ || !calc) return;
        actionsOf_ = calculationOf(*calc, window_);
        actionsFromFile_ = false;
    });
}

UlsCommand::~UlsCommand() = default;

bool UlsCommand::available() const {
    return window_.currentCalculation() != nullptr;
}

void UlsCommand::open() {
    const CalcCase* calc = window_.currentCalculation();
    if (!calc) return window_.messageBox({kStaleResults});
    const std::optional<CaseAnalysis> section = caseSection(*calc, fieldValues(*calc, window_));
    if (!section) return window_.messageBox({kNoSection});
    const std::string calculation = calculationOf(*calc, window_);
    if (!uls_) {
        uls_ = std::make_unique<slu::UlsWindow>(&window_);
        connect(uls_.get(), &slu::UlsWindow::verified, this, [this](const UlsTexts& texts) {
            if (const CalcCase* checked = window_.currentCalculation())
                actionsOf_ = calculationOf(*checked, window_);
            document_.setUls(texts);
        });
    }
    const std::optional<casefiles::Materials>& materials = document_.materials();
    const UlsTexts proposed = slu::proposedTexts(*section, materials ? materials->rck : 250,
                                                 materials ? materials->steel : "FeB44k");
    UlsTexts texts = document_.uls().value_or(proposed);
    if (actionsOf_ != calculation)
        for (UlsKey k : {UlsKey::kNed, UlsKey::kMed})
            texts[size_t(k)] = proposed[size_t(k)];
    uls_->setSection(*section, calc->section == SectionType::kColumn, texts);
    uls_->show();
    uls_->raise();
    uls_->activateWindow();
}

}  // namespace lirvo::app
