// From clicks to calculations: the section schematic, the dispatcher's messages and a typical
// run of every case by clicks.
#include <QDir>

#include "schematic.h"
#include "window_fixture.h"

namespace lirvo::test {
namespace {

constexpr double W = 12288, H = 10368;

TEST_F(MainWindowTest, SectionTypeShowsItsPictureInTheSchematicFrame) {
    clickOption(e().sectionOption(0));
    EXPECT_TRUE(e().frame3.visible());
    EXPECT_TRUE(e().label2.visible());
    EXPECT_EQ(e().frame3->title(), "Schema");
    EXPECT_EQ(e().frame3.left(), static_cast<float>(0.35 * W));
    EXPECT_EQ(e().frame3.top(), static_cast<float>(0.02 * H));
    EXPECT_EQ(e().frame3.width(), static_cast<float>(0.3 * W));
    EXPECT_EQ(e().frame3.height(), static_cast<float>(0.25 * H));
    EXPECT_EQ(e().picture1.width(), static_cast<float>(0.95 * e().frame3.width()));
    EXPECT_EQ(e().picture1.height(), static_cast<float>(0.9 * e().frame3.height()));
    EXPECT_FALSE(e().picture1->picture().isNull()) << "ret1_ver.jpg beside the tests";
    const QImage beam = e().picture1->picture();

    clickOption(e().sectionOption(2));  // the column: wider, taller, almost at the top
    EXPECT_EQ(e().frame3.left(), static_cast<float>(0.3 * W));
    EXPECT_EQ(e().frame3.top(), static_cast<float>(0.001 * H));
    EXPECT_EQ(e().frame3.width(), static_cast<float>(0.39 * W));
    EXPECT_EQ(e().frame3.height(), static_cast<float>(0.3 * H));
    EXPECT_FALSE(e().picture1->picture().isNull());
    EXPECT_NE(e().picture1->picture(), beam);
}

TEST_F(MainWindowTest, PicturesAreReadFromTheCurrentDirectory) {
    EXPECT_STREQ(panels::pictureFileName(panels::SectionType::kRectangular), "ret1_ver.jpg");
    EXPECT_STREQ(panels::pictureFileName(panels::SectionType::kTee), "t1_ver.jpg");
    EXPECT_STREQ(panels::pictureFileName(panels::SectionType::kColumn), "Pil1_ver.jpg");

    const QString here = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());  // no pictures there: the box stays empty
    clickOption(e().sectionOption(1));
    QDir::setCurrent(here);
    EXPECT_TRUE(e().frame3.visible());
    EXPECT_TRUE(e().picture1->picture().isNull());
}

TEST_F(MainWindowTest, ChangeOfSectionWipesThePanelAndTheOperation) {
    choose(0, 0);
    type(2, "25");
    e().fields.text1[17]->setText("untouched");
    clickOption(e().sectionOption(2));
    EXPECT_FALSE(e().operationOption(0)->isChecked());
    for (int i = 0; i <= 16; ++i) {
        EXPECT_FALSE(e().fields.text1[i].visible()) << i;
        EXPECT_EQ(text(i), "") << i;
        EXPECT_EQ(caption(i), "") << i;
    }
    EXPECT_EQ(text(17), "untouched");
}

TEST_F(MainWindowTest, ComputeWithoutASectionAsksForOne) {
    clickOption(e().operationOption(0));
    compute();
    expectOneMessage("TIPO DI TRAVE NON PREVISTA!!!", "ATTENZIONE", 32);
    EXPECT_EQ(window().calculationCode(), 0);
}

TEST_F(MainWindowTest, ComputeRightAfterAChangeOfSectionAsksForTheOperation) {
    choose(0, 0);
    clickOption(e().sectionOption(1));
    compute();
    expectOneMessage("TIPO DI OPERAZIONE NON PREVISTA!!!", "ATTENZIONE", 32);
}

TEST_F(MainWindowTest, ColumnDesignMakesNoSenseAndChangesNothing) {
    choose(2, 0);
    clickOption(e().ckes.get());
    compute();
    ASSERT_EQ(window().calculationCode(), 7);
    const QString before = text(12);
    clickOption(e().operationOption(1));
    compute();
    expectOneMessage("NON HA SENSO IL PROGETTO", "lirvo", 0);
    EXPECT_EQ(window().calculationCode(), 7);
    EXPECT_EQ(text(12), before);
}

// The typical run: rectangular beam, check, the data typed, "E l a b o r a".
TEST_F(MainWindowTest, TypedRectangularCheckFillsFieldsNineToTwelve) {
    choose(0, 0);
    typeRectangularCheckData();
    compute();
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(window().calculationCode(), 1);
    EXPECT_EQ(text(9), " 330209");
    EXPECT_EQ(text(10), " 18.9807168027919");
    EXPECT_EQ(text(11), " 57.4808628060891");
    EXPECT_EQ(text(12), " 1757.04558063677");
}

TEST_F(MainWindowTest, MissingDatumIsBoxedAndLeavesTheResults) {
    choose(0, 0);
    clickOption(e().ckes.get());
    compute();
    clickOption(e().ckes.get());
    type(4, "0");
    compute();
    expectOneMessage("MANCA L'ALTEZZA DELLA TRAVE", "lirvo", 0);
    EXPECT_EQ(text(9), " 330209");
}

struct ClickRun {
    const char* name;
    int section, operation, code;
    int field;
    const char* result;  // the worked example's result in that field
};

const ClickRun kRuns[] = {
    {"rett_verifica", 0, 0, 1, 12, " 1757.04558063677"},
    {"rett_progetto", 0, 1, 2, 13, " 246267"},
    {"rett_semiprogetto", 0, 2, 3, 9, " 17.7059999999984"},
    {"t_verifica", 1, 0, 4, 14, " 1347681"},
    {"t_progetto", 1, 1, 5, 14, " 34.79"},
    {"t_semiprogetto", 1, 2, 6, 14, " 1142803"},
    {"pil_verifica", 2, 0, 7, 12, " 27.2988552729028"},
    {"pil_semiprogetto", 2, 2, 9, 16, " 50"},
};

void PrintTo(const ClickRun& run, std::ostream* os) {
    *os << run.name;
}

class EveryCaseByClicks : public MainWindowTest, public testing::WithParamInterface<ClickRun> {};

TEST_P(EveryCaseByClicks, ComputesItsWorkedExample) {
    const ClickRun& run = GetParam();
    choose(run.section, run.operation);
    clickOption(e().ckes.get());
    compute();
    for (const auto& m : messages_.shown())
        ADD_FAILURE() << m.prompt;
    EXPECT_EQ(window().calculationCode(), run.code);
    EXPECT_EQ(text(run.field), run.result);
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryCaseByClicks, testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

// Column notices stand on the surface at 0.6 W, 0.75 H, one at a time, and go with a new
// section type.
TEST_F(MainWindowTest, ColumnNoticeIsDrawnOnceAndClearedBySectionChange) {
    choose(2, 2);
    clickOption(e().ckes.get());
    compute();
    compute();
    const auto& drawn = e().surface->drawnTexts();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].text, "SEZIONE TUTTA TESA X=INFINITO");
    EXPECT_EQ(drawn[0].left, static_cast<float>(0.6 * W));
    EXPECT_EQ(drawn[0].top, static_cast<float>(0.75 * H));
    clickOption(e().sectionOption(1));
    EXPECT_TRUE(e().surface->drawnTexts().empty());
}

}  // namespace
}  // namespace lirvo::test
