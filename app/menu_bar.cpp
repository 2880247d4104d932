#include "app/menu_bar.h"

#include <QFileInfo>
#include <QMenu>

#include "app/case_document.h"
#include "app/main_window.h"
#include "app/proposal_check.h"
#include "app/uls_command.h"

namespace lirvo::app {
namespace {

// The version is the project's (CMakeLists.txt), the licence is set beside it.
constexpr char kAboutTitle[] = "Informazioni su lirvo";
constexpr char kAbout[] =
    "lirvo " LIRVO_VERSION
    "\n\nCalcolo di travi e pilastri in cemento armato alle tensioni ammissibili, "
    "sezione fessurata."
    "\n\nUnità di misura: CM e Kg"
    "\n\nLicenza: " LIRVO_LICENCE;

}  // namespace

MenuBar::MenuBar(MainWindow& window, CaseDocument& document, const ui::Platform& platform)
    : QMenuBar(&window), window_(window), document_(document), platform_(platform) {
    // Always inside the window, where the layout below it expects it, even on a desktop that
    // gathers the menus of programs at the top of the screen.
    setNativeMenuBar(false);
    buildFileMenu();
    buildCalculationMenu();
    buildHelpMenu();
    connect(&document_, &CaseDocument::recentFilesChanged, this, &MenuBar::listRecentFiles);
}

void MenuBar::buildFileMenu() {
    file_ = addMenu("&File");
    file_->setToolTipsVisible(true);  // a recent file's whole path
    file_->addAction("&Nuovo", [this] { document_.newCalculation(); });
    file_->addAction("&Apri…", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { document_.open(); });
    file_->addAction("&Salva", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { document_.save(); });
    file_->addAction("Salva con &nome…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                     [this] { document_.saveAs(); });
    file_->addSeparator();
    recentEnd_ = file_->addSeparator();
    listRecentFiles();
    file_->addAction("S&tampa…", [this] { window_.elements().printButton->click(); });
    file_->addAction("Esporta &relazione PDF…", QKeySequence(Qt::CTRL | Qt::Key_E),
                     [this] { document_.exportReport(reportDialogs_); });
    file_->addSeparator();
    file_->addAction("&Esci", [this] { window_.fine(); });
}

void MenuBar::listRecentFiles() {
    // An entry may be the one whose click got here: it goes once the click has returned.
    for (QAction* action : recent_) {
        file_->removeAction(action);
        action->deleteLater();
    }
    recent_.clear();
    int number = 0;
    for (const QString& path : document_.recentFiles().paths()) {
        QString name = QFileInfo(path).fileName();
        name.replace("&", "&&");
        auto* action = new QAction(QString("&%1 %2").arg(++number).arg(name), file_);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { document_.openFile(path); });
        file_->insertAction(recentEnd_, action);
        recent_.append(action);
    }
}

// The calculations made on the section of the window's results: the check of a design's
// proposed bars, and the SLU check.
void MenuBar::buildCalculationMenu() {
    calculation_ = addMenu("&Calcolo");
    ProposalCheck& check = window_.proposalCheck();
    QAction* run =
        calculation_->addAction("&Verifica con le barre proposte", [&check] { check.run(); });
    QAction* undo = calculation_->addAction("&Annulla verifica con le barre proposte",
                                            [&check] { check.undo(); });
    // Offered while they apply: the results on the window change without telling the menu.
    connect(calculation_, &QMenu::aboutToShow, this, [&check, run, undo] {
        run->setEnabled(check.available());
        undo->setEnabled(check.undoable());
    });
    calculation_->addSeparator();
    uls_ = new UlsCommand(window_, document_, platform_);
    ulsAction_ = calculation_->addAction("Verifica &SLU…", QKeySequence(Qt::CTRL | Qt::Key_U),
                                         [this] { uls_->open(); });
    ulsAction_->setEnabled(uls_->available());
    connect(&window_, &MainWindow::resultStateChanged, this,
            [this] { ulsAction_->setEnabled(uls_->available()); });
}

void MenuBar::buildHelpMenu() {
    help_ = addMenu("&Aiuto");
    help_->addAction("&Guida", [this] { window_.elements().helpButton->click(); });
    help_->addAction(kAboutTitle, [this] { showAbout(); });
}

void MenuBar::showAbout() {
    platform_.messages.show(&window_, kAbout, MessageStyle::kInformation, kAboutTitle);
}

}  // namespace lirvo::app
