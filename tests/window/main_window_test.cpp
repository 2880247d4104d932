// The main window at start, its geometry on a 1024 × 768 screen, and its own commands:
// the example box, "Azzera", "Aiuto".
#include <QDir>

#include "app/menu_bar.h"
#include "sections/tee_check.h"
#include "tests/window/window_fixture.h"
#include "ui/qt_text.h"

namespace lirvo::test {
namespace {

TEST_F(MainWindowTest, StartsWithNothingChosenAndEverythingOptionalHidden) {
    EXPECT_EQ(window().windowTitle(), "CALCOLO DI LIRVO E PILASTRI");
    EXPECT_EQ(window().calculationCode(), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(e().option[i]->isChecked()) << "option " << i + 1;
    for (const auto& label : e().fields.captions)
        EXPECT_FALSE(label.visible());
    for (const auto& text : e().fields.valueFields)
        EXPECT_FALSE(text.visible());
    EXPECT_FALSE(e().schematicFrame.visible());
    EXPECT_FALSE(e().unitsLabel.visible());
    EXPECT_FALSE(e().helpBox.visible());
    EXPECT_FALSE(e().printHeading.visible());
    EXPECT_FALSE(e().exampleBox->isChecked());
    EXPECT_EQ(e().exampleBox->text(), "        Esegui l'Esempio");
    EXPECT_EQ(e().computeButton->text(), "E l a b o r a");
    EXPECT_EQ(e().unitsLabel->text(), "Unità di misura: CM e Kg");
    EXPECT_EQ(e().surface->background(), QColor(255, 224, 192));
    EXPECT_EQ(e().sectionTypeFrame.background(), QColor(255, 224, 192));
    EXPECT_EQ(e().option[4].background(), QColor(255, 224, 192));
}

TEST_F(MainWindowTest, TooltipsNumberTheCaptionsAndFields) {
    EXPECT_EQ(e().fields.captions[23]->toolTip(), "captions- 23");
    EXPECT_EQ(e().fields.captions[0]->toolTip(), "captions- 0");
    EXPECT_EQ(e().fields.valueFields[0]->toolTip(), " 0");
    EXPECT_EQ(e().fields.valueFields[22]->toolTip(), " 22");
}

// Window 0.8 and 0.9 of the screen; elements as fractions of the window, in single precision.
TEST_F(MainWindowTest, GeometryFollowsTheScreenInTwips) {
    const ui::Placed& w = window().placement();
    EXPECT_EQ(w.widthTwips(), 12288.0f);
    EXPECT_EQ(w.heightTwips(), 10368.0f);
    EXPECT_EQ(w.leftTwips(), 1536.0f);
    EXPECT_EQ(w.topTwips(), 576.0f);
    EXPECT_EQ(e().sectionTypeFrame.widthTwips(), 3317.76f);
    EXPECT_EQ(e().sectionTypeFrame.heightTwips(), 2384.64f);
    EXPECT_EQ(e().sectionTypeFrame.leftTwips(), 614.4f);
    EXPECT_EQ(e().sectionTypeFrame.topTwips(), 207.36f);
    EXPECT_EQ(e().computeButton.topTwips(), 8501.76f);
    // 15 twips a pixel: the layout shows at 819 × 691 pixels, below the menu bar, and the
    // window is that much taller.
    const int bar = window().menuBar().height();
    EXPECT_GT(bar, 10);
    EXPECT_EQ(window().menuBar().geometry(), QRect(0, 0, 819, bar));
    EXPECT_EQ(e().surface->geometry(), QRect(0, bar, 819, 691));
    EXPECT_EQ(window().size(), QSize(819, 691 + bar));
    // Command buttons keep their size at creation.
    EXPECT_EQ(e().clearButton.widthTwips(), 735.0f);
    EXPECT_EQ(e().clearButton.heightTwips(), 375.0f);
    EXPECT_EQ(e().fields.captions[2].widthTwips(), 1300.0f);
    EXPECT_EQ(e().fields.captions[1].widthTwips(), 2055.0f);  // the results heading keeps its own
    EXPECT_EQ(e().fields.captions[1].heightTwips(), 975.0f);
}

// Each choice's option, captioned from its row, inside its frame and below the one before.
TEST_F(MainWindowTest, OptionsFollowTheListOfChoices) {
    const auto checkGroup = [](const auto& rows, auto caption, auto option, QWidget* frame) {
        int below = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            const QRadioButton* button = option(static_cast<int>(i));
            EXPECT_EQ(button->parentWidget(), frame);
            EXPECT_EQ(button->text(), toQString(caption(rows[i])));
            EXPECT_GE(button->y(), below);
            EXPECT_LE(button->geometry().bottom(), frame->height());
            below = button->geometry().bottom();
        }
    };
    checkGroup(
        sectionTypes(), [](const SectionTypeInfo& r) { return r.optionCaption; },
        [this](int i) { return e().sectionOption(i); }, e().sectionTypeFrame.get());
    checkGroup(
        operations(), [](const OperationInfo& r) { return r.optionCaption; },
        [this](int i) { return e().operationOption(i); }, e().operationFrame.get());
}

TEST_F(MainWindowTest, HelpFileIsLoadedHiddenAndToggledByAiuto) {
    EXPECT_FALSE(e().helpBox->document()->isEmpty()) << "lirvo.rtf beside the tests";
    EXPECT_TRUE(e().helpBox->toPlainText().contains("Verifica"));
    click(e().helpButton.get());
    EXPECT_TRUE(e().helpBox.visible());
    click(e().helpButton.get());
    EXPECT_FALSE(e().helpBox.visible());
    click(e().helpButton.get());
    QTest::mouseDClick(e().helpBox->viewport(), Qt::LeftButton);
    EXPECT_FALSE(e().helpBox.visible());
}

TEST_F(MainWindowTest, MissingHelpFileLeavesTheHelpBoxEmpty) {
    const QString here = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    click(e().clearButton.get());  // loads the window anew, reading the help file again
    QDir::setCurrent(here);
    EXPECT_TRUE(e().helpBox->document()->isEmpty());
    EXPECT_TRUE(messages_.shown().empty());
    click(e().helpButton.get());
    EXPECT_TRUE(e().helpBox.visible());
}

TEST_F(MainWindowTest, TickingTheExampleEmptiesEveryFieldEvenWithoutAPanel) {
    for (int i = 0; i <= 16; ++i)
        e().fields.valueFields[i]->setText("7");
    e().fields.valueFields[17]->setText("kept");
    clickOption(e().exampleBox.get());
    EXPECT_TRUE(e().exampleBox->isChecked());
    EXPECT_EQ(text(0), "7");  // the example starts at field 1
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(text(i), "") << i;
    EXPECT_EQ(text(17), "kept");
}

// Nothing typed is lost: unticking gives the user's texts back, ticking again the example's,
// results and all, as often as the box is clicked.
TEST_F(MainWindowTest, UntickingGivesTheTypedTextsBackAndTickingTheExamplesAgain) {
    using namespace rect_check;
    choose(kRectangularCheck);
    type(kB, "30");
    type(kM, "1 200 000");
    clickOption(e().exampleBox.get());
    EXPECT_EQ(text(kB), "");
    compute();
    ASSERT_EQ(text(kX), " 18.9807168027919");  // the worked example
    for (int round = 0; round < 2; ++round) {
        clickOption(e().exampleBox.get());
        EXPECT_EQ(text(kB), "30");
        EXPECT_EQ(text(kM), "1 200 000");
        EXPECT_EQ(text(kH), "");
        EXPECT_EQ(text(kX), "");
        EXPECT_FALSE(window().resultsCurrent());
        clickOption(e().exampleBox.get());
        EXPECT_EQ(text(kB), "25");
        EXPECT_EQ(text(kX), " 18.9807168027919");
        EXPECT_TRUE(window().resultsCurrent());
    }
    // Texts set aside for another case are not put into this one: unticking changes nothing.
    clickOption(e().sectionOption(1));
    clickOption(e().operationOption(0));
    type(tee_check::kB, "140");
    clickOption(e().exampleBox.get());
    EXPECT_EQ(text(tee_check::kB), "140");
}

TEST_F(MainWindowTest, ExampleReplacesTypedDataWhileTicked) {
    using namespace rect_check;
    choose(kRectangularCheck);
    clickOption(e().exampleBox.get());
    type(kB, "99");
    compute();
    EXPECT_EQ(text(kB), "25");
    EXPECT_EQ(text(kX), " 18.9807168027919");  // X of the rectangular check example
}

TEST_F(MainWindowTest, AzzeraReloadsTheWindowInItsStartState) {
    choose(kRectangularCheck);
    clickOption(e().exampleBox.get());
    compute();
    ASSERT_EQ(window().calculationCode(), 1);
    click(e().helpButton.get());

    bool reloaded = false;
    QObject::connect(&window(), &app::MainWindow::reloaded, [&] { reloaded = true; });
    click(e().clearButton.get());
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(window().calculationCode(), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(e().option[i]->isChecked());
    for (const auto& text : e().fields.valueFields) {
        EXPECT_FALSE(text.visible());
        EXPECT_TRUE(text->text().isEmpty());
    }
    EXPECT_FALSE(e().exampleBox->isChecked());
    EXPECT_FALSE(e().schematicFrame.visible());
    EXPECT_FALSE(e().unitsLabel.visible());
    EXPECT_FALSE(e().helpBox.visible());
    EXPECT_FALSE(e().helpBox->document()->isEmpty());  // read again

    // The new window works: the options must be chosen again.
    compute();
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].prompt, "TIPO DI TRAVE NON PREVISTA!!!");
    choose(kTeeCheck);
    EXPECT_TRUE(e().fields.valueFields[tee_check::kM].visible());
}

TEST_F(MainWindowTest, FineClosesTheWindowAtOnce) {
    ASSERT_TRUE(window().isVisible());
    click(e().quitButton.get());
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(MainWindowTest, DoubleClickHidesThePrintHeading) {
    e().printHeading.setVisible(true);
    QTest::mouseDClick(e().printHeading.get(), Qt::LeftButton);
    EXPECT_FALSE(e().printHeading.visible());
}

TEST_F(MainWindowTest, TabGoesThroughInputsBeforeResults) {
    choose(kTeeCheck);
    const auto fields = kTeeCheck.fields;
    for (size_t i = 1; i < fields.size(); ++i)
        EXPECT_EQ(e().fields.valueFields[fields[i - 1].index]->nextInFocusChain(),
                  e().fields.valueFields[fields[i].index].get())
            << fields[i].symbol;
}

TEST_F(MainWindowTest, ReturnInAValueFieldComputes) {
    choose(kRectangularCheck);
    typeExample(kRectangularCheck);
    QTest::keyClick(e().fields.valueFields[rect_check::kM].get(), Qt::Key_Return);
    EXPECT_EQ(text(rect_check::kJ), " 330209");
}

}  // namespace
}  // namespace lirvo::test
