#include "report/export_report.h"

#include <QDir>
#include <QFileInfo>

#include "report/calculation_report.h"

namespace lirvo::report {
namespace {

constexpr char kSaved[] = "RELAZIONE SALVATA NEL FILE ";

QString proposedPath(const casefiles::CaseFile& calculation, const QString& caseFilePath,
                     const QString& folder) {
    if (caseFilePath.isEmpty())
        return QDir(folder).filePath(QString::fromStdString(calculation.caseName) + ".pdf");
    const QFileInfo file(caseFilePath);
    return file.dir().filePath(file.completeBaseName() + ".pdf");
}

// Keeps the materials in the case file the calculation belongs to; the rest of the file stays
// as it was saved. Returns the message when the file could not be rewritten.
std::string keepMaterials(const QString& caseFilePath, const casefiles::Materials& materials) {
    casefiles::ReadOutcome read = casefiles::readCaseFile(caseFilePath);
    if (!read.file) return read.message;
    if (read.file->materials == materials) return {};
    read.file->materials = materials;
    return casefiles::writeCaseFile(caseFilePath, *read.file);
}

}  // namespace

std::optional<QString> exportReportDialog(QWidget* parent, casefiles::CaseFile& calculation,
                                          const QString& caseFilePath, const QString& folder,
                                          ReportDialogs& dialogs, ui::MessageBoxes& messages) {
    const CalcCase* calc = casefiles::caseNamed(calculation.caseName);
    if (!calc) return std::nullopt;
    // A window's calculation knows no materials: those of its case file are proposed then.
    if (!calculation.materials && !caseFilePath.isEmpty())
        if (const casefiles::ReadOutcome read = casefiles::readCaseFile(caseFilePath); read.file)
            calculation.materials = read.file->materials;
    std::optional<casefiles::Materials> materials = calculation.materials;
    if (calc->operation == Operation::kCheck) {
        materials = dialogs.materials(parent, materials.value_or(defaultMaterials()));
        if (!materials) return std::nullopt;
        if (const std::string refusal = casefiles::materialsRefusal(*materials); !refusal.empty()) {
            messages.show(parent, refusal, MessageStyle::kPlain, {});
            return std::nullopt;
        }
    }
    const std::optional<QString> path =
        dialogs.reportFileName(parent, proposedPath(calculation, caseFilePath, folder));
    if (!path) return std::nullopt;
    if (QFileInfo::exists(*path) && !dialogs.confirmReplace(parent, *path)) return std::nullopt;

    casefiles::CaseFile reported = calculation;
    reported.materials = materials;
    const QString name = caseFilePath.isEmpty() ? QString() : QFileInfo(caseFilePath).fileName();
    const ReportEntry entry{name, reported, {}};
    const RenderedReport report = renderReport({&entry, 1}, reportDate());
    if (const std::string failed = writeReportFile(*path, report.pdf); !failed.empty()) {
        messages.show(parent, failed, MessageStyle::kWarning, {});
        return std::nullopt;
    }
    messages.show(parent, kSaved + QFileInfo(*path).fileName().toStdString(),
                  MessageStyle::kInformation, {});
    if (materials && materials != calculation.materials) {
        calculation.materials = materials;
        if (!caseFilePath.isEmpty())
            if (const std::string failed = keepMaterials(caseFilePath, *materials); !failed.empty())
                messages.show(parent, failed, MessageStyle::kWarning, {});
    }
    return path;
}

}  // namespace lirvo::report
