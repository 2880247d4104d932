// What the tests (and the window pictures) put in place of the platform's modal dialogs and
// boxes: each answers at once with a fixed choice and remembers what it was shown, so that
// nothing ever waits on a user.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "report/report_dialogs.h"
#include "ui/file_dialogs.h"
#include "ui/message_box.h"
#include "ui/printer.h"
#include "ui/screen.h"

namespace lirvo::test {

// A screen of a given size in twips.
class FixedScreen : public ui::Screen {
  public:
    FixedScreen(float width, float height, double twipsPerPixel = 15)
        : width_(width), height_(height), twipsPerPixel_(twipsPerPixel) {}
    float widthTwips() const override { return width_; }
    float heightTwips() const override { return height_; }
    double twipsPerPixel() const override { return twipsPerPixel_; }

  private:
    float width_, height_;
    double twipsPerPixel_;
};

class MessageRecorder : public ui::MessageBoxes {
  public:
    struct Shown {
        std::string prompt;
        MessageStyle style;
        std::string title;  // as the box bears it
    };
    void show(QWidget* parent, const std::string& prompt, MessageStyle style,
              const std::string& title) override;
    // Records the question and gives `answer`.
    ui::Answer ask(QWidget* parent, const std::string& prompt) override;
    const std::vector<Shown>& shown() const { return shown_; }
    const std::vector<std::string>& asked() const { return asked_; }
    void forget() {
        shown_.clear();
        asked_.clear();
    }

    ui::Answer answer = ui::Answer::kCancel;

  private:
    std::vector<Shown> shown_;
    std::vector<std::string> asked_;
};

// The PDF file chosen when no printer answers.
class FixedSaveChoice : public ui::SaveDialogs {
  public:
    std::optional<QString> pdfFileName(QWidget* parent, const QString& proposed) override;

    std::optional<QString> choice;  // none: the user cancels
    std::optional<QString> lastProposed;
};

// Counts the case-file dialogs and remembers what each was offered.
class FixedCaseFileChoice : public ui::CaseFileDialogs {
  public:
    std::optional<QString> fileToOpen(QWidget* parent, const QString& folder) override;
    std::optional<QString> fileToSave(QWidget* parent, const QString& proposed) override;

    std::optional<QString> toOpen, toSave;  // none: the user cancels
    int opens = 0, saves = 0;               // dialogs shown
    QString lastFolder, lastProposed;
};

class FixedReportDialogs : public report::ReportDialogs {
  public:
    std::optional<casefiles::Materials> materials(QWidget* parent,
                                                  const casefiles::Materials& proposed) override;
    std::optional<QString> reportFileName(QWidget* parent, const QString& proposed) override;
    bool confirmReplace(QWidget* parent, const QString& path) override;

    bool materialsAsProposed = false;                     // OK on the proposed materials
    std::optional<casefiles::Materials> materialsChoice;  // otherwise; none: cancel
    std::optional<QString> fileChoice;                    // none: cancel
    bool replace = false;
    std::optional<casefiles::Materials> proposedMaterials;
    std::optional<QString> proposedFile;
    int replaceQuestions = 0;
};

}  // namespace lirvo::test
