// "Stampa": the print-data window, and the report printed from the main window, through a PDF
// file standing in for the printer.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "app/case_document.h"
#include "report/report_printing.h"
#include "sections/rect_design.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

const QColor kWindowColour(255, 224, 192);
const QColor kWhite(255, 255, 255);

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) return "(" + program + " did not finish)";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text as pdftotext reads it, blank runs made single and ligatures ("ﬁ") spelt out.
QString pdfText(const QString& path) {
    return run("pdftotext", {"-layout", path, "-"})
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

int pdfPages(const QString& path) {
    for (const QString& line : run("pdfinfo", {path}).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

class ReportTest : public MainWindowTest {
  protected:
    ReportTest() { printer_.path = folder_.filePath("pagina.pdf"); }

    report::PrintDataWindow* printData() { return window().printDataWindow(); }
    const report::PrintDataElements& d() { return printData()->elements(); }

    void runRectangularCheckExample() {
        choose(kRectangularCheck);
        clickOption(e().exampleBox.get());
        compute();
    }
    void stampa() { click(e().printButton.get()); }
    void ok() { click(d().okButton.get()); }
    void fine() { click(d().closeButton.get()); }
    void typeParticular(int i, const QString& s) {
        d().particularFields[i]->clear();
        QTest::keyClicks(d().particularFields[i].get(), s);
    }

    // The window as before printing: its ground, the heading put away, the example box back.
    void expectNormalLook(bool exampleTicked) {
        EXPECT_EQ(e().surface->background(), kWindowColour);
        EXPECT_FALSE(e().printHeading.visible());
        EXPECT_TRUE(e().exampleBox.visible());
        EXPECT_EQ(e().exampleBox->isChecked(), exampleTicked);
        for (const ui::Placed* frame :
             {&e().sectionTypeFrame, &e().operationFrame, &e().schematicFrame, &e().printHeading})
            EXPECT_EQ(frame->background(), kWindowColour);
        for (const auto& option : e().option)
            EXPECT_EQ(option.background(), kWindowColour);
        for (const auto& caption : e().fields.captions)
            EXPECT_EQ(caption.background(), kWindowColour);
    }

    QTemporaryDir folder_;
};

TEST_F(ReportTest, StampaBeforeAnySuccessfulCalculationAsksForOne) {
    stampa();
    choose(kRectangularCheck);
    compute();  // every field empty: stopped on a missing datum
    stampa();
    ASSERT_EQ(messages_.shown().size(), 3u);
    for (size_t i : {0u, 2u}) {
        EXPECT_EQ(messages_.shown()[i].prompt, "ESEGUIRE PRIMA UN CALCOLO");
        EXPECT_EQ(messages_.shown()[i].style, MessageStyle::kPlain);
        EXPECT_EQ(messages_.shown()[i].title, "lirvo");
    }
    EXPECT_EQ(printData(), nullptr);
    EXPECT_EQ(printer_.jobs, 0);
}

// Whatever makes the window differ from its last successful run greys the results, which stay
// editable, and keeps "Stampa" from printing them; typing the data and computing again prints.
TEST_F(ReportTest, StaleResultsAreGreyAndNotPrintedUntilANewRun) {
    using namespace rect_check;
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"input edited", [&] { type(kB, "30"); }},
        {"result typed over", [&] { type(kSigmaF, " 1700"); }},
        {"run refused, text put back", [&] { type(kH, "7 7,0"), compute(), type(kH, "77"); }},
        {"another case and back", [&] { choose(kRectangularDesign), choose(kRectangularCheck); }},
    };
    choose(kRectangularCheck);
    for (const auto& [change, make] : changes) {
        SCOPED_TRACE(change);
        typeExample(kRectangularCheck);
        compute();
        const QColor black = e().fields.valueFields[kJ]->palette().color(QPalette::Text);
        make();
        messages_.forget();
        stampa();
        expectOneMessage("I RISULTATI NON CORRISPONDONO AI DATI: RIPETERE IL CALCOLO", "lirvo",
                         MessageStyle::kPlain);
        EXPECT_EQ(printData(), nullptr);
        EXPECT_NE(e().fields.valueFields[kX]->palette().color(QPalette::Text), black);
        EXPECT_EQ(e().fields.valueFields[kB]->palette().color(QPalette::Text), black);
        EXPECT_FALSE(e().fields.valueFields[kX]->isReadOnly());
    }
    typeExample(kRectangularCheck);
    compute();
    EXPECT_EQ(e().fields.valueFields[kX]->palette().color(QPalette::Text),
              e().fields.valueFields[kB]->palette().color(QPalette::Text));
    stampa();
    ok();
    EXPECT_EQ(printer_.jobs, 1);
}

// Every worked example printed on the smallest screen and the usual one, under long
// particulars: each heading line shows whole inside its frame, and the PDF text holds every
// result text whole.
TEST_F(ReportTest, ThePageHoldsEveryTextWhole) {
    for (QSize size : {QSize(800, 600), QSize(1024, 768)}) {
        reopenOn(size.width(), size.height());
        for (const CalcCase* calc : allCases()) {
            SCOPED_TRACE(std::string(calc->name) + " at " + std::to_string(size.width()));
            choose(*calc);
            if (!e().exampleBox->isChecked()) clickOption(e().exampleBox.get());
            compute();
            stampa();
            typeParticular(1, "Civile abitazione con uffici e autorimessa");
            printer_.atPrint = [&] {
                const int bottom = e().printHeading->contentsRect().bottom() + 1;
                for (int k = 0; k < 6; ++k) {
                    const QLabel* line = e().headingLines[k].get();
                    EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()),
                              line->contentsRect().width());
                    EXPECT_LE(line->y() + line->fontMetrics().height(), bottom);
                    if (k < 3) {
                        EXPECT_LT(line->geometry().right(), e().headingLines[k + 3]->x());
                    }
                }
            };
            ok();
            fine();
            const QString page = pdfText(printer_.path);
            for (const Field& result : calc->results())
                EXPECT_TRUE(page.contains(text(result.index).trimmed())) << result.symbol;
        }
    }
}

// The particulars are the user's alone: the window shows examples grey in its empty fields.
TEST_F(ReportTest, AfterACheckOpensModallyWithExamplesOnlyAsPlaceholders) {
    runRectangularCheckExample();
    stampa();
    ASSERT_NE(printData(), nullptr);
    EXPECT_TRUE(printData()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), printData());
    EXPECT_EQ(printData()->windowTitle(), "INTRODUCI I DATI PER LA STAMPA");
    const char* captions[7] = {
        "Proprietario", "Edificio", "Indirizzo", "Comune", "Descrizione della struttura",
        "Calcolo di",   "Sezione"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(d().rowCaptions[i]->text(), captions[i]);
    EXPECT_EQ(d().sectionCaption->text(), "Trave Rettangolare");
    EXPECT_EQ(d().particularFields[1]->placeholderText(), "Civile abitazione");
    EXPECT_EQ(d().particularFields[4]->placeholderText(), "Trave tra murature");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(d().particularFields[i]->text(), "") << "particular " << i;
        EXPECT_FALSE(d().particularFields[i]->placeholderText().isEmpty()) << "particular " << i;
    }
    EXPECT_EQ(printData()->particulars(), casefiles::Particulars{});
    ASSERT_EQ(d().sectionPlaceList->count(), 2);
    EXPECT_EQ(d().sectionPlaceList->itemText(0), "Incastro");
    EXPECT_EQ(d().sectionPlaceList->itemText(1), "Mezzeria");
    EXPECT_EQ(d().sectionPlaceList->currentIndex(), 0);
    EXPECT_EQ(d().okButton->text(), "OK");
    EXPECT_EQ(d().closeButton->text(), "Fine");
    EXPECT_TRUE(messages_.shown().empty());
}

// Window 0.7 of the screen (10752 × 8064 twips); rows 0.08 H apart below 0.1 H.
TEST_F(ReportTest, PrintDataGeometryFollowsTheScreenInTwips) {
    runRectangularCheckExample();
    stampa();
    const ui::Placed& w = printData()->placement();
    EXPECT_EQ(w.widthTwips(), 10752.0f);
    EXPECT_EQ(w.heightTwips(), 8064.0f);
    EXPECT_EQ(w.leftTwips(), 2304.0f);
    EXPECT_EQ(w.topTwips(), 1728.0f);
    EXPECT_FLOAT_EQ(d().rowCaptions[0].topTwips(), 1451.52f);       // "Proprietario" at 0.18 H
    EXPECT_FLOAT_EQ(d().particularFields[0].topTwips(), 1401.52f);  // its field 50 twips higher
    EXPECT_FLOAT_EQ(d().rowCaptions[4].topTwips(), 4032.0f);        // 0.5 H
    EXPECT_FLOAT_EQ(d().rowCaptions[5].topTwips(), 806.4f);         // "Calcolo di" heads the window
    EXPECT_FLOAT_EQ(d().sectionCaption.topTwips(), 756.4f);
    EXPECT_FLOAT_EQ(d().rowCaptions[6].topTwips(), 5322.24f);    // "Sezione" at 0.66 H
    EXPECT_FLOAT_EQ(d().sectionPlaceList.topTwips(), 5252.24f);  // 70 twips above its caption
    EXPECT_FLOAT_EQ(d().sectionPlaceList.leftTwips(), 3763.2f);
    EXPECT_FLOAT_EQ(d().sectionPlaceList.widthTwips(), 2688.0f);
    EXPECT_FLOAT_EQ(d().rowCaptions[3].widthTwips(), 3225.6f);
    EXPECT_EQ(d().rowCaptions[3].heightTwips(), 300.0f);
    EXPECT_EQ(d().rowCaptions[3]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_FLOAT_EQ(d().particularFields[3].widthTwips(), 5913.6f);
    EXPECT_FLOAT_EQ(d().sectionCaption.widthTwips(), 5376.0f);
    EXPECT_EQ(d().sectionCaption.heightTwips(), 350.0f);
    EXPECT_FLOAT_EQ(d().closeButton.leftTwips(), 3225.6f);
    EXPECT_FLOAT_EQ(d().okButton.leftTwips(), 6988.8f);
    EXPECT_FLOAT_EQ(d().okButton.topTwips(), 6451.2f);
    EXPECT_EQ(d().okButton.widthTwips(), 1000.0f);
    EXPECT_EQ(d().okButton.heightTwips(), 600.0f);
    EXPECT_EQ(d().particularFields[2]->font().pointSize(), 14);
    EXPECT_EQ(d().sectionPlaceList->font().pointSize(), 12);
}

TEST_F(ReportTest, EditedTextsAndSelectionSurviveFineAndANewStampa) {
    runRectangularCheckExample();
    stampa();
    report::PrintDataWindow* first = printData();
    typeParticular(0, "Ing. Anna Verdi");
    typeParticular(3, "");
    d().sectionPlaceList->setCurrentIndex(1);
    fine();
    EXPECT_FALSE(printData()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the main window takes input again";

    click(e().clearButton.get());  // does not touch the print-data window
    runRectangularCheckExample();
    stampa();
    EXPECT_EQ(printData(), first);
    EXPECT_EQ(d().particularFields[0]->text(), "Ing. Anna Verdi");
    EXPECT_EQ(d().particularFields[3]->text(), "");
    EXPECT_EQ(d().sectionPlaceList->currentText(), "Mezzeria");
}

TEST_F(ReportTest, EscapePutsTheWindowAwayAsFineDoes) {
    runRectangularCheckExample();
    stampa();
    QTest::keyClick(d().particularFields[2].get(), Qt::Key_Escape);
    EXPECT_FALSE(printData()->isVisible());
    EXPECT_EQ(printer_.jobs, 0);
}

TEST_F(ReportTest, SectionCaptionFollowsTheLastCalculationAtEveryOpening) {
    runRectangularCheckExample();
    stampa();
    EXPECT_EQ(d().sectionCaption->text(), "Trave Rettangolare");
    fine();
    choose(kTeeDesign);  // T or L design, example box still ticked
    compute();
    stampa();
    EXPECT_EQ(d().sectionCaption->text(), "Trave A T o L");
    fine();
    choose(kColumnSemiDesign);  // column semi-design, code 9
    compute();
    ASSERT_EQ(window().calculationCode(), 9);
    stampa();
    EXPECT_EQ(d().sectionCaption->text(), "PilastrO");
}

TEST_F(ReportTest, HeadingLinesAreTheirPrefixesAndTheParticularsAsTyped) {
    casefiles::Particulars p = {
        "Rossi",      "Civile abitazione",  " Via Roma 1 ",
        "Terni (TR)", "Trave tra murature", casefiles::SectionPlace::kFixedEnd};
    const std::array<QString, 6> lines = report::headingTexts(p, SectionType::kTee);
    EXPECT_EQ(lines[0], "Edificio per: Civile abitazione");
    EXPECT_EQ(lines[1], "Ubicazione :   Via Roma 1 ");  // no trimming
    EXPECT_EQ(lines[2], "Proprietario: Rossi");
    EXPECT_EQ(lines[3], "Comune di :   Terni (TR)");
    EXPECT_EQ(lines[4], "Trave :       Trave tra murature");
    EXPECT_EQ(lines[5], "Sezione :     Incastro");
    p = {};
    p.section = casefiles::SectionPlace::kMidSpan;
    const std::array<QString, 6> column = report::headingTexts(p, SectionType::kColumn);
    EXPECT_EQ(column[2], "Proprietario: ");
    EXPECT_EQ(column[4], "Pilastro :    ");  // a column is no beam
    EXPECT_EQ(column[5], "Sezione :     Mezzeria");
}

TEST_F(ReportTest, OkPrintsOnePageHeadedByTheParticularsThenRestoresTheWindow) {
    runRectangularCheckExample();
    stampa();
    d().sectionPlaceList->setCurrentIndex(1);
    typeParticular(1, "Civile abitazione");
    typeParticular(4, "Trave tra murature");
    // The page as printed: white ground, heading shown, example box hidden.
    bool lookedAtPage = false;
    printer_.atPrint = [&] {
        lookedAtPage = true;
        EXPECT_EQ(e().surface->background(), kWhite);
        EXPECT_TRUE(e().printHeading.visible());
        EXPECT_FALSE(e().exampleBox.visible());
        EXPECT_EQ(e().schematicFrame.background(), kWhite);
        EXPECT_EQ(e().option[5].background(), kWhite);
        EXPECT_EQ(e().fields.captions[23].background(), kWhite);
        EXPECT_EQ(e().unitsLabel.background(), kWindowColour) << "keeps its own colour";
        EXPECT_EQ(e().headingLines[2]->text(), "Proprietario: ");
        EXPECT_EQ(e().headingLines[5]->text(), "Sezione :     Mezzeria");
    };
    ok();
    EXPECT_TRUE(lookedAtPage);
    expectOneMessage("VAI ALLA STAMPA", "lirvo", MessageStyle::kPlain);
    EXPECT_TRUE(printData()->isVisible()) << "the print-data window stays open";

    ASSERT_EQ(pdfPages(printer_.path), 1);
    const QString page = pdfText(printer_.path);
    for (const char* line : {"Edificio per: Civile abitazione", "Trave : Trave tra murature",
                             "Sezione : Mezzeria", "Comune di :", "Ubicazione :"})
        EXPECT_TRUE(page.contains(line)) << line << "\nin: " << page.toStdString();
    for (const char* shown : {"330209", "Momento flettente(Kgcm) M", "RISULTATI:"})
        EXPECT_TRUE(page.contains(shown)) << shown;
    for (const QString& placeholder :
         {d().particularFields[0]->placeholderText(),
          d().particularFields[2]->placeholderText()})  // owner, address
        EXPECT_FALSE(page.contains(placeholder)) << placeholder.toStdString();
    EXPECT_FALSE(page.contains("Esegui l'Esempio"));

    expectNormalLook(true);
    EXPECT_EQ(e().headingLines[0]->text(), "Edificio per: Civile abitazione")
        << "kept for next time";
    EXPECT_EQ(text(rect_check::kJ), " 330209");
    EXPECT_EQ(window().calculationCode(), 1);
}

TEST_F(ReportTest, ASecondReportPrintsTheSamePage) {
    choose(kRectangularCheck);
    typeExample(kRectangularCheck);  // the example box stays unticked through printing
    compute();
    stampa();
    ok();
    const QString first = pdfText(printer_.path);
    printer_.path = folder_.filePath("seconda.pdf");
    ok();
    EXPECT_EQ(printer_.jobs, 2);
    EXPECT_EQ(pdfText(printer_.path), first);
    expectNormalLook(false);
}

TEST_F(ReportTest, AColumnNoticeIsOnThePage) {
    choose(kColumnSemiDesign);
    clickOption(e().exampleBox.get());
    compute();
    ASSERT_EQ(e().surface->drawnTexts().size(), 1u);
    stampa();
    ok();
    EXPECT_TRUE(pdfText(printer_.path).contains("SEZIONE TUTTA TESA X=INFINITO"));
    EXPECT_EQ(e().surface->drawnTexts().size(), 1u);
}

TEST_F(ReportTest, PrintingAfterAzzeraUsesTheNewElements) {
    runRectangularCheckExample();
    stampa();
    fine();
    click(e().clearButton.get());
    QApplication::processEvents();  // the old elements are gone now
    runRectangularCheckExample();
    stampa();
    ok();
    EXPECT_EQ(pdfPages(printer_.path), 1);
    EXPECT_EQ(e().headingLines[0]->text(), "Edificio per: ");  // nothing typed, nothing printed
    expectNormalLook(true);
}

TEST_F(ReportTest, WithoutAPrinterThePageCanBeSavedAsPdf) {
    printer_.available = false;
    saveDialogs_.choice = folder_.filePath("salvata.pdf");
    runRectangularCheckExample();
    stampa();
    typeParticular(1, "Civile abitazione");
    ok();
    ASSERT_EQ(messages_.shown().size(), 3u);
    EXPECT_EQ(messages_.shown()[1].prompt,
              "NESSUNA STAMPANTE DISPONIBILE: LA PAGINA PUO' ESSERE SALVATA COME FILE PDF");
    EXPECT_EQ(messages_.shown()[1].style, MessageStyle::kWarning);
    EXPECT_EQ(
        messages_.shown()[2].prompt,
        "PAGINA SALVATA NEL FILE " + QDir::toNativeSeparators(*saveDialogs_.choice).toStdString());
    // Without a case file or a folder chosen before, in the user's documents; never where the
    // program runs.
    ASSERT_TRUE(saveDialogs_.lastProposed);
    EXPECT_EQ(QFileInfo(*saveDialogs_.lastProposed).absolutePath(),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_TRUE(saveDialogs_.lastProposed->endsWith(".pdf"));
    EXPECT_EQ(window().caseDocument().dialogFolder(), QDir(folder_.path()).absolutePath());
    EXPECT_EQ(pdfPages(*saveDialogs_.choice), 1);
    EXPECT_TRUE(pdfText(*saveDialogs_.choice).contains("Edificio per: Civile abitazione"));
    expectNormalLook(true);
}

TEST_F(ReportTest, WithoutAPrinterCancellingTheSaveStillRestoresTheWindow) {
    printer_.available = false;
    runRectangularCheckExample();
    stampa();
    ok();
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.shown()[1].style, MessageStyle::kWarning);
    EXPECT_FALSE(QFileInfo::exists(printer_.path));
    expectNormalLook(true);
}

TEST_F(ReportTest, AFailedJobIsReportedAndTheWindowRestored) {
    printer_.path = folder_.filePath("no-such-folder/pagina.pdf");
    runRectangularCheckExample();
    stampa();
    ok();
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.shown()[1].prompt, "STAMPA NON RIUSCITA");
    EXPECT_EQ(messages_.shown()[1].style, MessageStyle::kWarning);
    expectNormalLook(true);

    // No printer, and the file chosen cannot be written.
    messages_.forget();
    printer_.available = false;
    saveDialogs_.choice = folder_.filePath("no-such-folder/salvata.pdf");
    ok();
    ASSERT_EQ(messages_.shown().size(), 3u);
    EXPECT_EQ(messages_.shown()[2].prompt.rfind("IMPOSSIBILE SCRIVERE IL FILE ", 0), 0u);
    expectNormalLook(true);
}

}  // namespace
}  // namespace lirvo::test
