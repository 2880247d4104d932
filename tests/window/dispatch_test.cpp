// From clicks to calculations: the section schematic, the dispatcher's messages and a typical
// run of every case by clicks.
#include <QDir>

#include <algorithm>

#include "sections/cases.h"
#include "sections/column_check.h"
#include "sections/event_log.h"
#include "sections/rect_design.h"
#include "sections/tee_design.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

TEST_F(MainWindowTest, SectionTypeShowsItsPictureInTheSchematicFrame) {
    clickOption(e().sectionOption(0));
    EXPECT_TRUE(e().schematicFrame.visible());
    EXPECT_TRUE(e().unitsLabel.visible());
    EXPECT_EQ(e().schematicFrame->title(), "Schema");
    EXPECT_FALSE(e().sectionPicture->picture().isNull()) << "ret1_ver.jpg beside the tests";
    const QImage beam = e().sectionPicture->picture();
    const ui::TwipRect beamFrame = e().schematicFrame.rect();

    clickOption(e().sectionOption(2));  // the column: wider, taller, almost at the top
    EXPECT_GT(e().schematicFrame.widthTwips(), beamFrame.width);
    EXPECT_GT(e().schematicFrame.heightTwips(), beamFrame.height);
    EXPECT_LT(e().schematicFrame.topTwips(), beamFrame.top);
    EXPECT_FALSE(e().sectionPicture->picture().isNull());
    EXPECT_NE(e().sectionPicture->picture(), beam);
}

TEST_F(MainWindowTest, PicturesAreReadFromTheCurrentDirectory) {
    const QString here = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());  // no pictures there: the box stays empty
    clickOption(e().sectionOption(1));
    QDir::setCurrent(here);
    EXPECT_TRUE(e().schematicFrame.visible());
    EXPECT_TRUE(e().sectionPicture->picture().isNull());
}

TEST_F(MainWindowTest, ChangeOfSectionWipesThePanelAndTheOperation) {
    choose(kRectangularCheck);
    type(rect_check::kB, "25");
    e().fields.valueFields[17]->setText("untouched");
    clickOption(e().sectionOption(2));
    EXPECT_FALSE(e().operationOption(0)->isChecked());
    for (int i = 0; i <= 16; ++i) {
        EXPECT_FALSE(e().fields.valueFields[i].visible()) << i;
        EXPECT_EQ(text(i), "") << i;
        EXPECT_EQ(caption(i), "") << i;
    }
    EXPECT_EQ(text(17), "untouched");
}

TEST_F(MainWindowTest, ComputeWithoutASectionAsksForOne) {
    clickOption(e().operationOption(0));
    compute();
    expectOneMessage("TIPO DI TRAVE NON PREVISTA!!!", "ATTENZIONE", MessageStyle::kQuestion);
    EXPECT_EQ(window().calculationCode(), 0);
}

TEST_F(MainWindowTest, ComputeRightAfterAChangeOfSectionAsksForTheOperation) {
    choose(kRectangularCheck);
    clickOption(e().sectionOption(1));
    compute();
    expectOneMessage("TIPO DI OPERAZIONE NON PREVISTA!!!", "ATTENZIONE", MessageStyle::kQuestion);
}

TEST_F(MainWindowTest, ColumnDesignMakesNoSenseAndChangesNothing) {
    choose(kColumnCheck);
    clickOption(e().exampleBox.get());
    compute();
    ASSERT_EQ(window().calculationCode(), 7);
    const QString before = text(column_check::kSigmaF);
    clickOption(e().operationOption(1));
    compute();
    expectOneMessage("NON HA SENSO IL PROGETTO", "lirvo", MessageStyle::kPlain);
    EXPECT_EQ(window().calculationCode(), 7);
    EXPECT_EQ(text(column_check::kSigmaF), before);
}

// The typical run: rectangular beam, check, the data typed, "E l a b o r a".
TEST_F(MainWindowTest, TypedRectangularCheckFillsItsResults) {
    using namespace rect_check;
    choose(kRectangularCheck);
    typeExample(kRectangularCheck);
    compute();
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(window().calculationCode(), 1);
    EXPECT_EQ(text(kJ), " 330209");
    EXPECT_EQ(text(kX), " 18.9807168027919");
    EXPECT_EQ(text(kSigmaC), " 57.4808628060891");
    EXPECT_EQ(text(kSigmaF), " 1757.04558063677");
}

// A datum refused as read is boxed as the calculation words it, the results stay, and once the
// box is closed the refused field has the keyboard, its text selected to be typed over. The
// data are sent with Return from the field of M, which keeps the focus where no single datum
// is at fault (a slab deep enough to need no rib); a ratio W too large takes the user to W.
TEST_F(MainWindowTest, RefusedDatumIsBoxedAndTakesTheFocus) {
    using namespace rect_check;
    struct Row {
        const CalcCase& calc;
        int field;
        const char* typed;
        std::string prompt;
        int focused;
    };
    const Row rows[] = {
        {kRectangularCheck, kAf, "8,04",
         "DATO NON LEGGIBILE: Af = 8,04 (IL SEPARATORE DECIMALE È IL PUNTO)", kAf},
        {kRectangularCheck, kAf, "-8", "DATO NEGATIVO: Af = -8", kAf},
        {kRectangularCheck, kB, "1e400", "DATO FUORI SCALA: B = 1e400", kB},
        {kRectangularCheck, kH, "0", "MANCA L'ALTEZZA DELLA TRAVE", kH},
        {kRectangularDesign, rect_design::kW, "5", "DATI ASSURDI perchè W>", rect_design::kW},
        {kTeeDesign, tee_design::kD, "500", "LA SOLETTA REGGE SENZA COSTOLA", tee_design::kM},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.prompt);
        choose(row.calc);
        typeExample(row.calc);
        const int m = row.calc.inputs().back().index;
        compute();
        const QString result = text(row.calc.results().front().index);
        messages_.forget();
        type(row.field, row.typed);
        e().fields.valueFields[m]->setFocus();
        QTest::keyClick(e().fields.valueFields[m].get(), Qt::Key_Return);
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].prompt.substr(0, row.prompt.size()), row.prompt);
        EXPECT_EQ(text(row.calc.results().front().index), result);
        const QLineEdit* focused = e().fields.valueFields[row.focused].get();
        EXPECT_EQ(window().focusWidget(), focused);
        EXPECT_EQ(focused->selectedText(), row.focused == m ? "" : focused->text());
    }
}

// Clicking a case's two options and ticking the example runs that case and no other: the
// window shows exactly what the case computes on its own example.
class EveryCaseByClicks : public MainWindowTest,
                          public testing::WithParamInterface<const CalcCase*> {};

TEST_P(EveryCaseByClicks, ComputesItsWorkedExample) {
    const CalcCase& calc = *GetParam();
    EventLog alone;
    alone.requestExample(true);
    CalcFrame frame;
    frame.run(calc, alone);

    choose(calc);
    clickOption(e().exampleBox.get());
    compute();
    for (const auto& m : messages_.shown())
        ADD_FAILURE() << m.prompt;
    EXPECT_EQ(window().calculationCode(), calc.code);
    for (const Field& result : calc.results())
        EXPECT_EQ(text(result.index).toStdString(), alone.fieldText(result.index)) << result.symbol;
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryCaseByClicks, testing::ValuesIn(allCases()),
                         [](const auto& info) {
                             std::string name(info.param->name);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// Column notices stand on the surface one at a time, and go with a new section type.
TEST_F(MainWindowTest, ColumnNoticeIsDrawnOnceAndClearedBySectionChange) {
    choose(kColumnSemiDesign);
    clickOption(e().exampleBox.get());
    compute();
    compute();
    const auto& drawn = e().surface->drawnTexts();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, "SEZIONE TUTTA TESA X=INFINITO");
    clickOption(e().sectionOption(1));
    EXPECT_TRUE(e().surface->drawnTexts().empty());
}

// A plain column wholly compressed beyond its allowable stress: two notices, one under the
// other, both clear of every element.
TEST_F(MainWindowTest, TwoNoticesStandOneUnderTheOther) {
    choose(kColumnSemiDesign);
    for (const auto& [i, t] : {std::pair{2, "30"},
                               {3, "3"},
                               {4, "3"},
                               {5, "47"},
                               {6, "70"},
                               {7, "2000"},
                               {8, "10"},
                               {9, "150000"},
                               {10, "90000"}})
        type(i, t);
    compute();
    const auto& drawn = e().surface->drawnTexts();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].text, "SEZIONE TUTTA COMPRESSA");
    EXPECT_EQ(drawn[1].text, "CLS OLTRE LA TENSIONE AMMISSIBILE: SEZIONE DA ARMARE");
    const QRect first = e().surface->pixelRect(drawn[0]), second = e().surface->pixelRect(drawn[1]);
    EXPECT_GE(second.top(), first.bottom());
    for (const QRect& notice : {first, second})
        for (const QWidget* w : e().surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_FALSE(!w->isHidden() && w->geometry().intersects(notice))
                << w->toolTip().toStdString();
}

}  // namespace
}  // namespace lirvo::test
