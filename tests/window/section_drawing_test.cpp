// The drawing of a calculated section: within its box whatever the proportions, in the
// schematic frame after a calculation, switched with the picture by a click, large on a
// double click, gone when a section type is chosen.
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <random>
#include <string>

#include "drawing/section_painter.h"
#include "sections/cases.h"
#include "sections/rect_check.h"
#include "tests/window/ink_in_box.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

struct Extreme {
    const char* what;
    SectionModel model;
    bool allowables;  // a second line of text under the drawing
};

// clang-format off
const Extreme kExtremes[] = {
    {"10 wide, 300 deep", {rectangleOutline(10, 300), 300, {{1, 3}, {5, 297}}, 15, 0, 1e6}, true},
    {"300 wide, 10 deep", {rectangleOutline(300, 10), 10, {{1, 2}, {5, 8}}, 15, 0, 1e5}, false},
    {"T, 300 slab over a 10 rib", {teeOutline(300, 5, 10, 100), 100, {{0, 2}, {40, 97}}, 15, 0, 1e6}, true},
    {"tapered, 40 at the top to 10 at the bottom", {Outline{{0, 60, 40, 10}}, 60, {{2, 3}, {6, 57}}, 15, 0, 5e5}, false},
    {"Af = 0, push off the centre", {rectangleOutline(30, 50), 50, {{10, 3}, {0, 47}}, 15, 1e5, 2e6}, false},
    {"Af = 0, pure bending: no equilibrium", {rectangleOutline(30, 50), 50, {{10, 3}, {0, 47}}, 15, 0, 2e6}, false},
    {"in tension", {rectangleOutline(30, 50), 50, {{4.55, 3}, {7.95, 47}}, 10, -25000, 150000}, true},
    {"wholly compressed", {rectangleOutline(30, 50), 50, {{3.16, 3}, {10.16, 47}}, 10, 25000, 150000}, false},
};
// clang-format on

// Painted on a transparent image 20 px larger all round than the box: nothing may reach the
// margin, and the box must hold a drawing, not nothing.
TEST(SectionDrawing, StaysWithinItsBoxWhateverTheProportions) {
    for (const Extreme& row : kExtremes) {
        CaseAnalysis a;
        a.model = row.model;
        a.state = analyseSection(row.model);
        if (row.allowables) a.allowableConcrete = 50, a.allowableSteel = 1400;
        for (QSize box : {QSize(233, 150), QSize(300, 186), QSize(900, 600), QSize(60, 40)}) {
            const auto [inside, outside] = inkInBox(
                box, [&](QPainter& p, const QRectF& r) { drawing::paintSection(p, r, a); });
            EXPECT_EQ(outside, 0) << row.what << " in " << box.width() << "x" << box.height();
            EXPECT_GT(inside, box.width() * box.height() / 50) << row.what << " " << box.width();
        }
    }
}

// Every text of a layout whole, inside the box and clear of every other text.
void expectWholeAndClear(const drawing::SectionLayout& layout, const QRectF& box,
                         const std::string& what) {
    ASSERT_TRUE(layout.drawn) << what;
    for (const drawing::PlacedLine& line : layout.lines)
        EXPECT_FALSE(line.cut) << what;
    const std::vector<QRectF> texts = layout.textBoxes();
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(box.contains(texts[i])) << what << ": text " << i << " leaves the box";
        for (size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(texts[i].adjusted(0.01, 0.01, -0.01, -0.01).intersects(texts[j]))
                << what << ": texts " << i << " and " << j << " overlap";
    }
}

// Seeded sections of buildings (rectangles, T, columns; cracked, compressed, in tension) in the
// boxes the window, its large window and the report give a drawing.
TEST(SectionLayout, LabelsStayWholeInsideAndApartOnRandomSections) {
    std::mt19937 random(18);
    auto between = [&random](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    QImage device(10, 10, QImage::Format_ARGB32);
    for (int k = 0; k < 300; ++k) {
        SectionModel m;
        const double B = between(20, 150);
        m.H = between(20, 120);
        m.outline = k % 3 == 1 ? teeOutline(B, between(5, m.H / 2), between(15, B), m.H)
                               : rectangleOutline(B, m.H);
        const double cover = between(2, 6);
        m.steel = {{between(0, 20), cover}, {between(2, 40), m.H - cover}};
        m.n = 15;
        m.M = between(1e4, 5e6);
        m.N = k % 3 == 2 ? between(-2e5, 4e5) : 0;
        CaseAnalysis a;
        a.model = m;
        a.state = analyseSection(m);
        a.allowableConcrete = 60, a.allowableSteel = 1800;
        if (a.state.status != AnalysisStatus::kSolved) continue;
        for (QSizeF size :
             {QSizeF(230, 190), QSizeF(300, 186), QSizeF(900, 600), QSizeF(642, 151)}) {
            const QRectF box(QPointF(0, 0), size);
            expectWholeAndClear(
                drawing::layOutSection(box, a, drawing::LinesBelow::kEquilibrium, QFont(), &device),
                box, "random section " + std::to_string(k));
        }
    }
}

// The column's frame reaches under the boxes of the options: the drawing stands beside them,
// its labels whole, for every worked example at the three usual screens.
TEST_F(MainWindowTest, EachExampleIsDrawnWholeBesideTheOptionBoxes) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(800, 600)}) {
        reopenOn(screen.width(), screen.height());
        for (const CalcCase* calc : allCases()) {
            const std::string what =
                std::string(calc->name) + " at " + std::to_string(screen.width());
            choose(*calc);
            typeExample(*calc);
            compute();
            drawing::SectionView& view = window().schematicDrawing().view();
            ASSERT_TRUE(view.isVisible() && view.analysis()) << what;
            const QRect onSurface(view.mapTo(e().surface, QPoint(0, 0)), view.size());
            EXPECT_FALSE(onSurface.intersects(e().sectionTypeFrame->geometry())) << what;
            EXPECT_FALSE(onSurface.intersects(e().operationFrame->geometry())) << what;
            EXPECT_TRUE(e().schematicFrame->rect().contains(view.geometry())) << what;
            expectWholeAndClear(
                drawing::layOutSection(QRectF(view.rect()), *view.analysis(),
                                       drawing::LinesBelow::kEquilibrium, view.font(), &view),
                QRectF(view.rect()), what);
        }
    }
}

// Edited data grey the drawing, in the frame and large; another operation shows the picture.
TEST_F(MainWindowTest, TheDrawingFollowsTheResults) {
    choose(kRectangularCheck);
    typeExample(kRectangularCheck);
    compute();
    panels::SchematicDrawing& drawing = window().schematicDrawing();
    EXPECT_EQ(e().schematicFrame->title(), "Equilibrio della sezione");
    QTest::mouseDClick(e().schematicFrame.get(), Qt::LeftButton);
    ASSERT_TRUE(drawing.largeWindow());
    EXPECT_FALSE(drawing.view().stale());
    type(rect_check::kM, "2000000");
    EXPECT_TRUE(drawing.view().stale());
    EXPECT_TRUE(drawing.largeWindow()->view().stale());
    compute();
    EXPECT_FALSE(drawing.view().stale());
    EXPECT_FALSE(drawing.largeWindow()->view().stale());

    clickOption(e().operationOption(2));
    EXPECT_FALSE(drawing.drawingShown());
    EXPECT_TRUE(e().sectionPicture->isVisible());
    EXPECT_EQ(e().schematicFrame->title(), "Schema");
}

TEST_F(MainWindowTest, FrameShowsTheCalculatedSectionAndAClickSwitchesToThePicture) {
    choose(kColumnCheck);
    typeExample(kColumnCheck);
    compute();
    panels::SchematicDrawing& drawing = window().schematicDrawing();
    ASSERT_TRUE(drawing.drawingShown());
    EXPECT_FALSE(e().sectionPicture->isVisible());
    EXPECT_EQ(drawing.view().analysis()->state.regime, Regime::kWhollyCompressed);
    EXPECT_TRUE(e().schematicFrame->rect().contains(drawing.view().geometry()));

    click(e().schematicFrame.get());
    EXPECT_FALSE(drawing.drawingShown());
    EXPECT_TRUE(e().sectionPicture->isVisible());
    click(e().sectionPicture.get());  // a click on the picture reaches the frame
    EXPECT_TRUE(drawing.drawingShown());

    // A double click shows the drawing, from the picture too, and opens it in its own window.
    click(e().schematicFrame.get());
    QTest::mouseDClick(e().schematicFrame.get(), Qt::LeftButton);
    EXPECT_TRUE(drawing.drawingShown());
    ASSERT_TRUE(drawing.largeWindow());
    EXPECT_TRUE(drawing.largeWindow()->isVisible());
    EXPECT_EQ(drawing.largeWindow()->view().analysis()->model.H, 50);
    // A part of the screen at first, whatever its size; Escape puts it away.
    const QSize screen = drawing.largeWindow()->screen()->availableGeometry().size();
    EXPECT_EQ(drawing.largeWindow()->size(), (screen.toSizeF() * 0.6).toSize());
    QTest::keyClick(drawing.largeWindow(), Qt::Key_Escape);
    EXPECT_FALSE(drawing.largeWindow()->isVisible());

    // A section type brings the picture back, and clicks no longer switch.
    clickOption(e().sectionOption(0));
    EXPECT_FALSE(drawing.drawingShown());
    EXPECT_TRUE(e().sectionPicture->isVisible());
    EXPECT_EQ(e().schematicFrame->title(), "Schema");
    click(e().schematicFrame.get());
    EXPECT_FALSE(drawing.drawingShown());
}

TEST_F(MainWindowTest, ARefusedCalculationShowsNoDrawing) {
    choose(kColumnCheck);
    for (const auto& [i, t] : {std::pair{2, "30"},
                               {3, "3"},
                               {4, "3"},
                               {5, "47"},
                               {6, "1"},
                               {7, "20"},
                               {8, "15"},
                               {9, "1"},
                               {10, "100000"}})
        type(i, t);
    compute();
    expectOneMessage(kImpossibleCalculation, "lirvo", MessageStyle::kPlain);
    EXPECT_FALSE(window().schematicDrawing().drawingShown());
}

}  // namespace
}  // namespace lirvo::test
