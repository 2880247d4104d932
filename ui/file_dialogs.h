// The dialogs that choose a case file to open or to save. Tests put a fixed choice in their
// place, as they do for the PDF save dialog (ui/printer.h), so no test waits on a dialog.
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
    // ".lirvo". None when the user cancelled.
    virtual std::optional<QString> fileToSave(QWidget* parent, const QString& proposed) = 0;
};

// The toolkit's dialogs (the desktop's own where the platform offers them), filtered to
// case files.
class ModalCaseFileDialogs : public CaseFileDialogs {
  public:
    std::optional<QString> fileToOpen(QWidget* parent, const QString& folder) override;
    std::optional<QString> fileToSave(QWidget* parent, const QString& proposed) override;
};

// Answers with fixed choices and counts and remembers what each dialog was offered.
class FixedCaseFileChoice : public CaseFileDialogs {
  public:
    std::optional<QString> fileToOpen(QWidget* parent, const QString& folder) override;
    std::optional<QString> fileToSave(QWidget* parent, const QString& proposed) override;

    std::optional<QString> toOpen, toSave;  // none: the user cancels
    int opens = 0, saves = 0;               // dialogs shown
    QString lastFolder, lastProposed;
};

}  // namespace lirvo::ui
