#include "report/uls_report.h"

namespace lirvo::report {
namespace {

using enum UlsKey;

QString given(const UlsTexts& texts, UlsKey key) {
    return QString::fromStdString(*texts[size_t(key)]).trimmed();
}

// The materials as given, in one sentence.
QString materialsGiven(const UlsTexts& t) {
    const auto has = [&](UlsKey k) { return t[size_t(k)].has_value(); };
    if (has(kFcm))
        return QString(
                   "Edificio esistente (NTC 2018 §8.7.2, meccanismi duttili): fcm = %1 "
                   "Kg/cmq, fym = %2 Kg/cmq, livello di conoscenza LC%3.")
            .arg(given(t, kFcm), given(t, kFym), given(t, kLevel));
    if (has(kFcd))
        return QString("Resistenze di progetto date: fcd = %1 Kg/cmq, fyd = %2 Kg/cmq.")
            .arg(given(t, kFcd), given(t, kFyd));
    QString text = "Nuova costruzione (NTC 2018 §4.1.2.1.1): ";
    text += has(kRck) ? "Rck = " + given(t, kRck) : "fck = " + given(t, kFck);
    text += " Kg/cmq, acciaio " +
            (has(kSteel) ? given(t, kSteel) : "fyk = " + given(t, kFyk) + " Kg/cmq");
    for (auto [key, symbol] : {std::pair{kGc, "γc"}, {kAcc, "αcc"}, {kGs, "γs"}})
        if (has(key)) text += QString(", %1 = %2").arg(symbol, given(t, key));
    return text + ".";
}

}  // namespace

const char* const kUlsMethod =
    "Metodo: stato limite ultimo per flessione e pressoflessione retta (NTC 2018 §4.1.2.3.4.2): "
    "sezioni piane, calcestruzzo con legame parabola-rettangolo (εc2 = 2‰, εcu = 3.5‰) non "
    "reagente a trazione, acciaio elastico-perfettamente plastico con Es = 200000 N/mm²; M_Rd è "
    "il momento del piano di deformazione ultimo la cui risultante è N_Ed, integrato in forma "
    "chiusa sul contorno della sezione. Unità SI con 1 Kg = 9.80665 N.";

UlsReport ulsReport(const CalcCase& calc, const FieldTexts& texts, const UlsTexts& uls) {
    UlsReport report;
    const std::optional<CaseAnalysis> section = caseSection(calc, valuesOf(calc, texts));
    if (!section) {
        report.refusal = "la sezione non è determinata dai dati";
        return report;
    }
    const slu::UlsRun run = slu::runUls(*section, calc.section == SectionType::kColumn, uls);
    if (!run.picture) {
        report.refusal = run.refusal;
        return report;
    }
    report.materials << materialsGiven(uls) << slu::strengthLines(uls);
    report.rows = slu::ulsRows(*section, *run.picture);
    report.verdict = slu::verdictText(run.picture->check);
    report.verified = run.picture->check.verified == true;
    report.aspect = run.picture->domain.empty() ? 0.3 : 0.45;
    report.paint = atScreenScale([picture = *run.picture](QPainter& p, const QRectF& r) {
        drawing::paintUls(p, r, picture);
    });
    return report;
}

}  // namespace lirvo::report
