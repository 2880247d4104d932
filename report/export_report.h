// "File" → "Esporta relazione PDF…" (Ctrl+E): the calculation report of the calculation on the
// window, through dialogs the caller provides.
#pragma once

#include <QString>
#include <optional>

#include "casefiles/case_file.h"
#include "report/report_dialogs.h"
#include "ui/message_box.h"

class QWidget;

namespace lirvo::report {

// For a check, first asks for its materials, proposing those the calculation keeps, or those
// of its case file, or else defaultMaterials(); then for the PDF file, proposing the case file's
// name beside it, or else the case's name in `folder`, with ".pdf", and asks before replacing an
// existing file. Writes the report whole or not at all and says so in a message box. Once the
// report is written the materials chosen are kept in `calculation`, and in the case file at
// `caseFilePath` when the calculation has one (empty: none). Returns the path written, none
// when no report was written.
std::optional<QString> exportReportDialog(QWidget* parent, casefiles::CaseFile& calculation,
                                          const QString& caseFilePath, const QString& folder,
                                          ReportDialogs& dialogs, ui::MessageBoxes& messages);

}  // namespace lirvo::report
