// The calculation report: one PDF document of any number of calculated sections, for the
// project file of a building. A4 portrait, vector text in Liberation Sans (embedded), in
// Italian; the window's one-page print (report_printing.h) stays beside it.
//
//   case files --readReportEntry--> entries --renderReport--> PDF bytes --writeReportFile--> disk
//
// Page 1 opens with the particulars of the building, the date and the files that could not be
// reported; then each section, never broken across pages: its case in words and file name,
// data and results in the program's units and in SI, the figure with the stress diagram, the
// equilibrium, the utilisations and verdict where the allowable stresses are known, and the
// method. Every page ends with "pagina i di N".
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <span>
#include <string>

#include "casefiles/case_file.h"

namespace lirvo::report {

// One calculation given to the report.
struct ReportEntry {
    QString name;  // the file name shown beside the heading; may be empty
    std::optional<casefiles::CaseFile> calculation;
    std::string reason;  // without a calculation: why the file is not reported
};

// Reads a case file for the report; the entry bears the file's name without its folder.
ReportEntry readReportEntry(const QString& path);

struct RenderedReport {
    QByteArray pdf;
    int pages = 0;
    int sections = 0;     // reported sections, refused calculations included
    int notReported = 0;  // entries without a calculation
    int refused = 0;      // sections whose calculation stopped on a message
};

// The date printed under the title: LIRVO_REPORT_DATE when set (for reproducible reports),
// otherwise today as dd/mm/yyyy.
QString reportDate();

// The whole document. Needs a QGuiApplication (fonts).
RenderedReport renderReport(std::span<const ReportEntry> entries, const QString& date);

// Writes the bytes to a temporary file beside the path and renames it over the path, so that
// no half-written PDF is ever left. Returns the message for the user when nothing was written.
std::string writeReportFile(const QString& path, const QByteArray& pdf);

}  // namespace lirvo::report
