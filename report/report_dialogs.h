// The dialogs of the calculation report's export: the materials of a check, the file to write
// and whether to replace one that exists. Tests put fixed answers in place of the real dialogs,
// so no test waits on one.
#pragma once

#include <QString>
#include <optional>

#include "casefiles/case_file.h"

class QWidget;

namespace lirvo::report {

class ReportDialogs {
  public:
    virtual ~ReportDialogs() = default;
    // Concrete class Rck and steel grade with the allowable stresses they propose, which the
    // user may change or empty; none when the user cancelled.
    virtual std::optional<casefiles::Materials> materials(QWidget* parent,
                                                          const casefiles::Materials& proposed) = 0;
    // The PDF file chosen, starting from the proposed path; none when the user cancelled. An
    // existing file is not asked about here.
    virtual std::optional<QString> reportFileName(QWidget* parent, const QString& proposed) = 0;
    // Whether the existing file at the path may be replaced.
    virtual bool confirmReplace(QWidget* parent, const QString& path) = 0;
};

class ModalReportDialogs : public ReportDialogs {
  public:
    std::optional<casefiles::Materials> materials(QWidget* parent,
                                                  const casefiles::Materials& proposed) override;
    std::optional<QString> reportFileName(QWidget* parent, const QString& proposed) override;
    bool confirmReplace(QWidget* parent, const QString& path) override;
};

// The materials proposed when a calculation has none: Rck 250 kg/cm² and FeB44k.
casefiles::Materials defaultMaterials();

}  // namespace lirvo::report
