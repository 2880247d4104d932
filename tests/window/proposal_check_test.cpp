// "Calcolo" › "Verifica con le barre proposte": from a design to the check of its section built
// with the bars proposed, and back by "Annulla"; the tooltips that say the bars.
#include <QMenu>

#include "app/menu_bar.h"
#include "app/proposal_check.h"
#include "sections/bar_notation.h"
#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

class ProposalCheckTest : public MainWindowTest {
  protected:
    app::ProposalCheck& step() { return window().proposalCheck(); }
    // The menu's entries as offered when it opens: {step, undo} enabled.
    std::pair<bool, bool> offered() {
        QMenu* menu = window().menuBar().calculationMenu();
        emit menu->aboutToShow();
        return {menu->actions()[0]->isEnabled(), menu->actions()[1]->isEnabled()};
    }
    std::array<QString, kFieldCount> texts() {
        std::array<QString, kFieldCount> all;
        for (int i = 0; i < kFieldCount; ++i)
            all[i] = text(i);
        return all;
    }
    const CalcCase* shown() { return window().shownCase(); }
};

// The field of Af' (compression) or Af of a check case.
int steelIndex(int check, bool compression) {
    for (const Field& field : findCase(std::to_string(check))->inputs())
        if (field.quantity == (compression ? Quantity::kCompressionSteel : Quantity::kTensionSteel))
            return field.index;
    return -1;
}

struct RoundTrip {
    int design;
    std::vector<QString> typed;  // empty: the worked example
    int check;
    std::vector<QString> checkTexts;  // as the step types them
    std::string refusal;              // "" where the check computes
};

// The proposals are hand-worked in tests/bar_notation_test.cpp. An Af' of 0 goes as 0; the T
// design's cover of 0 (Q = 0) is refused by the check as missing.
TEST_F(ProposalCheckTest, DesignToProposedBarsToCheckAndBack) {
    // clang-format off
    const RoundTrip rows[] = {
        {2, {}, 1, {"25", "3", "68", "4Ø16", "0", "10", "690000"}, ""},
        {3, {}, 1, {"25", "3", "67", "4Ø16", "0", "10", "680000"}, ""},
        {5, {}, 4, {"140", "12", "0", "20", "54", "6Ø28", "0", "10", "2400000"},
         "MANCA LO SPESSORE DEL IL COPRIFERRO"},
        {6, {}, 4, {"140", "12", "3", "20", "54", "6Ø28", "0", "10", "2400000"}, ""},
        {9, {}, 7, {"30", "3", "3", "47", "4Ø16", "3Ø14", "10", "150000", "-25000"}, ""},
        // Af 8.45 in B 25: 2Ø24 and 8Ø12 give the same area, fewer bars win; Af' 4.22: 4Ø12.
        {2, {"25", "0.1", "0.5", "50", "1400", "10", "690000"}, 1,
         {"25", "6", "64", "2Ø24", "4Ø12", "10", "690000"}, ""},
    };
    // clang-format on
    for (const RoundTrip& row : rows) {
        SCOPED_TRACE(row.design);
        const CalcCase& design = *findCase(std::to_string(row.design));
        choose(design);
        if (e().exampleBox->isChecked() != row.typed.empty()) click(e().exampleBox.get());
        for (size_t i = 0; i < row.typed.size(); ++i)
            type(kFirstInputField + static_cast<int>(i), row.typed[i]);
        compute();
        const auto designTexts = texts();
        EXPECT_EQ(offered(), std::make_pair(true, false));
        messages_.forget();

        ASSERT_TRUE(step().run());
        ASSERT_EQ(shown(), findCase(std::to_string(row.check)));
        EXPECT_FALSE(e().exampleBox->isChecked());
        for (size_t i = 0; i < row.checkTexts.size(); ++i)
            EXPECT_EQ(text(kFirstInputField + static_cast<int>(i)), row.checkTexts[i]) << i;
        if (row.refusal.empty()) {
            EXPECT_TRUE(messages_.shown().empty());
            EXPECT_TRUE(window().resultsCurrent());
            // The drawing is of the check, its bars as typed.
            ASSERT_TRUE(window().schematicDrawing().drawingShown());
            const auto& analysis = window().schematicDrawing().view().analysis();
            EXPECT_EQ(analysis->operation, Operation::kCheck);
            std::vector<std::string> bars;  // Af' above Af
            for (int index : {steelIndex(row.check, true), steelIndex(row.check, false)}) {
                const std::string typed = text(index).toStdString();
                bars.push_back(barNotationArea(typed) ? typed : "");
            }
            EXPECT_EQ(analysis->bars, bars);
            EXPECT_FALSE(bars[1].empty());
        } else {
            expectOneMessage(row.refusal, "lirvo", MessageStyle::kPlain);
            EXPECT_FALSE(window().schematicDrawing().drawingShown());
        }
        EXPECT_EQ(offered(), std::make_pair(false, true));

        ASSERT_TRUE(step().undo());
        EXPECT_EQ(shown(), &design);
        EXPECT_EQ(e().exampleBox->isChecked(), row.typed.empty());
        EXPECT_EQ(texts(), designTexts);
        EXPECT_TRUE(window().resultsCurrent());
        EXPECT_FALSE(step().undoable());
        messages_.forget();
    }
}

TEST_F(ProposalCheckTest, NeedsACurrentDesign) {
    choose(0, 0);
    click(e().exampleBox.get());
    compute();
    EXPECT_EQ(offered(), std::make_pair(false, false));
    EXPECT_FALSE(step().run());
    expectOneMessage(app::kNoDesignToCheck, "lirvo", MessageStyle::kPlain);
    EXPECT_FALSE(step().undo());

    messages_.forget();
    choose(0, 1);
    click(e().exampleBox.get());
    compute();
    type(rect_design::kM, "700000");  // the results no longer belong to the data
    EXPECT_FALSE(step().run());
    EXPECT_EQ(shown(), &kRectangularDesign);
}

TEST_F(ProposalCheckTest, TooltipsSayTheBarsTypedAndProposed) {
    choose(0, 0);
    type(rect_check::kAf, " 4Ø16+2Ø12");
    type(rect_check::kAfPrime, "1.01");
    EXPECT_EQ(e().fields.valueFields[rect_check::kAf]->toolTip(), "4Ø16+2Ø12 = 10.30 cm²");
    EXPECT_EQ(e().fields.valueFields[rect_check::kAfPrime]->toolTip(), " 6");  // its number
    type(rect_check::kB, "4Ø16");  // bars only where the steel goes
    EXPECT_EQ(e().fields.valueFields[rect_check::kB]->toolTip(), " 2");

    choose(0, 1);
    click(e().exampleBox.get());
    compute();
    EXPECT_EQ(e().fields.valueFields[rect_design::kAf]->toolTip(),
              "Barre proposte: 4Ø16 = 8.04 cm²");
    EXPECT_EQ(e().fields.valueFields[rect_design::kAfPrime]->toolTip(), " 15");  // none for 0
    type(rect_design::kM, "700000");
    EXPECT_EQ(e().fields.valueFields[rect_design::kAf]->toolTip(), " 14");
}

}  // namespace
}  // namespace lirvo::test
