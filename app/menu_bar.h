// The menu bar of the main window, above its layout: "File", "Calcolo" and "Aiuto". Each entry
// runs a command the window, its case file, the check of a design's proposed bars or the SLU
// check has; the buttons stay as they were.
#pragma once

#include <QList>
#include <QMenuBar>

#include "report/report_dialogs.h"
#include "ui/platform.h"

class QAction;
class QMenu;

namespace lirvo::app {

class CaseDocument;
class MainWindow;
class UlsCommand;

class MenuBar : public QMenuBar {
    Q_OBJECT
  public:
    MenuBar(MainWindow& window, CaseDocument& document, const ui::Platform& platform);

    QMenu* fileMenu() const { return file_; }
    QMenu* calculationMenu() const { return calculation_; }
    QMenu* helpMenu() const { return help_; }
    // "Calcolo" › "Verifica SLU…", enabled while the results are current.
    QAction* ulsAction() const { return ulsAction_; }
    UlsCommand& ulsCommand() const { return *uls_; }
    // One entry per recent file, newest first.
    const QList<QAction*>& recentFileActions() const { return recent_; }

  private:
    void buildFileMenu();
    void buildCalculationMenu();
    void buildHelpMenu();
    void listRecentFiles();
    void showAbout();

    MainWindow& window_;
    CaseDocument& document_;
    ui::Platform platform_;
    QMenu* file_ = nullptr;
    QMenu* calculation_ = nullptr;
    QMenu* help_ = nullptr;
    UlsCommand* uls_ = nullptr;  // a child of the window
    QAction* ulsAction_ = nullptr;
    QList<QAction*> recent_;
    QAction* recentEnd_ = nullptr;  // the separator below the recent files
    report::ModalReportDialogs
        reportDialogs_;  // materials and PDF file of "Esporta relazione PDF…"
};

}  // namespace lirvo::app
