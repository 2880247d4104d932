#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace lirvo::ui {

QString proposedFolder(const QString& caseFilePath, const QString& lastFolder) {
    if (!caseFilePath.isEmpty()) return QFileInfo(caseFilePath).absolutePath();
    if (!lastFolder.isEmpty()) return lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

std::optional<QString> ModalCaseFileDialogs::fileToOpen(QWidget* parent, const QString& folder) {
    const QString path =
        QFileDialog::getOpenFileName(parent, "Apri un calcolo", folder, nameFilter_);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> ModalCaseFileDialogs::fileToSave(QWidget* parent, const QString& proposed) {
    // A dialog of our own rather than the static function: only it adds the suffix before it
    // asks whether to replace an existing file.
    QFileDialog dialog(parent, "Salva il calcolo", proposed, nameFilter_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix_);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace lirvo::ui
