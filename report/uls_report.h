// What the report prints of a section's SLU check (slu/uls_case.h), from the texts its case
// file keeps: the materials and how fcd and fyd follow, the rows, the figure and the verdict,
// or why the check could not be made. The report lays these out after the allowable-stress
// block of the same section.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <functional>
#include <vector>

#include "report/report_sources.h"
#include "slu/uls_case.h"

namespace lirvo::report {

struct UlsReport {
    QString refusal;        // the check was not made: why
    QStringList materials;  // the materials given, then fcd and fyd as they follow
    std::vector<slu::UlsRow> rows;
    std::function<void(QPainter&, const QRectF&)> paint;
    double aspect = 0.4;  // height over width of the figure
    QString verdict;      // empty without M_Ed
    bool verified = false;
};

// For a section whose calculation ran and wrote these texts.
UlsReport ulsReport(const CalcCase& calc, const FieldTexts& texts, const UlsTexts& uls);

// The method in one sentence.
extern const char* const kUlsMethod;

}  // namespace lirvo::report
