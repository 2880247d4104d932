#include "slu/uls_case.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "sections/numbers.h"
#include "sections/si_units.h"

namespace lirvo::slu {
namespace {

using enum UlsKey;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Whole numbers from 10⁴ on (forces and moments in kg and kg·cm), five digits below.
QString number(double value) {
    return std::fabs(value) >= 1e4 ? QString::number(value, 'f', 0)
                                   : QString::number(value, 'g', 5);
}

// A number as a field text the reader takes back exactly: whole numbers in full ("1000000",
// not "1e+06"), others in the shortest form that does.
std::string fieldText(double value) {
    char text[40];
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// A row of a quantity in the program's unit and in SI.
UlsRow row(const QString& symbol, const QString& description, double value, Unit unit) {
    UlsRow r{symbol, description, number(value), q(unitText(unit)), {}, {}};
    if (const std::optional<SiValue> si = toSi(value, unit)) {
        r.siValue = q(fourSignificantDigits(si->value));
        r.siUnit = q(si->unit);
    }
    return r;
}

UlsRow pure(const QString& symbol, const QString& description, const QString& value,
            const QString& unit = {}) {
    return {symbol, description, value, unit, value, unit};
}

QString perMille(double strain) {
    if (!std::isfinite(strain)) return "snervata (trazione pura)";
    return QString::number(1000 * strain, 'f', 3);
}

// What the user typed for a key, read as the reader read it.
double value(const UlsTexts& texts, UlsKey key) {
    return readField(*texts[size_t(key)]).value;
}

bool has(const UlsTexts& texts, UlsKey key) {
    return texts[size_t(key)].has_value();
}

QString stressLine(const QString& formula, double result) {
    return formula + " = " + number(result) + "\u00a0Kg/cmq (" +
           QString::number(result * kNewtonsPerKg / 100, 'g', 4) + "\u00a0MPa)";
}

}  // namespace

UlsRun runUls(const CaseAnalysis& section, bool column, const UlsTexts& texts) {
    const std::variant<UlsData, std::string> read = readUlsTexts(texts);
    if (const auto* refusal = std::get_if<std::string>(&read)) return {q(*refusal), {}};
    const UlsData& data = std::get<UlsData>(read);
    const UlsSection uls(section.model, data.strengths);
    if (!uls.valid()) return {"la sezione non si presta alla verifica allo SLU", {}};
    drawing::UlsPicture picture{section.model,
                                data.strengths,
                                checkUls(uls, data.ned.value_or(section.model.N), data.med),
                                {}};
    if (column) picture.domain = uls.domain(drawing::kDomainPoints);
    return {{}, std::move(picture)};
}

std::vector<UlsRow> ulsRows(const CaseAnalysis& section, const drawing::UlsPicture& picture) {
    const UlsCheck& c = picture.check;
    const SectionModel& m = section.model;
    std::vector<UlsRow> rows = {row("N_Ed", "sforzo normale di progetto", c.N, Unit::kKg)};
    if (c.M) rows.push_back(row("M_Ed", "momento flettente di progetto", *c.M, Unit::kKgCm));
    if (!c.ultimate) {
        rows.push_back(pure("M_Rd", "momento resistente", "N_Ed fuori dal dominio"));
        return rows;
    }
    const UlsState& s = *c.ultimate;
    rows.push_back(row("M_Rd", "momento resistente a N_Ed", s.M, Unit::kKgCm));
    rows.push_back(row("x", "asse neutro dalla fibra compressa", s.x, Unit::kCm));
    // h: from the compressed edge to the farthest bar.
    double h = 0;
    for (const SteelLayer& bar : m.steel)
        if (bar.area > 0) h = std::max(h, c.positive ? bar.depth : m.H - bar.depth);
    if (h > 0 && std::isfinite(s.x))
        rows.push_back(
            pure("x/h", "profondità relativa dell'asse neutro", QString::number(s.x / h, 'f', 3)));
    rows.push_back(pure("εc", "deformazione della fibra compressa",
                        perMille(c.positive ? s.strainTop : s.strainBottom), "‰"));
    bool anyInTension = false, yields = false;
    for (size_t i = 0; i < m.steel.size(); ++i) {
        const bool tension = int(i) == section.tensionSteel;
        const QString name = tension ? "Af" : "Af'";
        rows.push_back(
            pure("ε " + name,
                 QString("deformazione di %1 (a %2 cm)").arg(name, number(m.steel[i].depth)),
                 perMille(s.steelStrain[i]), "‰"));
        rows.push_back(row("σ " + name, "tensione di " + name, s.steelStress[i], Unit::kKgPerCm2));
        if (m.steel[i].area > 0 && s.steelStress[i] < 0) {
            anyInTension = true;
            yields = yields || yieldsInTension(s.steelStress[i], picture.strengths.fyd);
        }
    }
    rows.push_back(pure("", "armatura tesa snervata",
                        !anyInTension ? "nessuna barra tesa"
                        : yields      ? "sì"
                                      : "no"));
    if (c.utilisation)
        rows.push_back(pure("", "utilizzo M_Ed/M_Rd", QString::number(*c.utilisation, 'f', 3)));
    return rows;
}

QString verdictText(const UlsCheck& check) {
    if (!check.verified) return {};
    return *check.verified ? "VERIFICATA ALLO SLU" : "NON VERIFICATA ALLO SLU";
}

QStringList strengthLines(const UlsTexts& texts) {
    UlsTexts materials = texts;
    materials[size_t(kNed)].reset();
    materials[size_t(kMed)].reset();
    const std::variant<UlsData, std::string> read = readUlsTexts(materials);
    if (!std::holds_alternative<UlsData>(read)) return {};
    const UlsStrengths st = std::get<UlsData>(read).strengths;
    if (has(texts, kFcd))
        return {stressLine("fcd (dato)", st.fcd), stressLine("fyd (dato)", st.fyd)};
    if (has(texts, kFcm)) {
        const int level = int(value(texts, kLevel));
        const double fc = *confidenceFactor(level);
        return {QString("FC = %1 (livello di conoscenza LC%2, NTC 2018 §C8.5.4)")
                    .arg(QString::number(fc, 'f', 2))
                    .arg(level),
                stressLine(QString("fcd = fcm/FC = %1/%2")
                               .arg(number(value(texts, kFcm)), QString::number(fc, 'f', 2)),
                           st.fcd),
                stressLine(QString("fyd = fym/FC = %1/%2")
                               .arg(number(value(texts, kFym)), QString::number(fc, 'f', 2)),
                           st.fyd)};
    }
    QStringList lines;
    double fck = has(texts, kFck) ? value(texts, kFck) : 0;
    if (has(texts, kRck)) {
        fck = kFckPerRck * value(texts, kRck);
        lines << stressLine("fck = 0.83·Rck = 0.83·" + number(value(texts, kRck)), fck);
    }
    const auto factor = [&](UlsKey key, double standard) {
        return has(texts, key) ? value(texts, key) : standard;
    };
    lines << stressLine(
        QString("fcd = αcc·fck/γc = %1·%2/%3")
            .arg(number(factor(kAcc, kAlphaCc)), number(fck), number(factor(kGc, kGammaC))),
        st.fcd);
    const double fyk =
        has(texts, kSteel) ? *characteristicYield(*texts[size_t(kSteel)]) : value(texts, kFyk);
    const QString grade = has(texts, kSteel) ? " (" + q(*texts[size_t(kSteel)]) + ")" : "";
    lines << stressLine(
        QString("fyd = fyk/γs = %1%2/%3").arg(number(fyk), grade, number(factor(kGs, kGammaS))),
        st.fyd);
    return lines;
}

UlsTexts proposedTexts(const CaseAnalysis& section, int rck, const std::string& steel) {
    UlsTexts texts;
    const auto put = [&](UlsKey key, std::string text) { texts[size_t(key)] = std::move(text); };
    put(kRck, std::to_string(rck));
    put(kSteel, steel);
    put(kAcc, "0.85");
    put(kGc, "1.5");
    put(kGs, "1.15");
    put(kNed, fieldText(section.model.N));
    put(kMed, fieldText(section.model.M));
    return texts;
}

}  // namespace lirvo::slu
