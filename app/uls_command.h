// "Calcolo" › "Verifica SLU…": opens the SLU window (slu/uls_window.h) on the section the main
// window has calculated, with the texts its case file keeps, or else those proposed from the
// calculation (its M and N) and the report's materials; a check made there goes back to the
// case file.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "ui/platform.h"

namespace lirvo::slu {
class UlsWindow;
}

namespace lirvo::app {

class CaseDocument;
class MainWindow;

class UlsCommand : public QObject {
    Q_OBJECT
  public:
    UlsCommand(MainWindow& window, CaseDocument& document, const ui::Platform& platform);
    ~UlsCommand() override;

    // Whether the window holds current results to check.
    bool available() const;
    void open();
    // The SLU window, once opened.
    slu::UlsWindow* ulsWindow() const { return uls_.get(); }

  private:
    MainWindow& window_;
    CaseDocument& document_;
    ui::Platform platform_;
    std::unique_ptr<slu::UlsWindow> uls_;
    // The calculation (case and input texts) the actions kept in the case document were
    // confirmed on; another calculation gets its own M and N proposed. A file just opened
    // brings the actions of its own calculation, the first one after the window reloaded.
    std::string actionsOf_;
    bool actionsFromFile_ = false;
};

}  // namespace lirvo::app
