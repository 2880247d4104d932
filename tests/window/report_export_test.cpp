// "Esporta relazione PDF…" from the main window: the calculation on the window, computed
// afresh from its inputs, with the particulars typed in the print-data window.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/case_document.h"
#include "app/window_report.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

TEST_F(MainWindowTest, ExportReportsTheWindowsCalculationWithItsParticulars) {
    FixedReportDialogs dialogs;
    EXPECT_FALSE(app::windowCalculation(window()));
    EXPECT_FALSE(window().caseDocument().exportReport(dialogs));  // nothing calculated yet
    expectOneMessage("ESEGUIRE PRIMA UN CALCOLO", "lirvo", MessageStyle::kPlain);
    messages_.forget();
    choose(kTeeCheck);
    typeExample(kTeeCheck);
    compute();
    click(e().printButton.get());  // the print-data window: examples only as placeholders
    ASSERT_NE(window().printDataWindow(), nullptr);
    window().printDataWindow()->hide();
    std::optional<casefiles::CaseFile> calculation = app::windowCalculation(window());
    ASSERT_TRUE(calculation);
    EXPECT_EQ(calculation->caseName, "t-verifica");

    QTemporaryDir folder;
    dialogs.materialsAsProposed = true;
    dialogs.fileChoice = folder.filePath("t.pdf");
    ASSERT_TRUE(window().caseDocument().exportReport(dialogs));
    // Without a case file, in the user's documents, never where the program runs.
    EXPECT_EQ(*dialogs.proposedFile,
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                  .filePath("t-verifica.pdf"));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", *dialogs.fileChoice, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    // The window's own result texts; the particulars nobody typed are dashes, no examples.
    for (const Field& result : kTeeCheck.results())
        EXPECT_TRUE(text.contains(" " + this->text(result.index).trimmed() + " "))
            << result.symbol << " " << this->text(result.index).toStdString();
    EXPECT_TRUE(text.contains("Proprietario — Edificio —")) << text.left(400).toStdString();
    const report::PrintDataElements& d = window().printDataWindow()->elements();
    for (const auto& particular : d.particularFields)
        EXPECT_FALSE(text.contains(particular->placeholderText()));
    EXPECT_TRUE(text.contains("Esito: SEZIONE VERIFICATA"));
}

}  // namespace
}  // namespace lirvo::test
