// The dialogs that choose a case file to open or to save. Tests put a fixed choice in their
// place, as they do for the PDF save dialog (ui/printer.h), so no test waits on a dialog.
// What a case file is called (its name filter and suffix) is the caller's to say.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace lirvo::ui {

// The folder a save or export dialog proposes: the current case file's, else `lastFolder`,
// else the user's documents folder. Never the folder the program runs in, which holds its own
// files (or is not writable where it is installed).
QString proposedFolder(const QString& caseFilePath, const QString& lastFolder);

class CaseFileDialogs {
  public:
    virtual ~CaseFileDialogs() = default;
    // The file to open, the dialog starting in `folder`; none when the user cancelled.
    virtual std::optional<QString> fileToOpen(QWidget* parent, const QString& folder) = 0;
    // Where to save, starting from the proposed path; a name typed without the suffix gets
    // it. None when the user cancelled.
    virtual std::optional<QString> fileToSave(QWidget* parent, const QString& proposed) = 0;
};

// The toolkit's dialogs (the desktop's own where the platform offers them), showing the files
// the name filter ("Calcoli (*.ext)") lets through; `suffix` is added without its point.
class ModalCaseFileDialogs : public CaseFileDialogs {
  public:
    ModalCaseFileDialogs(QString nameFilter, QString suffix)
        : nameFilter_(std::move(nameFilter)), suffix_(std::move(suffix)) {}
    std::optional<QString> fileToOpen(QWidget* parent, const QString& folder) override;
    std::optional<QString> fileToSave(QWidget* parent, const QString& proposed) override;

  private:
    QString nameFilter_, suffix_;
};

}  // namespace lirvo::ui
