// The SLU window opened from "Calcolo" on the worked examples: the numbers lirvo-calc --uls
// prints for the same texts, the refusals of its data, and its texts kept in the case file.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <map>
#include <sstream>

#include "app/case_document.h"
#include "app/menu_bar.h"
#include "app/uls_command.h"
#include "slu/uls_figure.h"
#include "slu/uls_window.h"
#include "tests/cli_command.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

using enum UlsKey;

// The ULS lines of lirvo-calc by their key: the fields after it, as texts.
std::multimap<std::string, std::vector<std::string>> ulsLines(const std::string& out) {
    std::multimap<std::string, std::vector<std::string>> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            fields.push_back(cell);
        if (fields.size() >= 3 && fields[0] == "ULS")
            lines.emplace(fields[1], std::vector<std::string>(fields.begin() + 2, fields.end()));
    }
    return lines;
}

double number(const std::multimap<std::string, std::vector<std::string>>& lines,
              const std::string& key) {
    const auto it = lines.find(key);
    return it == lines.end() ? std::nan("") : std::stod(it->second[0]);
}

const Field& moment(const CalcCase& calc) {
    for (const Field& field : calc.inputs())
        if (field.quantity == Quantity::kMoment) return field;
    throw std::logic_error("a case without M");
}

class UlsWindowTest : public MainWindowTest {
  protected:
    app::MenuBar& bar() { return window().menuBar(); }
    slu::UlsWindow& uls() {
        bar().ulsAction()->trigger();
        return *bar().ulsCommand().ulsWindow();
    }
    void runExample(const CalcCase& calc) {
        choose(calc);
        if (!e().exampleBox->isChecked()) clickOption(e().exampleBox.get());
        compute();
    }
    // The window's texts as a SPEC of lirvo-calc --uls.
    static std::string spec(const UlsTexts& texts) {
        std::string spec;
        for (size_t k = 0; k < texts.size(); ++k)
            if (texts[k])
                spec += (spec.empty() ? "" : ",") + std::string(kUlsKeys[k]) + "=" + *texts[k];
        return spec;
    }
};

TEST_F(UlsWindowTest, CalcolaMenuOffersTheCheckOnlyOnCurrentResults) {
    ASSERT_EQ(bar().actions()[1]->text(), "&Calcolo");
    EXPECT_EQ(bar().ulsAction()->text().remove('&'), "Verifica SLU…");
    EXPECT_EQ(bar().ulsAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    EXPECT_FALSE(bar().ulsAction()->isEnabled());  // nothing calculated yet
    runExample(*allCases()[0]);
    EXPECT_TRUE(bar().ulsAction()->isEnabled());
    slu::UlsWindow& w = uls();
    ASSERT_TRUE(w.verify());
    type(2, "26");  // an input edited: the results are stale, and so is the section checked
    EXPECT_FALSE(bar().ulsAction()->isEnabled());
    EXPECT_FALSE(w.verify());
    EXPECT_EQ(w.results()->rowCount(), 0);
    EXPECT_TRUE(w.refusal()->text().startsWith("I risultati del calcolo non corrispondono"));
}

// Each worked example with Rck 250 and FeB44k, its M and N as the actions (existing building
// for the columns): the window shows what lirvo-calc --uls prints for the same texts, to the
// last digit, and the verdict it prints.
TEST_F(UlsWindowTest, WindowComputesWhatLirvoCalcPrintsForTheWorkedExamples) {
    for (const CalcCase* calc : allCases()) {
        SCOPED_TRACE(std::string(calc->name));
        runExample(*calc);
        slu::UlsWindow& w = uls();
        // The actions proposed are the calculation's M and N, as typed in the example.
        if (calc->section == SectionType::kColumn) {
            w.existingBuilding()->setChecked(true);
            w.field(kFcm)->setText("180");
            w.field(kFym)->setText("3200");
            w.knowledgeLevel()->setCurrentIndex(1);
        } else {
            EXPECT_EQ(w.field(kMed)->text(), QString::fromUtf8(moment(*calc).example.data()));
        }
        ASSERT_TRUE(w.verify()) << w.refusal()->text().toStdString();
        const std::string name(calc->name);
        const cli::Result printed = cli::command({"--uls", spec(w.texts()), name, "--example"});
        ASSERT_EQ(printed.status, 0) << printed.err;
        const auto lines = ulsLines(printed.out);
        const drawing::UlsPicture& p = *w.figure().picture();
        ASSERT_TRUE(p.check.ultimate);
        EXPECT_EQ(p.check.ultimate->M, number(lines, "M_Rd"));
        EXPECT_EQ(p.check.ultimate->x, number(lines, "x"));
        EXPECT_EQ(p.check.ultimate->strainTop, number(lines, "eps_top"));
        EXPECT_EQ(*p.check.utilisation, number(lines, "utilisation"));
        EXPECT_EQ(p.strengths.fcd, number(lines, "fcd"));
        const bool verified = lines.find("verdict")->second[0] == "verificata";
        EXPECT_EQ(w.verdict()->text(),
                  verified ? "VERIFICATA ALLO SLU" : "NON VERIFICATA ALLO SLU");
        EXPECT_EQ(p.domain.empty(), calc->section != SectionType::kColumn);
        EXPECT_GT(w.results()->rowCount(), 8);
        w.close();
    }
}

// A datum missing or unreadable is named and nothing is computed: no rows, no figure, no
// verdict, nothing for the case file.
TEST_F(UlsWindowTest, RefusesAMissingOrUnreadableDatumNamingIt) {
    const struct {
        bool existing;
        UlsKey key;
        const char* text;
        const char* refusal;
    } rows[] = {
        {false, kRck, "", "rck: manca il valore"},
        {false, kRck, "8,04", "rck: \"8,04\" non è un numero"},
        {false, kGc, "-1.5", "gc: deve essere positivo, non \"-1.5\""},
        {false, kMed, "1.500.000", "med: \"1.500.000\" non è un numero"},
        {false, kNed, "", "ned: manca il valore"},
        {true, kFcm, "", "fcm: manca il valore"},
        {true, kFym, "3200x", "fym: \"3200x\" non è un numero"},
    };
    runExample(*findCase("pil-verifica"));  // pil-verifica
    slu::UlsWindow& w = uls();
    ASSERT_TRUE(w.verify());
    const bool modifiedBefore = window().caseDocument().isModified();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal);
        (row.existing ? w.existingBuilding() : w.newConstruction())->setChecked(true);
        w.field(kFcm)->setText("180");
        w.field(kFym)->setText("3200");
        const QString before = w.field(row.key)->text();
        w.field(row.key)->setText(row.text);
        EXPECT_FALSE(w.verify());
        EXPECT_EQ(w.refusal()->text(), QString("Dato mancante o rifiutato — ") + row.refusal);
        EXPECT_EQ(w.results()->rowCount(), 0);
        EXPECT_FALSE(w.figure().picture());
        EXPECT_EQ(w.verdict()->text(), "");
        w.field(row.key)->setText(before);
    }
    EXPECT_EQ(window().caseDocument().isModified(), modifiedBefore);
}

// The texts of a check go into the case file and come back with it; another calculation on
// the window gets its own M and N proposed, the materials stay.
TEST_F(UlsWindowTest, CheckIsKeptInTheCaseFileWithItsActions) {
    QTemporaryDir folder;
    const QString path = folder.filePath("pilastro.lirvo");
    runExample(*findCase("pil-verifica"));
    slu::UlsWindow& w = uls();
    w.concreteKind()->setCurrentIndex(1);  // fck
    w.field(kFck)->setText("200");
    w.field(kMed)->setText("210000");  // 1.4 M: a design action
    ASSERT_TRUE(w.verify());
    caseFiles_.toSave = path;
    ASSERT_TRUE(window().caseDocument().saveAs());
    const casefiles::ReadOutcome read = casefiles::readCaseFile(path);
    ASSERT_TRUE(read.file && read.file->uls) << read.message;
    EXPECT_EQ((*read.file->uls)[size_t(kFck)], "200");
    EXPECT_EQ((*read.file->uls)[size_t(kMed)], "210000");
    EXPECT_FALSE((*read.file->uls)[size_t(kRck)]);

    w.close();
    window().caseDocument().newCalculation();
    ASSERT_TRUE(window().caseDocument().openFile(path));
    slu::UlsWindow& reopened = uls();
    EXPECT_EQ(reopened.concreteKind()->currentText(), "fck");
    EXPECT_EQ(reopened.field(kMed)->text(), "210000");
    EXPECT_TRUE(reopened.verify());

    clickOption(e().exampleBox.get());  // the example's texts typed by hand, M changed
    typeExample(*findCase("pil-verifica"));
    type(moment(*findCase("pil-verifica")).index, "180000");  // a calculation of its own
    compute();
    slu::UlsWindow& other = uls();
    EXPECT_EQ(other.field(kMed)->text(), "180000");
    EXPECT_EQ(other.field(kFck)->text(), "200");
}

}  // namespace
}  // namespace lirvo::test
