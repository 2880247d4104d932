// The SLU check of a calculated section, from the texts of its materials and actions to the
// rows and the verdict that the SLU window shows and the report prints. Both run it here, on
// the one reader (sections/uls_input.h) and the one check (sections/uls_check.h) that
// lirvo-calc --uls prints, so the three give the same numbers.
//
//   CaseAnalysis (the section of the run) + UlsTexts --runUls--> refusal, or the picture
//   (section, strengths, check, domain of a column) --ulsRows--> kg and SI rows, verdict
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "drawing/uls_painter.h"
#include "sections/case_analysis.h"
#include "sections/uls_input.h"

namespace lirvo::slu {

struct UlsRun {
    QString refusal;  // the first datum missing or refused, by its key; nothing computed then
    std::optional<drawing::UlsPicture> picture;
};

// `column`: the domain is drawn too. The section must be one the analysis can take.
UlsRun runUls(const CaseAnalysis& section, bool column, const UlsTexts& texts);

// One line of the results: symbol, description, value and unit, and the same in SI.
struct UlsRow {
    QString symbol, description, value, unit, siValue, siUnit;
};
std::vector<UlsRow> ulsRows(const CaseAnalysis& section, const drawing::UlsPicture& picture);

// "VERIFICATA ALLO SLU" / "NON VERIFICATA ALLO SLU"; empty without M_Ed.
QString verdictText(const UlsCheck& check);

// How fcd and fyd follow from the materials given, one line each ("fcd = αcc·fck/γc =
// 0.85·207.5/1.5 = 117.58 Kg/cmq (11.53 MPa)"); empty while the materials are refused.
QStringList strengthLines(const UlsTexts& texts);

// The texts the SLU window proposes for a section never checked: new construction, Rck 250
// and FeB44k (or the materials of the report's dialog), the NTC 2018 factors, and the
// calculation's M and N as the actions to confirm.
UlsTexts proposedTexts(const CaseAnalysis& section, int rck, const std::string& steel);

}  // namespace lirvo::slu
