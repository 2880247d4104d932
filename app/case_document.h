// The case file behind the main window: which file the calculation came from or went to, whether
// it has changed since, and the commands that open and save it.
//
//   "Apri…", a recent file, a drop, `lirvo FILE` --readCaseFile--> Azzera, then the options
//       clicked, the texts typed, the particulars put back, "E l a b o r a" clicked
//   "Salva", "Salva con nome…" --captureCalculation + particulars--> writeCaseFile (without
//       the results while they are stale)
//
// A file opened whose kept results its data no longer give says so in the window's tooltip.
//
// A window that has a file and has changed since it was opened or saved asks before "Nuovo",
// "Azzera", "Apri…", "Esci", "Fine" or closing let its calculation go. A window without a file
// never asks: a calculation never saved is let go as it always was.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "app/recent_files.h"
#include "casefiles/case_file.h"
#include "report/report_dialogs.h"
#include "ui/platform.h"

namespace lirvo::app {

class MainWindow;

class CaseDocument : public QObject {
    Q_OBJECT
  public:
    // Watches the window's elements for changes and takes the drops of case files on it.
    CaseDocument(MainWindow& window, const ui::Platform& platform);
    ~CaseDocument() override;

    // The file opened or saved last, absolute; empty when there is none.
    const QString& path() const { return path_; }
    // Something the file keeps was changed since: an input text, an option, the example box
    // or a particular. Computing again changes none of them.
    bool isModified() const { return modified_; }
    const RecentFiles& recentFiles() const { return recent_; }

    // "Nuovo" and "Azzera": the window loaded anew, without a file.
    void newCalculation();
    // "Apri…": the dialog, then the file.
    void open();
    // Opens a file, as "Apri…" does once the dialog has chosen it; false when it did not.
    bool openFile(const QString& path);
    // "Salva": into the window's file, or where "Salva con nome…" asks for a window without
    // one. Both return false when nothing was written.
    bool save();
    bool saveAs();
    // "Esporta relazione PDF…": the report of the calculation on the window, with the materials
    // its file keeps; the materials chosen for a check are kept in the file and in the window.
    // False, with a message before any calculation, when no report was written.
    bool exportReport(report::ReportDialogs& dialogs);
    // Whether the window may let its calculation go: true without a file or change, or once
    // the user has answered the question with Sì (and the file is saved) or No.
    bool maySetAside();
    // The materials and actions of the SLU check as last computed: kept in the file, put back
    // into the SLU window when it opens. Setting other texts is a change of the file.
    const std::optional<UlsTexts>& uls() const { return uls_; }
    // The materials of the report's dialog, kept from the file or the last export.
    const std::optional<casefiles::Materials>& materials() const { return materials_; }
    void setUls(const UlsTexts& texts);
    // Where a save or export dialog starts: beside the window's file, else in the folder a
    // dialog chose last (or of the file opened or saved last), else in the user's documents.
    QString dialogFolder() const;
    // A dialog chose this file: its folder is proposed next, while the window has no file.
    void folderUsed(const QString& chosenPath);

  signals:
    void recentFilesChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool load(const QString& path);
    void restore(const casefiles::CaseFile& file);
    // The window's calculation as its file keeps it; none, with a message, when the options
    // name no calculation.
    std::optional<casefiles::CaseFile> capture();
    bool write(const QString& path, const casefiles::CaseFile& file);
    void watchWindow();
    void markModified();
    void setFile(const QString& path);
    void showTitle();
    bool reproducesItsResults(const casefiles::CaseFile& file) const;

    MainWindow& window_;
    ui::Platform platform_;
    QString baseTitle_;
    QString path_;
    bool modified_ = false;
    bool restoring_ = false;
    // Kept from the file opened and written back with it; the window has no place for them.
    std::optional<casefiles::Materials> materials_;
    std::optional<UlsTexts> uls_;
    QString lastFolder_;  // chosen in a dialog during this run
    RecentFiles recent_;
};

}  // namespace lirvo::app
