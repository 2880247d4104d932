#include "report/calculation_report.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "casefiles/safe_save.h"
#include "report/report_sources.h"
#include "report/uls_report.h"
#include "sections/bar_notation.h"
#include "sections/bar_proposal.h"
#include "sections/event_log.h"
#include "sections/numbers.h"
#include "sections/quoting.h"
#include "sections/si_units.h"
#include "ui/qt_text.h"

namespace lirvo::report {
namespace {

// ---- What a section says -------------------------------------------------------------------

// Characters of a text from a case file that the report prints: the narrowest column (a
// value, 38 mm) holds them in about 60 mm of a page. A case file may hold a megabyte in one.
constexpr qsizetype kMostCharacters = 400;

// A text from a case file as the report prints it: whole, or its first kMostCharacters
// characters and "…".
QString shortened(const QString& text) {
    if (text.size() <= kMostCharacters) return text;
    const qsizetype cut = kMostCharacters - text.at(kMostCharacters - 1).isHighSurrogate();
    return text.left(cut) + "…";
}

struct Row {
    QString symbol, description, value, unit, siValue, siUnit;
};

struct SectionContent {
    QString heading, file;
    Operation operation = Operation::kCheck;
    QString member;  // the structure and where the section lies along it
    std::vector<Row> data, results;
    QString refusal;  // the message that stopped the calculation
    QStringList notices;
    SectionFigure figure;
    Allowables allowables;
    QString allowablesSource;      // where the allowable stresses come from
    QString materialsRefusal;      // why the materials kept with a check give none
    QString n;                     // the modular ratio as typed
    std::optional<UlsReport> uls;  // where the file keeps an SLU check
};

QString caseInWords(const CalcCase& calc) {
    return QString("%1 — %2").arg(toQString(sectionTypeInfo(calc.section).reportWords),
                                  toQString(operationInfo(calc.operation).reportWords));
}

// Symbol, description, the text as the window shows it (bars typed with their area: "4Ø16
// (8.042 cm²)"), its unit, and the same number in SI.
Row row(const Field& field, const std::string& text) {
    const std::optional<double> bars = typedBarsArea(field, text);
    Row r{toQString(field.symbol),
          toQString(description(field.quantity)),
          shortened(toQString(text).simplified()),
          toQString(unitText(field.unit())),
          {},
          {}};
    if (r.value.isEmpty()) {
        // Left blank by the method (a column check whose whole section is compressed): the
        // analysis gives the figure in the table of the section's equilibrium.
        if (field.role == Role::kResult) r.value = "—";
        return r;
    }
    // Bars typed with their area; a text the calculation refused to read has no number to
    // convert.
    if (bars)
        r.value += " (" + toQString(areaText(*bars, 3)) + " cm²)";
    else if (!datumRefusal(field.symbol, field.quantity, text).empty())
        return r;
    const double value = bars.value_or(readNumber(text));
    const std::optional<SiValue> si = toSi(value, field.unit());
    r.siValue = toQString(fourSignificantDigits(si ? si->value : value));
    if (si) r.siUnit = toQString(si->unit);
    return r;
}

std::optional<double> numberIn(const std::string& text) {
    if (QString::fromStdString(text).trimmed().isEmpty()) return std::nullopt;
    return readNumber(text);
}

SectionContent sectionContent(const ReportEntry& entry, const casefiles::CaseFile& file) {
    EventLog window;
    CalcFrame frame;
    const CalcCase& calc = casefiles::runCaseFile(file, frame, window);
    FieldTexts texts;
    for (int index = 0; index < kFieldCount; ++index)
        texts[index] = window.fieldText(index);

    SectionContent s;
    s.heading = caseInWords(calc);
    s.operation = calc.operation;
    s.file = shortened(entry.name);
    const QString structure = shortened(toQString(file.particulars.structure).simplified());
    s.member = (structure.isEmpty() ? QString() : "Struttura: " + structure + " — ") +
               "Sezione: " + toQString(casefiles::placeName(file.particulars.section));
    for (const Field& field : calc.inputs()) {
        s.data.push_back(row(field, texts[field.index]));
        if (field.quantity == Quantity::kModularRatio) s.n = s.data.back().value;
        if (field.quantity == Quantity::kAllowableConcreteStress)
            s.allowables.sigmaC = numberIn(texts[field.index]);
        if (field.quantity == Quantity::kAllowableSteelStress)
            s.allowables.sigmaF = numberIn(texts[field.index]);
    }
    if (calc.operation != Operation::kCheck) {
        s.allowablesSource = "dai dati del calcolo";
    } else if (file.materials) {
        s.materialsRefusal = toQString(casefiles::materialsRefusal(*file.materials));
        if (s.materialsRefusal.isEmpty())
            s.allowables = {numberIn(file.materials->sigmaCAdm),
                            numberIn(file.materials->sigmaFAdm)};
        s.allowablesSource = QString("calcestruzzo Rck %1 Kg/cmq, acciaio %2; limiti: %3")
                                 .arg(file.materials->rck)
                                 .arg(shortened(toQString(file.materials->steel)))
                                 .arg(toQString(stressLimitsInfo(file.materials->limits).citation));
    }
    for (const Event& e : window.events()) {
        if (e.kind == Event::kMessage) s.refusal = toQString(e.text);
        if (e.kind == Event::kNotice) s.notices << toQString(e.text);
    }
    if (!s.refusal.isEmpty()) return s;
    for (const Field& field : calc.results())
        s.results.push_back(row(field, texts[field.index]));
    // The bars proposed for a steel area, beside it.
    for (const SteelProposal& p : proposeForRun(calc, window))
        s.results[p.field->index - calc.results().front().index].value +=
            " → " + toQString(p.text());
    s.figure = sectionFigure(calc, texts, s.allowables);
    if (file.uls) s.uls = ulsReport(calc, texts, *file.uls);
    return s;
}

// ---- Laying out ----------------------------------------------------------------------------

// Characters of a line, beyond what any line of the report holds of visible ones: a line of
// characters without width (control characters) is measured no longer than this.
constexpr qsizetype kMostLineCharacters = 256;

constexpr int kResolution = 600;  // device units per inch
constexpr double kPageWidthMm = 210, kPageHeightMm = 297;
constexpr double kMarginMm = 20, kFooterMm = 9;

double mm(double millimetres) {
    return millimetres * kResolution / 25.4;
}

QFont font(double points, bool bold = false) {
    QFont f("Liberation Sans");
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The longest start of a word, of one character at least, no wider than `width`: doubled, then
// halved, a few measures of a line at most.
qsizetype fittingStart(QStringView word, const QFontMetricsF& fm, double width) {
    auto fits = [&](qsizetype n) { return fm.horizontalAdvance(word.left(n).toString()) <= width; };
    const qsizetype most = std::min(word.size(), kMostLineCharacters);
    qsizetype fitting = 1,
              beyond = 2;  // `fitting` fits or is 1; `beyond` does not, or is past most
    for (; beyond <= most && fits(beyond); beyond *= 2)
        fitting = beyond;
    beyond = std::min(beyond, most + 1);
    while (beyond - fitting > 1) {
        const qsizetype middle = (fitting + beyond) / 2;
        (fits(middle) ? fitting : beyond) = middle;
    }
    if (fitting > 1 && word.at(fitting - 1).isHighSurrogate()) --fitting;  // pairs stay whole
    return fitting;
}

// Lines of at most `width`, broken between words, and within a word too long for a line. No
// measure is longer than a line: time grows with the length of the text, not its square.
QStringList wrapLines(const QString& text, const QFontMetricsF& fm, double width) {
    QStringList lines;
    QString current;
    for (const QString& piece : text.split(' ', Qt::SkipEmptyParts)) {
        const QString joined = current.isEmpty() ? piece : current + ' ' + piece;
        if (joined.size() <= kMostLineCharacters && fm.horizontalAdvance(joined) <= width) {
            current = joined;
            continue;
        }
        if (!current.isEmpty()) lines << current;
        QStringView word = piece;
        while (word.size() > 1 && (word.size() > kMostLineCharacters ||
                                   fm.horizontalAdvance(word.toString()) > width)) {
            const qsizetype fit = fittingStart(word, fm, width);
            lines << word.left(fit).toString();
            word = word.mid(fit);
        }
        current = word.toString();
    }
    if (!current.isEmpty() || lines.isEmpty()) lines << current;
    return lines;
}

// Draws a line of text, setting the "⁴" that Liberation Sans lacks as a small raised 4, so
// that no other font is needed.
void drawText(QPainter& p, QPointF at, const QString& text) {
    const qsizetype power = text.indexOf(QChar(0x2074));
    if (power < 0) return p.drawText(at, text);
    const QFont normal = p.font();
    const QFontMetricsF fm(normal, p.device());
    p.drawText(at, text.left(power));
    at.rx() += fm.horizontalAdvance(text.left(power));
    QFont small = normal;
    small.setPointSizeF(normal.pointSizeF() * 0.7);
    p.setFont(small);
    p.drawText(at - QPointF(0, fm.ascent() * 0.35), "4");
    at.rx() += QFontMetricsF(small, p.device()).horizontalAdvance("4");
    p.setFont(normal);
    drawText(p, at, text.mid(power + 1));
}

using Paint = std::function<void(QPainter&, double top)>;

// Something placed whole on one page: what it paints, relative to its top.
struct Block {
    double height = 0;
    std::vector<Paint> paints;
};

struct Column {
    double widthMm;
    Qt::Alignment align = Qt::AlignLeft;
};

// Builds a block from the top down across the width of the text area.
class Composer {
  public:
    Composer(QPaintDevice& device, double left, double width)
        : device_(device), left_(left), width_(width) {}

    void paragraph(const QString& text, const QFont& f, double indentMm = 0) {
        grid({{text}}, {{(width_ - mm(indentMm)) / mm(1)}}, f, false, indentMm);
    }

    // Rows of cells, each wrapped within its column; the first row set in bold as a header
    // on a tinted ground when `header`.
    void grid(const std::vector<QStringList>& rows, const std::vector<Column>& columns,
              const QFont& f, bool header, double indentMm = 0) {
        const double pad = mm(0.9);
        for (size_t r = 0; r < rows.size(); ++r) {
            QFont cellFont = f;
            cellFont.setBold(f.bold() || (header && r == 0));
            const QFontMetricsF fm(cellFont, &device_);
            std::vector<QStringList> cells;
            qsizetype lineCount = 1;
            for (size_t c = 0; c < columns.size(); ++c) {
                const double inner = mm(columns[c].widthMm) - (columns.size() > 1 ? 2 * pad : 0);
                cells.push_back(
                    wrapLines(c < size_t(rows[r].size()) ? rows[r][c] : QString(), fm, inner));
                lineCount = std::max(lineCount, cells.back().size());
            }
            const double height = lineCount * fm.lineSpacing() + (columns.size() > 1 ? pad : 0);
            const bool tinted = header && r == 0, ruled = columns.size() > 1;
            const double y = y_, x0 = left_ + mm(indentMm), ascent = fm.ascent();
            const double lineSpacing = fm.lineSpacing(), width = width_ - mm(indentMm);
            paints_.push_back([=](QPainter& p, double top) {
                if (tinted) p.fillRect(QRectF(x0, top + y, width, height), QColor(225, 225, 225));
                if (ruled) {
                    p.setPen(QPen(QColor(160, 160, 160), mm(0.15)));
                    p.drawLine(QPointF(x0, top + y + height),
                               QPointF(x0 + width, top + y + height));
                }
                p.setPen(Qt::black);
                p.setFont(cellFont);
                const QFontMetricsF metrics(cellFont, p.device());
                double x = x0;
                for (size_t c = 0; c < columns.size(); ++c) {
                    const double inner = mm(columns[c].widthMm) - (ruled ? 2 * pad : 0);
                    const double cellLeft = x + (ruled ? pad : 0);
                    for (qsizetype l = 0; l < cells[c].size(); ++l) {
                        const double w = metrics.horizontalAdvance(cells[c][l]);
                        const double at =
                            columns[c].align & Qt::AlignRight ? cellLeft + inner - w : cellLeft;
                        drawText(p,
                                 QPointF(at, top + y + pad / 2 * ruled + ascent + l * lineSpacing),
                                 cells[c][l]);
                    }
                    x += mm(columns[c].widthMm);
                }
            });
            y_ += height;
        }
    }

    void figure(std::function<void(QPainter&, const QRectF&)> paint, double heightMm) {
        const QRectF box(left_, y_, width_, mm(heightMm));
        paints_.push_back([=](QPainter& p, double top) { paint(p, box.translated(0, top)); });
        y_ += mm(heightMm);
    }

    void rule(double thicknessMm = 0.3) {
        const double y = y_, x = left_, w = width_;
        paints_.push_back([=](QPainter& p, double top) {
            p.setPen(QPen(Qt::black, mm(thicknessMm)));
            p.drawLine(QPointF(x, top + y), QPointF(x + w, top + y));
        });
    }

    void space(double heightMm) { y_ += mm(heightMm); }
    Block take() { return {y_, std::move(paints_)}; }

  private:
    QPaintDevice& device_;
    double left_, width_, y_ = 0;
    std::vector<Paint> paints_;
};

// Symbol, description, value, unit, SI value, SI unit: 170 mm, the width of the text area.
const std::vector<Column> kValueColumns = {
    {15}, {54}, {38, Qt::AlignRight}, {17}, {26, Qt::AlignRight}, {20},
};

void valueTable(Composer& c, const QString& title, const std::vector<Row>& rows) {
    c.paragraph(title, font(10, true));
    c.space(0.8);
    std::vector<QStringList> cells = {
        {"Simbolo", "Descrizione", "Valore", "Unità", "Valore SI", "Unità SI"}};
    for (const Row& r : rows)
        cells.push_back({r.symbol, r.description, r.value, r.unit, r.siValue, r.siUnit});
    c.grid(cells, kValueColumns, font(8.5), true);
}

QString stress(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

// A figure of the analysis as a row of the value table, with its SI value.
Row analysisRow(const QString& symbol, const QString& description, double value, Unit unit) {
    const std::optional<SiValue> si = toSi(value, unit);
    return {symbol,
            description,
            stress(value),
            toQString(unitText(unit)),
            si ? toQString(fourSignificantDigits(si->value)) : QString(),
            si ? toQString(si->unit) : QString()};
}

QString ratio(const Utilisation& u) {
    return QString::number(roundToHundredths(u.ratio), 'f', 2);
}

// The equilibrium of the section as written (designs: rounded depth and steel), beside the
// method's own figures: x, the largest concrete compression, each bar's stress, and where the
// allowable stresses are known the utilisations and the verdict.
std::vector<Row> equilibriumRows(const CaseAnalysis& a, const Verdict& v) {
    const SectionState& s = a.state;
    std::vector<Row> rows;
    if (s.x && std::isfinite(*s.x))
        rows.push_back(analysisRow("x", "asse neutro dal lembo compresso", *s.x, Unit::kCm));
    rows.push_back(analysisRow("σc", "compressione del calcestruzzo", s.sigmaC, Unit::kKgPerCm2));
    for (size_t i = 0; i < a.model.steel.size(); ++i) {
        if (!(a.model.steel[i].area > 0)) continue;
        const bool tension = static_cast<int>(i) == a.tensionSteel;
        rows.push_back(analysisRow(
            tension ? "σf" : "σf'",
            tension ? "tensione in Af (compressione +)" : "tensione in Af' (compressione +)",
            s.steelStress[i], Unit::kKgPerCm2));
    }
    if (v.concrete)
        rows.push_back(
            {"uc", "utilizzo del calcestruzzo σc/σc,adm", ratio(*v.concrete), {}, {}, {}});
    if (v.steel) {
        const bool tension = v.steelLayer == a.tensionSteel;
        rows.push_back({tension ? "uf" : "uf'",
                        v.steelIsTension ? "utilizzo dell'armatura tesa σf/σf,adm"
                                         : "utilizzo della barra più sollecitata",
                        ratio(*v.steel),
                        {},
                        {},
                        {}});
    }
    if (v.verified)
        rows.push_back({"esito",
                        "tensioni ammissibili",
                        *v.verified ? "verificata" : "non verificata",
                        {},
                        {},
                        {}});
    return rows;
}

// The utilisation of one allowable stress, as a sentence, judged as printed.
QString utilisationLine(const QString& symbol, const Utilisation& u) {
    return QString("%1 = %2 Kg/cmq su %3 = %4 Kg/cmq: utilizzo %5%6")
        .arg(symbol, stress(u.stress), symbol.left(2) + ",adm", stress(u.allowable), ratio(u),
             u.exceeded ? " (oltre l'ammissibile)" : "");
}

Block sectionBlock(QPaintDevice& device, double left, double width, int number,
                   const SectionContent& s) {
    Composer c(device, left, width);
    c.rule(0.5);
    c.space(1.5);
    c.paragraph(QString("%1. %2").arg(number).arg(s.heading), font(12.5, true));
    c.paragraph((s.file.isEmpty() ? QString() : "File: " + s.file + " — ") + s.member, font(9));
    c.space(2.5);
    valueTable(c, "Dati", s.data);
    c.space(3);
    if (!s.refusal.isEmpty()) {
        c.paragraph("Calcolo non eseguito: " + s.refusal, font(10, true));
        return c.take();
    }
    valueTable(c, "Risultati", s.results);
    c.space(1.5);
    for (const QString& notice : s.notices)
        c.paragraph("Avviso del calcolo: " + notice, font(9, true));
    const SectionFigure& f = s.figure;
    // Designs write the method's figures; the section they wrote, rounded, is analysed here.
    // A check whose method left results blank has them from the analysis.
    const bool blankResults = std::any_of(s.results.begin(), s.results.end(),
                                          [](const Row& r) { return r.value == "—"; });
    const bool table = f.analysis && (s.operation != Operation::kCheck || blankResults);
    if (table) {
        c.space(1.5);
        valueTable(c,
                   s.operation == Operation::kCheck ? "Equilibrio della sezione"
                                                    : "Verifica della sezione ottenuta",
                   equilibriumRows(*f.analysis, f.verdict));
    }
    c.space(2);
    if (f.paint) c.figure(f.paint, std::clamp(f.aspect * width / mm(1), 26.0, 36.0));
    c.space(2);
    const QFont body = font(9);
    c.paragraph(toQString(f.equilibriumLine), body);
    if (!s.allowables.sigmaC || !s.allowables.sigmaF) {
        c.paragraph((s.materialsRefusal.isEmpty()
                         ? QString("Tensioni ammissibili non indicate")
                         : "Tensioni ammissibili non lette (" + s.materialsRefusal + ")") +
                        ": tensioni calcolate senza giudizio di verifica.",
                    body);
    } else {
        c.paragraph(QString("Tensioni ammissibili (%1): σc,adm = %2 Kg/cmq, σf,adm = %3 Kg/cmq.")
                        .arg(s.allowablesSource, stress(*s.allowables.sigmaC),
                             stress(*s.allowables.sigmaF)),
                    body);
        const Verdict& v = f.verdict;
        if (v.concrete && !table) c.paragraph(utilisationLine("σc", *v.concrete), body);
        if (v.steel && !table) {
            const bool compression = v.steelLayer != f.analysis->tensionSteel;
            c.paragraph(
                utilisationLine(compression ? "σf'" : "σf", *v.steel) +
                    (v.steelIsTension ? "" : " — barra più sollecitata, senza armatura tesa"),
                body);
        }
        if (v.verified) {
            c.space(1);
            c.paragraph(
                QString("Esito: SEZIONE ") + (*v.verified ? "VERIFICATA" : "NON VERIFICATA"),
                font(11, true));
        }
    }
    c.space(1.5);
    c.paragraph(QString("Metodo: tensioni ammissibili (D.M. 14/02/1992); sezione parzializzata, "
                        "calcestruzzo non reagente a trazione, sezioni piane, materiali elastici "
                        "lineari; armature omogeneizzate con il rapporto dei moduli elastici "
                        "n = %1. Unità SI con 1 Kg = 9.80665 N.")
                    .arg(s.n),
                font(8.5));
    return c.take();
}

// The SLU check of the section numbered `number`, a block of its own after it.
Block ulsBlock(QPaintDevice& device, double left, double width, int number, const UlsReport& u) {
    Composer c(device, left, width);
    c.space(2);
    c.paragraph(QString("Verifica allo stato limite ultimo (NTC 2018) — sezione %1").arg(number),
                font(11.5, true));
    c.space(1);
    if (!u.refusal.isEmpty()) {
        c.paragraph("Verifica SLU non eseguita: " + u.refusal, font(10, true));
        return c.take();
    }
    for (const QString& line : u.materials)
        c.paragraph(line, font(9));
    c.space(2);
    std::vector<Row> rows;
    for (const slu::UlsRow& r : u.rows)
        rows.push_back({r.symbol, r.description, r.value, r.unit, r.siValue, r.siUnit});
    valueTable(c, "Azioni di progetto (confermate dal progettista) e risultati", rows);
    c.space(2);
    if (u.paint) c.figure(u.paint, std::clamp(u.aspect * width / mm(1), 45.0, 80.0));
    c.space(2);
    if (!u.verdict.isEmpty()) c.paragraph("Esito: SEZIONE " + u.verdict, font(11, true));
    c.space(1.5);
    c.paragraph(kUlsMethod, font(8.5));
    return c.take();
}

QString particular(const std::string& text) {
    const QString shown = shortened(toQString(text).simplified());
    return shown.isEmpty() ? "—" : shown;
}

Block titleBlock(QPaintDevice& device, double left, double width, std::span<const ReportEntry> all,
                 const QString& date) {
    Composer c(device, left, width);
    c.paragraph("Relazione di calcolo", font(18, true));
    c.paragraph("Sezioni in cemento armato con il metodo delle tensioni ammissibili", font(11));
    c.space(3);
    c.rule(0.5);
    c.space(2);
    const casefiles::CaseFile* first = nullptr;
    for (const ReportEntry& e : all)
        if (e.calculation && !first) first = &*e.calculation;
    const casefiles::Particulars p = first ? first->particulars : casefiles::Particulars{};
    const std::vector<Column> columns = {{27}, {58}, {27}, {58}};
    c.grid({{"Proprietario", particular(p.owner), "Edificio", particular(p.building)},
            {"Indirizzo", particular(p.address), "Comune", particular(p.town)},
            {"Data", date}},
           columns, font(9.5), false);
    c.space(2);
    int reported = 0;
    for (const ReportEntry& e : all)
        reported += e.calculation.has_value();
    c.paragraph(QString("Sezioni riportate: %1").arg(reported), font(9.5));
    for (const ReportEntry& e : all)
        if (!e.calculation) c.paragraph("Non riportato: " + toQString(e.reason), font(9.5, true));
    c.space(4);
    return c.take();
}

}  // namespace

ReportEntry readReportEntry(const QString& path) {
    casefiles::ReadOutcome read = casefiles::readCaseFile(path);
    return {QFileInfo(path).fileName(), std::move(read.file), std::move(read.message)};
}

QString reportDate() {
    const QString fixed = qEnvironmentVariable("LIRVO_REPORT_DATE");
    return fixed.isEmpty() ? QDate::currentDate().toString("dd/MM/yyyy") : shortened(fixed);
}

RenderedReport renderReport(std::span<const ReportEntry> entries, const QString& date) {
    RenderedReport report;
    QBuffer buffer(&report.pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle("Relazione di calcolo");
    writer.setCreator("lirvo");

    const double left = mm(kMarginMm), width = mm(kPageWidthMm - 2 * kMarginMm);
    const double top = mm(kMarginMm), bodyHeight = mm(kPageHeightMm - 2 * kMarginMm - kFooterMm);
    std::vector<Block> blocks = {titleBlock(writer, left, width, entries, date)};
    for (const ReportEntry& entry : entries) {
        if (!entry.calculation) {
            ++report.notReported;
            continue;
        }
        const SectionContent content = sectionContent(entry, *entry.calculation);
        report.refused += !content.refusal.isEmpty();
        blocks.push_back(sectionBlock(writer, left, width, ++report.sections, content));
        if (content.uls)
            blocks.push_back(ulsBlock(writer, left, width, report.sections, *content.uls));
    }

    // Pages: a block goes whole on the current page or opens the next one; a block taller than
    // a page (only with very long texts) is drawn smaller, whole on a page of its own.
    struct Placed {
        const Block* block;
        int page;
        double y;
    };
    std::vector<Placed> placed;
    int page = 0;
    double used = 0;
    for (const Block& block : blocks) {
        if (used > 0 && used + block.height > bodyHeight) {
            ++page;
            used = 0;
        }
        placed.push_back({&block, page, used});
        used += block.height;
    }
    report.pages = page + 1;

    QPainter painter(&writer);
    for (int p = 0; p < report.pages; ++p) {
        if (p > 0) writer.newPage();
        for (const Placed& at : placed) {
            if (at.page != p) continue;
            painter.save();
            const double scale = std::min(1.0, bodyHeight / at.block->height);
            painter.translate(left, top + at.y);
            painter.scale(scale, scale);
            painter.translate(-left, 0);
            for (const Paint& paint : at.block->paints)
                paint(painter, 0);
            painter.restore();
        }
        const QFont footer = font(8);
        const QFontMetricsF fm(footer, &writer);
        const double baseline = mm(kPageHeightMm - kMarginMm) - fm.descent();
        const QString number = QString("pagina %1 di %2").arg(p + 1).arg(report.pages);
        painter.setFont(footer);
        painter.setPen(QPen(Qt::black, mm(0.2)));
        painter.drawLine(QPointF(left, baseline - fm.ascent() - mm(1.5)),
                         QPointF(left + width, baseline - fm.ascent() - mm(1.5)));
        painter.drawText(QPointF(left, baseline), "Relazione di calcolo — " + date);
        painter.drawText(QPointF(left + width - fm.horizontalAdvance(number), baseline), number);
    }
    painter.end();
    return report;
}

std::string writeReportFile(const QString& path, const QByteArray& pdf) {
    if (casefiles::saveReplacing(path, pdf)) return {};
    return "IMPOSSIBILE SCRIVERE LA RELAZIONE NEL FILE " +
           lirvo::quoted(QFileInfo(path).fileName().toStdString());
}

}  // namespace lirvo::report
