// A main window on a fixed 1024 × 768 screen (15360 × 11520 twips) with a recorder in place of
// the message box, a PDF file in place of the printer and fixed answers in place of the file
// dialogs. A watchdog fails the test and closes any modal window other than the print-data
// window (which never waits) that still appears, so no test can hang on one.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "sections/cases.h"
#include "tests/fakes/platform_fakes.h"

namespace lirvo::test {

// Prints into a PDF file, or stands for a machine with no printer; lets a test look at the
// window at the moment it is printed.
class TestPrinter : public ui::Printer {
  public:
    ui::PrintResult printWidget(QWidget& widget) override {
        ++jobs;
        if (atPrint) atPrint();
        if (!available) return ui::PrintResult::kNoPrinter;
        return ui::PdfFilePrinter(path).printWidget(widget);
    }
    QString path;
    bool available = true;
    int jobs = 0;
    std::function<void()> atPrint;
};

class MainWindowTest : public testing::Test {
  protected:
    MainWindowTest() : screen_(15360, 11520) {
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != window_->printDataWindow()) {
                ADD_FAILURE() << "a modal window opened: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        watchdog_.start(50);
        window_ = std::make_unique<app::MainWindow>(
            calculations_, ui::Platform{screen_, messages_, printer_, saveDialogs_, caseFiles_});
        window_->show();
    }

    // The window loaded anew on a screen of this many pixels, 15 twips to a pixel.
    void reopenOn(int widthPixels, int heightPixels) {
        window_.reset();
        screen_ = FixedScreen(15.0f * widthPixels, 15.0f * heightPixels);
        window_ = std::make_unique<app::MainWindow>(
            calculations_, ui::Platform{screen_, messages_, printer_, saveDialogs_, caseFiles_});
        window_->show();
    }

    app::MainElements& e() { return window_->elements(); }
    app::MainWindow& window() { return *window_; }

    // A click on an option's circle: the blank beyond its caption takes no click.
    static void clickOption(QWidget* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void choose(int section, int operation) {
        clickOption(e().sectionOption(section));
        clickOption(e().operationOption(operation));
    }
    void choose(const CalcCase& calc) {
        choose(static_cast<int>(calc.section), static_cast<int>(calc.operation));
    }
    void compute() { click(e().computeButton.get()); }
    QString text(int i) { return e().fields.valueFields[i]->text(); }
    QString caption(int i) { return e().fields.captions[i]->text(); }
    void type(int i, const QString& s) {
        e().fields.valueFields[i]->clear();
        QTest::keyClicks(e().fields.valueFields[i].get(), s);
    }

    // A case's worked example, typed by hand into its panel.
    void typeExample(const CalcCase& calc) {
        for (const Field& field : calc.inputs())
            type(field.index, QString::fromUtf8(field.example.data(), field.example.size()));
    }

    // Exactly one box was shown, with this prompt, title (as borne) and style.
    void expectOneMessage(const std::string& prompt, const std::string& title, MessageStyle style) {
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].prompt, prompt);
        EXPECT_EQ(messages_.shown()[0].title, title);
        EXPECT_EQ(messages_.shown()[0].style, style);
    }

    FixedScreen screen_;
    MessageRecorder messages_;
    TestPrinter printer_;
    FixedSaveChoice saveDialogs_;
    FixedCaseFileChoice caseFiles_;
    CalcFrame calculations_;
    QTimer watchdog_;
    std::unique_ptr<app::MainWindow> window_;
};

}  // namespace lirvo::test
