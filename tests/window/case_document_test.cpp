// The menu bar and the case files of the window: opening and saving through fixed dialogs, the
// modified mark and the question, recent files, the command line and drops.
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "app/case_document.h"
#include "app/menu_bar.h"
#include "app/start.h"
#include "sections/rect_check.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

using ui::Answer;

const QString kExamples = LIRVO_EXAMPLES_DIR;
const QString kTitle = "CALCOLO DI LIRVO E PILASTRI";

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// What the user sees of a menu: each entry without its mnemonic, and its shortcut.
QStringList entries(const QMenu* menu) {
    QStringList list;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            list << (a->text().remove('&') + " " + a->shortcut().toString()).trimmed();
    return list;
}

QAction* entry(const QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text().remove('&') == text) return a;
    ADD_FAILURE() << "no entry " << text.toStdString();
    return new QAction(menu->parent());
}

class CaseDocumentTest : public MainWindowTest {
  protected:
    app::CaseDocument& doc() { return window().caseDocument(); }
    void file(const QString& text) { entry(window().menuBar().fileMenu(), text)->trigger(); }
    void open(const QString& path) {
        caseFiles_.toOpen = path;
        file("Apri…");
    }
    void saveAs(const QString& path) {
        caseFiles_.toSave = path;
        file("Salva con nome…");
    }
    QString sample(const char* name) { return kExamples + "/" + name + ".lirvo"; }
    // A copy of a sample in the test's folder, to change and save.
    QString copy(const char* name, const QString& as) {
        const QString path = folder_.filePath(as);
        put(path, bytes(sample(name)));
        return path;
    }
    QStringList fieldTexts() {
        QStringList texts;
        for (const auto& field : e().fields.valueFields)
            texts << field->text();
        return texts;
    }
    // A drag of the file over `target`, dropped there if it was accepted.
    bool drop(QWidget* target, const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QCoreApplication::processEvents();
        return true;
    }

    QTemporaryDir folder_;
};

TEST_F(CaseDocumentTest, MenusHoldTheCommandsWithTheirShortcuts) {
    app::MenuBar& bar = window().menuBar();
    EXPECT_EQ(entries(bar.fileMenu()),
              QStringList({"Nuovo", "Apri… Ctrl+O", "Salva Ctrl+S", "Salva con nome… Ctrl+Shift+S",
                           "Stampa…", "Esporta relazione PDF… Ctrl+E", "Esci"}));
    EXPECT_EQ(entries(bar.helpMenu()), QStringList({"Guida", "Informazioni su lirvo"}));
    EXPECT_EQ(entries(bar.calculationMenu()),
              QStringList({"Verifica con le barre proposte",
                           "Annulla verifica con le barre proposte", "Verifica SLU… Ctrl+U"}));
    EXPECT_EQ(bar.actions()[0]->text(), "&File");
    EXPECT_EQ(bar.actions()[1]->text(), "&Calcolo");
    EXPECT_EQ(bar.actions()[2]->text(), "&Aiuto");

    entry(bar.helpMenu(), "Guida")->trigger();
    EXPECT_TRUE(e().helpBox.visible());
    file("Stampa…");  // nothing calculated: nothing to print, as the button says
    EXPECT_EQ(window().printDataWindow(), nullptr);
    expectOneMessage("ESEGUIRE PRIMA UN CALCOLO", "lirvo", MessageStyle::kPlain);
    messages_.forget();
    entry(bar.helpMenu(), "Informazioni su lirvo")->trigger();
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].title, "Informazioni su lirvo");
    for (const char* part : {"lirvo " LIRVO_VERSION "\n", "Unità di misura: CM e Kg", "Licenza: "})
        EXPECT_NE(messages_.shown()[0].prompt.find(part), std::string::npos) << part;

    file("Nuovo");  // the window loaded anew keeps its layout below the bar
    EXPECT_FALSE(e().helpBox.visible());
    EXPECT_EQ(e().surface->geometry(), QRect(0, bar.height(), 819, 691));
    EXPECT_EQ(window().height(), 691 + bar.height());
}

// The samples hold the results lirvo-calc wrote for each worked example: saving what the window
// computed on opening gives the same bytes, and so does saving the saved file reopened.
TEST_F(CaseDocumentTest, OpensEachSampleAsItsWorkedExampleAndSavesTheSameBytes) {
    const QStringList names = QDir(kExamples).entryList({"*.lirvo"});
    ASSERT_EQ(names.size(), 9);  // a worked example of each case, and a column with its SLU check
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const casefiles::ReadOutcome sample = casefiles::readCaseFile(kExamples + "/" + name);
        ASSERT_TRUE(sample.file) << sample.message;
        const CalcCase& calc = *casefiles::caseNamed(sample.file->caseName);
        open(kExamples + "/" + name);
        EXPECT_TRUE(e().sectionOption(static_cast<int>(calc.section))->isChecked());
        EXPECT_TRUE(e().operationOption(static_cast<int>(calc.operation))->isChecked());
        EXPECT_TRUE(e().exampleBox->isChecked());
        EXPECT_TRUE(messages_.shown().empty());
        EXPECT_EQ(window().windowTitle(), kTitle + " — " + name);
        const QString saved = folder_.filePath(name);
        saveAs(saved);
        EXPECT_EQ(bytes(saved), bytes(kExamples + "/" + name));
        open(saved);
        file("Salva");
        EXPECT_EQ(bytes(saved), bytes(kExamples + "/" + name));
    }
}

// A file refused, for any reason the reader gives, leaves the window as it was: one box with
// the reader's message, which names the file.
TEST_F(CaseDocumentTest, RefusedFileLeavesTheWindowAsItWas) {
    const QByteArray good = bytes(sample("rett-verifica"));
    const std::pair<const char*, std::optional<QByteArray>> files[] = {
        {"troncato.lirvo", good.left(60)},
        {"testo.lirvo", "non un calcolo"},
        {"caso.lirvo", QByteArray(good).replace("rett-verifica", "rett-nulla")},
        {"numero.lirvo", QByteArray(good).replace("\"25\"", "25")},
        {"vuoto.lirvo", ""},
        {"cartella.lirvo", std::nullopt},  // a folder, made below
        {"mancante.lirvo", std::nullopt},
    };
    QDir(folder_.path()).mkdir("cartella.lirvo");
    open(sample("t-verifica"));
    const QStringList texts = fieldTexts();
    for (const auto& [name, text] : files) {
        SCOPED_TRACE(name);
        const QString path = folder_.filePath(name);
        if (text) put(path, *text);
        messages_.forget();
        open(path);
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].prompt, casefiles::readCaseFile(path).message);
        EXPECT_NE(messages_.shown()[0].prompt.find(name), std::string::npos);
        EXPECT_EQ(fieldTexts(), texts);
        EXPECT_EQ(window().windowTitle(), kTitle + " — t-verifica.lirvo");
        EXPECT_EQ(window().calculationCode(), kTeeCheck.code);
    }
}

// Every case with its first datum missing: the file gives the boxes typing gives.
TEST_F(CaseDocumentTest, FileWithADatumMissingShowsWhatTypingShows) {
    for (const CalcCase* calc : allCases()) {
        SCOPED_TRACE(calc->name);
        casefiles::CaseFile kept;
        kept.caseName = calc->name;
        for (const Field& f : calc->inputs().subspan(1))
            kept.inputs[std::string(f.symbol)] = f.example;
        const QString path = folder_.filePath("manca.lirvo");
        ASSERT_EQ(casefiles::writeCaseFile(path, kept), "");
        click(e().clearButton.get());
        choose(*calc);
        typeExample(*calc);
        e().fields.valueFields[calc->inputs()[0].index]->clear();
        const auto prompts = [&] {
            std::vector<std::string> list;
            for (const auto& shown : messages_.shown())
                list.push_back(shown.prompt);
            messages_.forget();
            return list;
        };
        prompts();
        compute();
        const std::vector<std::string> typed = prompts();
        EXPECT_TRUE(doc().openFile(path));
        EXPECT_EQ(prompts(), typed);
        EXPECT_FALSE(typed.empty());
    }
}

TEST_F(CaseDocumentTest, ChangesToWhatTheFileKeepsMarkTheTitle) {
    const std::function<void()> changes[] = {
        [&] { type(rect_check::kB, "30"); },
        [&] { clickOption(e().operationOption(2)); },
        [&] { clickOption(e().exampleBox.get()); },
        [&] { QTest::keyClicks(window().printData().elements().particularFields[0].get(), "x"); },
    };
    messages_.answer = Answer::kNo;  // each round lets the change of the last go
    for (const auto& change : changes) {
        open(sample("rett-verifica"));
        compute();  // the results written anew are not a change
        EXPECT_EQ(window().windowTitle(), kTitle + " — rett-verifica.lirvo");
        change();
        EXPECT_EQ(window().windowTitle(), kTitle + " — rett-verifica.lirvo *");
        EXPECT_TRUE(doc().isModified());
    }
}

// Each way of letting a changed file go asks; Sì saves and goes on, No goes on, Annulla stays.
TEST_F(CaseDocumentTest, LettingAChangedFileGoAsksFirst) {
    const auto closed = [&] { return !window().isVisible(); };
    const auto noFile = [&] { return doc().path().isEmpty(); };
    const struct {
        const char* command;
        std::function<void()> run;
        std::function<bool()> wentOn;
    } commands[] = {
        {"Nuovo", [&] { file("Nuovo"); }, noFile},
        {"Azzera", [&] { click(e().clearButton.get()); }, noFile},
        {"Apri", [&] { file("Apri…"); }, [&] { return caseFiles_.opens == 2; }},
        {"Esci", [&] { file("Esci"); }, closed},
        {"Fine", [&] { click(e().quitButton.get()); }, closed},
        {"close", [&] { window().close(); }, closed},
    };
    for (const auto& command : commands) {
        for (const Answer answer : {Answer::kYes, Answer::kNo, Answer::kCancel}) {
            SCOPED_TRACE(std::string(command.command) + " " + std::to_string(int(answer)));
            window().show();
            caseFiles_.opens = 0;
            const QString path = copy("rett-verifica", "trave-101.lirvo");
            messages_.answer = Answer::kNo;  // the change left by the last round
            open(path);
            type(rect_check::kB, "30");
            messages_.forget();
            messages_.answer = answer;
            caseFiles_.toOpen = std::nullopt;
            command.run();
            EXPECT_EQ(messages_.asked(), std::vector<std::string>{"Salvare le modifiche a "
                                                                  "trave-101.lirvo?"});
            EXPECT_EQ(command.wentOn(), answer != Answer::kCancel);
            EXPECT_EQ(bytes(path).contains("\"B\": \"30\""), answer == Answer::kYes);
            if (answer == Answer::kCancel) {
                EXPECT_EQ(window().windowTitle(), kTitle + " — trave-101.lirvo *");
            }
        }
    }
}

TEST_F(CaseDocumentTest, WindowWithoutAFileNeverAsks) {
    choose(kRectangularCheck);
    typeExample(kRectangularCheck);
    click(e().clearButton.get());
    EXPECT_FALSE(e().option[0]->isChecked());
    file("Apri…");
    EXPECT_EQ(caseFiles_.opens, 1);
    file("Esci");
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(messages_.asked().empty());
    EXPECT_EQ(window().windowTitle(), kTitle);
}

TEST_F(CaseDocumentTest, SaveAsksWhereForANewCalculationAndRefusesWithoutOne) {
    file("Salva");
    EXPECT_EQ(caseFiles_.saves, 0);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].prompt, "SCEGLIERE SEZIONE E OPERAZIONE PRIMA DI SALVARE");

    // The dialogs start beside the window's file, else where the last one chose, else in the
    // user's documents; never in the folder the program runs in.
    choose(kTeeCheck);
    file("Salva");  // cancelled
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(caseFiles_.lastProposed, documents.filePath("t-verifica.lirvo"));
    EXPECT_EQ(window().windowTitle(), kTitle);
    caseFiles_.toSave = folder_.filePath("nuova.lirvo");
    file("Salva");
    EXPECT_EQ(caseFiles_.saves, 2);
    EXPECT_TRUE(casefiles::readCaseFile(folder_.filePath("nuova.lirvo")).file);
    EXPECT_EQ(window().windowTitle(), kTitle + " — nuova.lirvo");
    EXPECT_EQ(doc().dialogFolder(), QDir(folder_.path()).absolutePath());
    click(e().clearButton.get());
    caseFiles_.toOpen.reset();
    file("Apri…");
    EXPECT_EQ(caseFiles_.lastFolder, QDir(folder_.path()).absolutePath());
    open(sample("rett-verifica"));
    EXPECT_EQ(doc().dialogFolder(), QDir(kExamples).absolutePath());
}

// A file keeps no results that its data do not give; a file opened whose results its data no
// longer give says so, and the window shows them computed again.
TEST_F(CaseDocumentTest, StaleResultsAreNotSavedAndForeignOnesAreToldOnOpening) {
    using namespace rect_check;
    open(sample("rett-verifica"));
    type(kB, "30");  // the results turn grey
    const QString path = folder_.filePath("trave.lirvo");
    saveAs(path);
    std::optional<casefiles::CaseFile> saved = casefiles::readCaseFile(path).file;
    ASSERT_TRUE(saved);
    EXPECT_FALSE(bytes(path).contains("risultati"));
    EXPECT_EQ(saved->inputs.at("B"), "30");
    EXPECT_EQ(window().toolTip(), "");

    compute();
    file("Salva");
    saved = casefiles::readCaseFile(path).file;
    EXPECT_EQ(saved->results.at("J"), text(kJ).toStdString());
    saved->results["J"] = " 1";  // not what the data give
    ASSERT_EQ(casefiles::writeCaseFile(path, *saved), "");
    open(path);
    EXPECT_NE(text(kJ), " 1");
    EXPECT_TRUE(window().toolTip().contains("non corrispondono"))
        << window().toolTip().toStdString();
    file("Salva");
    EXPECT_EQ(window().toolTip(), "");
}

// Particulars and materials come back from a file before "Stampa" has ever been pressed.
TEST_F(CaseDocumentTest, ParticularsComeBackAndGoOutAgain) {
    casefiles::CaseFile kept;
    kept.caseName = "pil-verifica";
    kept.example = true;
    kept.particulars = {"Anna Rossi", "Scuola",      "Via Roma 1",
                        "Terni",      "Pilastro P3", casefiles::SectionPlace::kMidSpan};
    kept.materials = casefiles::Materials{250, "FeB44k", "85", "2600"};
    const QString path = folder_.filePath("p3.lirvo");
    ASSERT_EQ(casefiles::writeCaseFile(path, kept), "");
    ASSERT_EQ(window().printDataWindow(), nullptr);
    ASSERT_TRUE(doc().openFile(path));
    EXPECT_EQ(window().printData().particulars(), kept.particulars);
    const QString again = folder_.filePath("p3-bis.lirvo");
    saveAs(again);
    const auto reread = casefiles::readCaseFile(again).file;
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->particulars, kept.particulars);
    EXPECT_EQ(reread->materials, kept.materials);
}

TEST_F(CaseDocumentTest, RecentFilesListTheLastSixNewestFirst) {
    QStringList paths;
    for (int i = 1; i <= 7; ++i) {
        paths.prepend(copy("rett-verifica", QString("trave-%1.lirvo").arg(i)));
        open(paths.first());
    }
    paths.removeLast();
    EXPECT_EQ(app::RecentFiles().paths(), paths);  // kept for the next run
    const QList<QAction*>& recent = window().menuBar().recentFileActions();
    ASSERT_EQ(recent.size(), 6);
    EXPECT_EQ(recent[0]->text(), "&1 trave-7.lirvo");
    recent[5]->trigger();
    EXPECT_EQ(doc().path(), paths[5]);
    EXPECT_EQ(window().menuBar().recentFileActions()[0]->text(), "&1 trave-2.lirvo");
}

TEST_F(CaseDocumentTest, CommandLineOpensTheFileItNames) {
    app::openArguments(window(), {"lirvo"});
    EXPECT_EQ(window().windowTitle(), kTitle);
    app::openArguments(window(), {"lirvo", sample("rett-progetto")});
    EXPECT_EQ(window().windowTitle(), kTitle + " — rett-progetto.lirvo");
    EXPECT_EQ(window().calculationCode(), kRectangularDesign.code);
}

// On the window or on a value field; a file of another kind is refused without a word.
TEST_F(CaseDocumentTest, DroppedCaseFileOpens) {
    const QString text = folder_.filePath("nota.txt");
    put(text, "25");
    EXPECT_FALSE(drop(&window(), text));
    EXPECT_FALSE(drop(e().fields.valueFields[2].get(), text));
    EXPECT_TRUE(drop(&window(), sample("t-progetto")));
    EXPECT_EQ(window().windowTitle(), kTitle + " — t-progetto.lirvo");
    EXPECT_TRUE(drop(e().fields.valueFields[2].get(), sample("pil-verifica")));
    EXPECT_EQ(window().windowTitle(), kTitle + " — pil-verifica.lirvo");
    EXPECT_TRUE(messages_.shown().empty());
}

}  // namespace
}  // namespace lirvo::test
