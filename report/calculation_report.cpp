#include "report/calculation_report.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "report/report_sources.h"
#include "sections/event_log.h"
#include "sections/numbers.h"
#include "sections/si_units.h"
#include "ui/qt_text.h"

namespace lirvo::report {
namespace {

// ---- What a section says -------------------------------------------------------------------

struct Row {
    QString symbol, description, value, unit, siValue, siUnit;
};

struct SectionContent {
    QString heading, file;
    QString member;  // the structure and where the section lies along it
    std::vector<Row> data, results;
    QString refusal;  // the message that stopped the calculation
    QStringList notices;
    SectionFigure figure;
    Allowables allowables;
    QString allowablesSource;  // where the allowable stresses come from
    QString n;                 // the modular ratio as typed
};

QString caseInWords(const CalcCase& calc) {
    return QString("%1 — %2").arg(toQString(sectionTypeInfo(calc.section).reportWords),
                                  toQString(operationInfo(calc.operation).reportWords));
}

// Symbol, description, the text as the window shows it, its unit, and the same number in SI.
Row row(const Field& field, const std::string& text) {
    Row r{toQString(field.symbol),
          toQString(description(field.quantity)),
          toQString(text).simplified(),
          toQString(unitText(field.unit())),
          {},
          {}};
    if (r.value.isEmpty()) return r;
    const double value = readNumber(text);
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
    const CalcCase& calc = *casefiles::caseNamed(file.caseName);  // the reader checked it
    EventLog window;
    const casefiles::FieldTexts typed = casefiles::inputTexts(file, calc);
    for (int index = 0; index < kFieldCount; ++index)
        window.type(index, typed[index]);
    window.requestExample(file.example);
    CalcFrame().run(calc, window);
    FieldTexts texts;
    for (int index = 0; index < kFieldCount; ++index)
        texts[index] = window.fieldText(index);

    SectionContent s;
    s.heading = caseInWords(calc);
    s.file = entry.name;
    const QString structure = toQString(file.particulars.structure).simplified();
    s.member =
        (structure.isEmpty() ? QString() : "Struttura: " + structure + " — ") + "Sezione: " +
        (file.particulars.section == casefiles::SectionPlace::kFixedEnd ? "Incastro" : "Mezzeria");
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
        s.allowables = {numberIn(file.materials->sigmaCAdm), numberIn(file.materials->sigmaFAdm)};
        s.allowablesSource = QString("calcestruzzo Rck %1 Kg/cmq, acciaio %2")
                                 .arg(file.materials->rck)
                                 .arg(toQString(file.materials->steel));
    }
    for (const Event& e : window.events()) {
        if (e.kind == Event::kMessage) s.refusal = toQString(e.text);
        if (e.kind == Event::kNotice) s.notices << toQString(e.text);
    }
    if (!s.refusal.isEmpty()) return s;
    for (const Field& field : calc.results())
        s.results.push_back(row(field, texts[field.index]));
    s.figure = sectionFigure(calc, texts, s.allowables);
    return s;
}

// ---- Laying out ----------------------------------------------------------------------------

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

// Lines of at most `width`, broken between words, and within a word too long for a line.
QStringList wrapLines(const QString& text, const QFontMetricsF& fm, double width) {
    QStringList lines;
    QString current;
    for (QString word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString joined = current.isEmpty() ? word : current + ' ' + word;
        if (fm.horizontalAdvance(joined) <= width) {
            current = joined;
            continue;
        }
        if (!current.isEmpty()) lines << current;
        while (fm.horizontalAdvance(word) > width && word.size() > 1) {
            qsizetype fit = 1;
            while (fit < word.size() && fm.horizontalAdvance(word.left(fit + 1)) <= width)
                ++fit;
            lines << word.left(fit);
            word = word.mid(fit);
        }
        current = word;
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

// Utilisations are judged as printed, to hundredths: a design's areas are rounded to
// 0.01 cmq, which may leave its steel a few parts in ten thousand above the allowable stress.
double hundredths(double ratio) {
    return std::round(ratio * 100) / 100;
}

// The utilisation of one allowable stress, as a sentence.
QString utilisation(const char* symbol, double sigma, double allowable, double ratio) {
    return QString("%1 = %2 Kg/cmq su %1,adm = %3 Kg/cmq: utilizzo %4")
        .arg(symbol, stress(sigma), stress(allowable), QString::number(hundredths(ratio), 'f', 2));
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
    c.space(2);
    if (s.figure.paint)
        c.figure(s.figure.paint, std::clamp(s.figure.aspect * width / mm(1), 30.0, 56.0));
    c.space(2);
    const QFont body = font(9);
    c.paragraph(toQString(s.figure.equilibriumLine), body);
    if (!s.allowables.sigmaC || !s.allowables.sigmaF) {
        c.paragraph(
            "Tensioni ammissibili non indicate: tensioni calcolate senza giudizio di "
            "verifica.",
            body);
    } else {
        c.paragraph(QString("Tensioni ammissibili (%1): σc,adm = %2 Kg/cmq, σf,adm = %3 Kg/cmq.")
                        .arg(s.allowablesSource, stress(*s.allowables.sigmaC),
                             stress(*s.allowables.sigmaF)),
                    body);
        const SectionFigure& f = s.figure;
        if (f.utilisationC && f.utilisationF) {
            c.paragraph(utilisation("σc", f.sigmaC, *s.allowables.sigmaC, *f.utilisationC), body);
            c.paragraph(utilisation("σf", f.sigmaF, *s.allowables.sigmaF, *f.utilisationF), body);
            const bool holds = hundredths(*f.utilisationC) <= 1 && hundredths(*f.utilisationF) <= 1;
            c.space(1);
            c.paragraph(QString("Esito: SEZIONE ") + (holds ? "VERIFICATA" : "NON VERIFICATA"),
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

QString particular(const std::string& text) {
    const QString shown = toQString(text).simplified();
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
    return fixed.isEmpty() ? QDate::currentDate().toString("dd/MM/yyyy") : fixed;
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
    // QSaveFile would put a regular file in place of a pipe or a device. A write that fails
    // while the buffer is flushed is caught before commit(); without a commit the temporary
    // file is removed and whatever stood at the path stays.
    const QFileInfo existing(path);
    QSaveFile out(path);
    if ((!existing.exists() || existing.isFile()) && out.open(QIODevice::WriteOnly) &&
        out.write(pdf) == pdf.size() && out.flush() && out.commit())
        return {};
    return "IMPOSSIBILE SCRIVERE LA RELAZIONE NEL FILE " + QFileInfo(path).fileName().toStdString();
}

}  // namespace lirvo::report
