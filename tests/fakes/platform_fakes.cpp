#include "tests/fakes/platform_fakes.h"

namespace lirvo::test {

void MessageRecorder::show(QWidget*, const std::string& prompt, MessageStyle style,
                           const std::string& title) {
    shown_.push_back({prompt, style, ui::titleBorne(title)});
}

ui::Answer MessageRecorder::ask(QWidget*, const std::string& prompt) {
    asked_.push_back(prompt);
    return answer;
}

std::optional<QString> FixedSaveChoice::pdfFileName(QWidget*, const QString& proposed) {
    lastProposed = proposed;
    return choice;
}

std::optional<QString> FixedCaseFileChoice::fileToOpen(QWidget*, const QString& folder) {
    ++opens;
    lastFolder = folder;
    return toOpen;
}

std::optional<QString> FixedCaseFileChoice::fileToSave(QWidget*, const QString& proposed) {
    ++saves;
    lastProposed = proposed;
    return toSave;
}

std::optional<casefiles::Materials> FixedReportDialogs::materials(
    QWidget*, const casefiles::Materials& proposed) {
    proposedMaterials = proposed;
    return materialsAsProposed ? proposed : materialsChoice;
}

std::optional<QString> FixedReportDialogs::reportFileName(QWidget*, const QString& proposed) {
    proposedFile = proposed;
    return fileChoice;
}

bool FixedReportDialogs::confirmReplace(QWidget*, const QString&) {
    ++replaceQuestions;
    return replace;
}

}  // namespace lirvo::test
