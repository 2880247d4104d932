// The field panel of every case laid out on the window: captions, columns, colours, and rows
// that stay clear of the commands.
#include <QApplication>
#include <vector>

#include <algorithm>

#include "sections/cases.h"
#include "sections/column_semi_design.h"
#include "sections/tee_design.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

// Every case's panel as the user reads it: each caption ends with the symbol of the field it
// labels, inputs in the left column and results in the right one, each column read top down
// in field order, every value field right of its own caption, inputs white, results grey.
class EveryPanel : public MainWindowTest, public testing::WithParamInterface<const CalcCase*> {};

TEST_P(EveryPanel, LabelsEachFieldWithItsSymbolInReadingOrder) {
    const CalcCase& calc = *GetParam();
    choose(calc);
    EXPECT_EQ(caption(0), "DATI:");
    EXPECT_EQ(caption(1), "RISULTATI:");
    const float middle = e().surface->line(e().line[1]).x1;  // between the two columns
    const QColor white = QApplication::palette().color(QPalette::Base);

    const ui::Placed* above[2] = {nullptr, nullptr};  // the previous caption of each column
    for (const Field& field : calc.fields) {
        SCOPED_TRACE(field.symbol);
        const auto& label = e().fields.captions[field.index];
        const auto& text = e().fields.valueFields[field.index];
        const bool input = field.role == Role::kInput;
        ASSERT_TRUE(label.visible() && text.visible());
        EXPECT_TRUE(caption(field.index)
                        .trimmed()
                        .endsWith(QString::fromUtf8(field.symbol.data(), field.symbol.size())));
        EXPECT_EQ(text->text(), "");
        EXPECT_EQ(input, label.leftTwips() + label.widthTwips() <= middle);
        EXPECT_GE(text.leftTwips(), label.leftTwips() + label.widthTwips());
        EXPECT_EQ(text->palette().color(QPalette::Base), input ? white : QColor(192, 192, 192));
        const ui::Placed*& previous = above[input ? 0 : 1];
        if (previous) {
            EXPECT_GT(label.topTwips(), previous->topTwips());
        }
        previous = &label;
    }
    for (int i = kFirstInputField + static_cast<int>(calc.fields.size()); i <= 16; ++i) {
        EXPECT_FALSE(e().fields.valueFields[i].visible()) << i;
        EXPECT_FALSE(e().fields.captions[i].visible()) << i;
    }
}

// The rows of every panel stand clear of the command band, as the user sees them in pixels:
// above the line over the commands and off the example box, on a usual and a small screen.
TEST_P(EveryPanel, FitsAboveTheCommandBand) {
    for (const QSize screen : {QSize(1024, 768), QSize(800, 600)}) {
        SCOPED_TRACE(screen.width());
        reopenOn(screen.width(), screen.height());
        choose(*GetParam());
        const int band = ui::toPixels(e().surface->line(e().line[2]).y1, screen_);
        const QRect exampleBox = e().exampleBox->geometry();
        for (const Field& field : GetParam()->fields) {
            for (const QWidget* element :
                 {static_cast<const QWidget*>(e().fields.captions[field.index].get()),
                  static_cast<const QWidget*>(e().fields.valueFields[field.index].get())}) {
                EXPECT_LE(element->geometry().bottom(), band) << field.symbol;
                EXPECT_FALSE(element->geometry().intersects(exampleBox)) << field.symbol;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EveryPanel, testing::ValuesIn(allCases()), [](const auto& info) {
    std::string name(info.param->name);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST_F(MainWindowTest, OperationWithoutSectionShowsTheHeadingsAlone) {
    for (int op = 0; op < 3; ++op) {
        clickOption(e().operationOption(op));
        EXPECT_TRUE(e().fields.captions[0].visible());
        EXPECT_TRUE(e().fields.captions[1].visible());
        for (int i = 2; i <= 16; ++i)
            EXPECT_FALSE(e().fields.valueFields[i].visible()) << i;
    }
}

TEST_F(MainWindowTest, ColumnDesignLeavesThePanelAsItWas) {
    choose(kColumnSemiDesign);
    type(column_semi_design::kC1, "4");
    clickOption(e().operationOption(1));
    EXPECT_TRUE(e().operationOption(1)->isChecked());
    EXPECT_EQ(text(column_semi_design::kC1), "4");
    EXPECT_TRUE(e().fields.valueFields[column_semi_design::kHTotal].visible());
    EXPECT_EQ(caption(column_semi_design::kN), "Sforzo   Normale(Kg)   N");
}

// A panel with fewer fields takes away the extra ones of the panel before it.
TEST_F(MainWindowTest, ShorterPanelHidesAndEmptiesLeftOverFields) {
    const int last = tee_design::kHTotal;  // the T check has one field fewer
    choose(kTeeDesign);
    e().fields.valueFields[last]->setText("54");
    clickOption(e().operationOption(0));
    EXPECT_FALSE(e().fields.valueFields[last].visible());
    EXPECT_EQ(text(last), "");
    EXPECT_FALSE(e().fields.captions[last].visible());
    EXPECT_EQ(caption(last), "");
}

TEST_F(MainWindowTest, NewLayoutEmptiesTypedValuesAndResults) {
    choose(kRectangularCheck);
    clickOption(e().exampleBox.get());
    compute();
    ASSERT_FALSE(text(rect_check::kJ).isEmpty());
    clickOption(e().operationOption(2));
    for (int i = 2; i <= 12; ++i)
        EXPECT_EQ(text(i), "") << i;
}

// On a screen too small for 16-point captions, the caption shrinks rather than being cut.
TEST_F(MainWindowTest, LongCaptionsFitTheirWidth) {
    choose(kRectangularCheck);
    const auto& label = e().fields.captions[rect_check::kJ];  // "Momento di inerzia(cm4)   J"
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width());
    EXPECT_LE(label->font().pointSizeF(), 16.0);
}

}  // namespace
}  // namespace lirvo::test
