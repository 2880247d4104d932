// The calculation report read back as text with pdftotext: each worked example's data and
// results whole and in their rows with SI values converted by hand, the verdicts, a building
// of eight files with a damaged one through `lirvo --relazione`, text within the margins, and
// the export of the window with its dialogs answered by a test double.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

#include "report/calculation_report.h"
#include "report/export_report.h"
#include "tests/fakes/platform_fakes.h"

namespace lirvo::report {
namespace {

const QString kExamples = LIRVO_EXAMPLES_DIR;

// pdftotext of the PDF bytes, laid out (a table row on one line) or as word boxes.
QString pdfToText(const QByteArray& pdf, const QStringList& options = {"-layout"}) {
    QProcess tool;
    tool.start(LIRVO_PDFTOTEXT, options + QStringList{"-", "-"});
    tool.write(pdf);
    tool.closeWriteChannel();
    EXPECT_TRUE(tool.waitForFinished(20000) && tool.exitCode() == 0) << "pdftotext failed";
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QByteArray reportOf(const casefiles::CaseFile& file, const QString& name = "caso.lirvo") {
    const ReportEntry entry{name, file, {}};
    return renderReport({&entry, 1}, "01/01/2025").pdf;
}

// A line of the table whose first word is the symbol and that holds every text as a word.
bool rowHolds(const QString& text, const QString& symbol, const QStringList& words) {
    for (const QString& line : text.split('\n')) {
        const QStringList got = line.split(' ', Qt::SkipEmptyParts);
        if (!got.isEmpty() && got[0] == symbol &&
            std::all_of(words.begin(), words.end(), [&](auto& w) { return got.contains(w); }))
            return true;
    }
    return false;
}

struct ExampleRow {
    const char* file;
    const char* heading;
    const char* verdict;  // nullptr: a check without materials gives none
    // Symbol, value as written, SI value and unit, converted by hand.
    std::vector<std::array<const char*, 4>> si;
};

// 1 kg = 9.80665 N; kg·cm → kN·m divides by 1e5; kg/cm² → N/mm² divides by 100.
// clang-format off
const ExampleRow kExampleRows[] = {
    // N: -25000 * 9.80665 = -245166 N; Af 7.95 cm² * 100 = 795 mm².
    {"pil-semiprogetto", "Pilastro a pressoflessione — semiprogetto", "SEZIONE VERIFICATA",
     {{"N", "-25000", "-245200", "N"}, {"Af", "7.95", "795.0", "mm²"}}},
    // σc 27.2988552729028 * 0.0980665 = 2.6771; M 150000 * 9.80665 / 1e5 = 14.71.
    {"pil-verifica", "Pilastro a pressoflessione — verifica", nullptr,
     {{"σc", "27.2988552729028", "2.677", "N/mm²"}, {"M", "150000", "14.71", "kN·m"}}},
    // σf 1400 * 0.0980665 = 137.29; J 246267 cm⁴ * 1e4 = 2.46267e9 mm⁴.
    {"rett-progetto", "Trave rettangolare — progetto", "SEZIONE VERIFICATA",
     {{"σf", "1400", "137.3", "N/mm²"}, {"J", "246267", "2.463e+09", "mm4"}}},
    // Af 7.94981224895351 * 100 = 794.98; M 680000 * 9.80665 / 1e5 = 66.685.
    {"rett-semiprogetto", "Trave rettangolare — semiprogetto", "SEZIONE VERIFICATA",
     {{"Af", "7.94981224895351", "795.0", "mm²"}, {"M", "680000", "66.69", "kN·m"}}},
    // M 1e6 * 9.80665 / 1e5 = 98.0665; σf 1757.04558 * 0.0980665 = 172.307; h 77 cm = 770 mm.
    {"rett-verifica", "Trave rettangolare — verifica", nullptr,
     {{"M", "1000000", "98.07", "kN·m"}, {"σf", "1757.04558063677", "172.3", "N/mm²"},
      {"h", "77", "770.0", "mm"}}},
    // Af 34.79 cm² = 3479 mm²; σc 50 * 0.0980665 = 4.9033.
    {"t-progetto", "Trave a T o L — progetto", "SEZIONE VERIFICATA",
     {{"Af", "34.79", "3479", "mm²"}, {"σc", "50", "4.903", "N/mm²"}}},
    // M 2400000 * 9.80665 / 1e5 = 235.36; J 1142803 * 1e4 = 1.142803e10.
    {"t-semiprogetto", "Trave a T o L — semiprogetto", "SEZIONE VERIFICATA",
     {{"M", "2400000", "235.4", "kN·m"}, {"J", "1142803", "1.143e+10", "mm4"}}},
    // σf 2064 * 0.0980665 = 202.41; B 120 cm = 1200 mm.
    {"t-verifica", "Trave a T o L — verifica", nullptr,
     {{"σf", "2064", "202.4", "N/mm²"}, {"B", "120", "1200", "mm"}}},
};
// clang-format on

// The column check's example is wholly compressed: the method leaves X, σf, J, H blank; the
// report writes "—" there and gives the equilibrium's figures in a table of their own.
TEST(CalculationReport, ResultsTheMethodLeavesBlankComeFromTheEquilibrium) {
    const ReportEntry entry = readReportEntry(kExamples + "/pil-verifica.lirvo");
    ASSERT_TRUE(entry.calculation);
    const QString text = pdfToText(reportOf(*entry.calculation));
    for (const char* symbol : {"X", "σf", "J", "H"})
        EXPECT_TRUE(rowHolds(text, symbol, {"—"})) << symbol;
    EXPECT_TRUE(text.contains("Equilibrio della sezione"));
    EXPECT_TRUE(rowHolds(text, "x", {"59.06", "cm"}));
}

TEST(CalculationReport, HoldsEveryDatumAndResultOfEachWorkedExampleWithItsSiValue) {
    for (const ExampleRow& row : kExampleRows) {
        SCOPED_TRACE(row.file);
        const ReportEntry entry = readReportEntry(kExamples + "/" + row.file + ".lirvo");
        ASSERT_TRUE(entry.calculation) << entry.reason;
        const QString text = pdfToText(reportOf(*entry.calculation));
        EXPECT_TRUE(text.contains(QString("1. ") + row.heading));
        // The file's texts were written by the window when it was saved (checked against the
        // worked examples by ExampleFile.*); the report computes them afresh.
        for (const auto* texts : {&entry.calculation->inputs, &entry.calculation->results})
            for (const auto& [symbol, value] : *texts)
                if (!QString::fromStdString(value).trimmed().isEmpty()) {
                    EXPECT_TRUE(rowHolds(text, QString::fromStdString(symbol),
                                         {QString::fromStdString(value).trimmed()}))
                        << symbol << " " << value;
                }
        for (const auto& [symbol, value, si, unit] : row.si)
            EXPECT_TRUE(rowHolds(text, symbol, {value, si, unit})) << symbol << " " << si;
        EXPECT_EQ(text.contains("VERIFICATA"), row.verdict != nullptr);
        if (row.verdict) {
            EXPECT_TRUE(text.contains(QString("Esito: ") + row.verdict));
        }
        // Designs: the section they wrote, analysed, under the method's figures.
        EXPECT_EQ(text.contains("Verifica della sezione ottenuta"), row.verdict != nullptr);
        EXPECT_TRUE(text.contains("pagina 1 di 1"));
    }
}

// The column kept with its SLU check (existing building, LC2): a block of its own after the
// allowable-stress one. lirvo-calc --uls fcm=200,fym=3200,lc=2,ned=35000,med=210000
// pil-verifica --example prints M_Rd 1827122.93 kg cm = 179.2 kN·m (x 9.80665 / 1e5) and
// utilisation 0.1149; fcd = 200 / 1.20 = 166.67.
TEST(CalculationReport, SluBlockFollowsTheSectionWithTheCheckItsFileKeeps) {
    const struct {
        UlsKey key;
        const char* text;
        std::vector<const char*> expected;
    } rows[] = {
        {UlsKey::kMed,
         "210000",
         {"fcd = fcm/FC = 200/1.20 = 166.67 Kg/cmq", "utilizzo M_Ed/M_Rd 0.115",
          "Esito: SEZIONE VERIFICATA ALLO SLU", "Metodo: stato limite ultimo"}},
        {UlsKey::kMed, "-2000000", {"Esito: SEZIONE NON VERIFICATA ALLO SLU"}},
        {UlsKey::kFym, "3.200,5", {"Verifica SLU non eseguita: fym: \"3.200,5\" non è un numero"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        casefiles::CaseFile file =
            *readReportEntry(kExamples + "/pil-verifica-slu.lirvo").calculation;
        (*file.uls)[size_t(row.key)] = row.text;
        const QString text = pdfToText(reportOf(file));
        const qsizetype block =
            text.indexOf("Verifica allo stato limite ultimo (NTC 2018) — sezione 1");
        EXPECT_GT(block, text.indexOf("Metodo: tensioni ammissibili"));
        for (const char* expected : row.expected)
            EXPECT_TRUE(text.simplified().contains(expected)) << expected;
        if (row.key == UlsKey::kMed && row.text[0] != '-') {
            EXPECT_TRUE(rowHolds(text, "M_Rd", {"1827123", "179.2", "kN·m"}));
        }
    }
}

// A check gives a verdict only with the allowable stresses stated in its materials.
TEST(CalculationReport, JudgesACheckByTheAllowableStressesOfItsMaterials) {
    struct Row {
        casefiles::Materials materials;
        std::vector<const char*> expected;
    };
    // rett-verifica: σc 57.4809 / 85 = 0.676, σf 1757.05 / 2600 = 0.676, / 1200 = 1.464.
    const Row rows[] = {
        {{250, "FeB44k", "85", "2600"},
         {"utilizzo 0.68", "Rck 250 Kg/cmq, acciaio FeB44k", "Esito: SEZIONE VERIFICATA"}},
        {{250, "FeB22k", "85", "1200"}, {"utilizzo 1.46", "Esito: SEZIONE NON VERIFICATA"}},
        // NTC 2018 characteristic: σc,adm 0.60 · 207.5 = 124.5, σs,adm 0.80 · 4400 = 3520;
        // 57.4809 / 124.5 = 0.46, 1757.05 / 3520 = 0.50.
        {{250, "FeB44k", "124.5", "3520", StressLimits::kNtcCharacteristic},
         {"limiti: NTC 2018 §4.1.2.2.5, combinazione caratteristica: σc ≤ 0.60·fck, σs ≤ "
          "0.80·fyk",
          "utilizzo 0.46", "utilizzo 0.50", "Esito: SEZIONE VERIFICATA"}},
        {{250, "FeB44k", "", ""}, {"Tensioni ammissibili non indicate"}},
        // Read by the calculations' rules: "85,5" is not 85.
        {{250, "FeB44k", "85,5", "2600"},
         {"Tensioni ammissibili non lette (DATO NON LEGGIBILE: σc,adm = 85,5 (IL SEPARATORE "
          "DECIMALE È IL PUNTO))"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.materials.steel + " " + row.materials.sigmaFAdm);
        casefiles::CaseFile file = *readReportEntry(kExamples + "/rett-verifica.lirvo").calculation;
        file.materials = row.materials;
        const QString text = pdfToText(reportOf(file)).simplified();
        for (const char* expected : row.expected)
            EXPECT_TRUE(text.contains(expected)) << expected;
        // A verdict wherever both stresses are given and read.
        EXPECT_EQ(
            text.contains("VERIFICATA"),
            !row.materials.sigmaCAdm.empty() && casefiles::materialsRefusal(row.materials).empty());
    }
}

// A case file may hold a megabyte in one text: the report prints what a page holds of it, with
// "…", and its time does not grow with the square of the length (174 000 control characters
// took four minutes, 40 000 CJK characters 26 s).
TEST(CalculationReport, CutsLongTextsToAPageInTimeBoundedByTheirLength) {
    casefiles::CaseFile file = *readReportEntry(kExamples + "/rett-verifica.lirvo").calculation;
    const QString cjk = QString(40000, QChar(0x6F22));  // 漢
    for (const std::string& owner : {std::string(174000, '\x01'), cjk.toStdString()}) {
        file.particulars.owner = owner;
        file.particulars.structure = owner;
        QElapsedTimer clock;
        clock.start();
        const QString text = pdfToText(reportOf(file)).remove(QRegularExpression("\\s"));
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(text.count("…"), 2) << "owner and structure, each cut once";
        EXPECT_EQ(text.count(QChar(0x6F22)), owner[0] == 1 ? 0 : 2 * 400);
    }
}

class ReportCommand : public testing::Test {
  protected:
    // Runs `lirvo --relazione` with the arguments; the standard output is kept.
    int run(const QStringList& arguments) {
        QProcess lirvo;
        lirvo.start(LIRVO_BINARY, QStringList{"--relazione"} + arguments);
        EXPECT_TRUE(lirvo.waitForFinished(30000));
        output = lirvo.readAllStandardOutput();
        return lirvo.exitStatus() == QProcess::NormalExit ? lirvo.exitCode() : -1;
    }
    QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList examples() {
        QStringList files;
        for (const ExampleRow& row : kExampleRows)
            files << kExamples + "/" + row.file + ".lirvo";
        return files;
    }
    QTemporaryDir dir;
    QByteArray output;
};

// Eight files of a building and a damaged one among them: the eight reported, each section on
// one page whole, page numbers right, the damaged one listed on page 1, exit status 1.
TEST_F(ReportCommand, ReportsEveryReadableFileAndListsTheOthers) {
    const QString damaged = dir.filePath("rotto.lirvo"), out = dir.filePath("edificio.pdf");
    QFile broken(damaged);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(R"({"formato": "lirvo-caso", "versione": 1, "caso": "rett-ver)");
    broken.close();
    QStringList files = examples();
    files.insert(3, damaged);
    ASSERT_EQ(run(QStringList{out} + files), 1);
    const QStringList pages = pdfToText(contents(out)).split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 8);
    EXPECT_TRUE(pages[0].contains("Non riportato: IL FILE rotto.lirvo È DANNEGGIATO"));
    EXPECT_TRUE(pages[0].contains("Sezioni riportate: 8"));
    int sections = 0;
    for (int i = 0; i < pages.size(); ++i) {
        const QRegularExpression heading(R"(^ *(\d)\. (Trave|Pilastro))",
                                         QRegularExpression::MultilineOption);
        int headings = 0;
        for (auto m = heading.globalMatch(pages[i]); m.hasNext(); ++headings)
            EXPECT_EQ(m.next().captured(1).toInt(), ++sections);
        // A section ends with its method: as many on the page as headings, none broken.
        EXPECT_EQ(pages[i].count("Metodo: tensioni ammissibili"), headings) << "page " << i + 1;
        EXPECT_TRUE(pages[i].contains(QString("pagina %1 di %2").arg(i + 1).arg(pages.size())));
    }
    EXPECT_EQ(sections, 8);
}

// Word boxes in points: the margins are 20 mm = 56.69 pt on every side.
TEST_F(ReportCommand, KeepsEveryWordWithinTheMarginsEvenOfLongTexts) {
    casefiles::CaseFile file = *readReportEntry(kExamples + "/t-verifica.lirvo").calculation;
    file.particulars.owner = std::string(300, 'W') + " e figli";
    file.particulars.structure = "Trave di bordo " + std::string(40, '-') + " campata lunga";
    file.inputs["M"] = "3500000" + std::string(60, '0') + "E-60";
    const QString longFile = dir.filePath("lungo.lirvo"), out = dir.filePath("margini.pdf");
    ASSERT_EQ(casefiles::writeCaseFile(longFile, file), "");
    ASSERT_EQ(run(QStringList{out, longFile} + examples()), 0);
    const QString boxes = pdfToText(contents(out), {"-bbox"});
    const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re");
    const auto size = page.match(boxes);
    ASSERT_TRUE(size.hasMatch());
    const double margin = 56.69 - 0.5, width = size.captured(1).toDouble(),
                 height = size.captured(2).toDouble();
    int words = 0;
    for (auto m = word.globalMatch(boxes); m.hasNext(); ++words) {
        const auto w = m.next();
        EXPECT_TRUE(w.captured(1).toDouble() >= margin && w.captured(2).toDouble() >= margin &&
                    w.captured(3).toDouble() <= width - margin &&
                    w.captured(4).toDouble() <= height - margin)
            << w.captured(5).toStdString() << " at " << w.captured(0).toStdString();
    }
    EXPECT_GT(words, 1000);
}

// The output is never one of the inputs, whatever its name: the same path, another suffix, a
// symbolic link to it.
TEST_F(ReportCommand, NeverWritesOverAnInputEvenWithForce) {
    const QString input = dir.filePath("trave.json"), link = dir.filePath("relazione.pdf");
    ASSERT_TRUE(QFile::copy(examples()[4], input));
    ASSERT_TRUE(QFile::link(input, link));
    const QByteArray kept = contents(input);
    for (const QString& out : {input, link, dir.path() + "/./trave.json"})
        EXPECT_EQ(run({"--force", out, input}), 2) << out.toStdString();
    EXPECT_EQ(contents(input), kept);
}

// A reader that closes standard output early: the failed write's status 2, not a death by
// SIGPIPE (141). Three times the eight examples pass the pipe's 64 KiB.
TEST_F(ReportCommand, AClosedPipeIsAFailedWrite) {
    const QString script =
        "\"$0\" --relazione - \"$@\" \"$@\" \"$@\" 2>/dev/null | "
        "head -c 100 >/dev/null; echo \"${PIPESTATUS[0]}\"";
    QProcess shell;
    shell.start("bash", QStringList{"-c", script, LIRVO_BINARY} + examples());
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.readAllStandardOutput(), "2\n");
}

TEST_F(ReportCommand, ReplacesAnExistingFileOnlyWithForceAndWritesToStandardOutput) {
    const QString out = dir.filePath("relazione.pdf"), one = examples()[4];
    QFile existing(out);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly) && existing.write("earlier") == 7);
    existing.close();
    EXPECT_EQ(run({out, one}), 2);
    EXPECT_EQ(contents(out), "earlier");
    EXPECT_EQ(run({"--force", out, one}), 0);
    EXPECT_TRUE(contents(out).startsWith("%PDF-"));
    EXPECT_EQ(run({"-", one}), 0);
    EXPECT_TRUE(pdfToText(output).contains("Trave rettangolare — verifica"));
}

// The window's export: a check asks for its materials (Rck 250: 60 + 100/4 = 85 kg/cm²,
// FeB44k 2600), the file proposed beside the case file, an existing one replaced only when
// the user agrees, and the materials kept in the case file.
TEST_F(ReportCommand, ExportAsksForMaterialsAndBeforeReplacingAndKeepsThemInTheCaseFile) {
    const QString caseFile = dir.filePath("trave.lirvo"), out = dir.filePath("scelto.pdf");
    ASSERT_TRUE(QFile::copy(examples()[4], caseFile));
    casefiles::CaseFile calculation = *readReportEntry(caseFile).calculation;
    test::FixedReportDialogs dialogs;
    test::MessageRecorder messages;
    dialogs.materialsAsProposed = true;
    dialogs.fileChoice = out;
    ASSERT_TRUE(exportReportDialog(nullptr, calculation, caseFile, dir.path(), dialogs, messages));
    const casefiles::Materials proposed{250, "FeB44k", "85", "2600"};
    EXPECT_EQ(dialogs.proposedMaterials, proposed);
    EXPECT_EQ(dialogs.proposedFile, dir.filePath("trave.pdf"));
    EXPECT_EQ(dialogs.replaceQuestions, 0);
    EXPECT_TRUE(pdfToText(contents(out)).contains("Esito: SEZIONE VERIFICATA"));
    EXPECT_EQ(readReportEntry(caseFile).calculation->materials, proposed);

    dialogs.materialsAsProposed = false;
    dialogs.materialsChoice = casefiles::Materials{250, "FeB22k", "85", "1200"};
    const QByteArray first = contents(out);
    EXPECT_FALSE(exportReportDialog(nullptr, calculation, caseFile, dir.path(), dialogs, messages));
    EXPECT_EQ(dialogs.replaceQuestions, 1);
    EXPECT_EQ(contents(out), first);
    EXPECT_EQ(readReportEntry(caseFile).calculation->materials, proposed);
    dialogs.replace = true;
    ASSERT_TRUE(exportReportDialog(nullptr, calculation, caseFile, dir.path(), dialogs, messages));
    EXPECT_TRUE(pdfToText(contents(out)).contains("Esito: SEZIONE NON VERIFICATA"));
    EXPECT_EQ(readReportEntry(caseFile).calculation->materials, dialogs.materialsChoice);

    // A stress the calculations would not read as typed writes nothing.
    dialogs.materialsChoice = casefiles::Materials{250, "FeB44k", "85,5", "2600"};
    messages.forget();
    EXPECT_FALSE(exportReportDialog(nullptr, calculation, caseFile, dir.path(), dialogs, messages));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].prompt,
              "DATO NON LEGGIBILE: σc,adm = 85,5 (IL SEPARATORE DECIMALE È IL PUNTO)");
    EXPECT_TRUE(pdfToText(contents(out)).contains("Esito: SEZIONE NON VERIFICATA"));
    dialogs.materialsChoice = casefiles::Materials{250, "FeB22k", "85", "1200"};

    // A calculation from the window knows no materials: its case file's are proposed.
    calculation.materials.reset();
    dialogs.materialsAsProposed = true;
    ASSERT_TRUE(exportReportDialog(nullptr, calculation, caseFile, dir.path(), dialogs, messages));
    EXPECT_EQ(dialogs.proposedMaterials, dialogs.materialsChoice);

    // A design takes its allowable stresses from its data: no materials asked.
    casefiles::CaseFile design = *readReportEntry(examples()[2]).calculation;
    dialogs.proposedMaterials.reset();
    ASSERT_TRUE(exportReportDialog(nullptr, design, {}, dir.path(), dialogs, messages));
    EXPECT_FALSE(dialogs.proposedMaterials);
}

}  // namespace
}  // namespace lirvo::report

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
