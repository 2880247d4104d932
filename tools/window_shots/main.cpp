// Takes a picture of the main window after each worked example, of the drawing of its section
// in the schematic frame and large in its own window, and prints its report as a PDF file, for
// a person to look at:
//   lirvo_window_shots OUTPUT_DIR   (run from the folder with the help file and pictures)
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/proposal_check.h"
#include "app/uls_command.h"
#include "report/report_dialogs.h"
#include "sections/cases.h"
#include "slu/uls_window.h"
#include "tests/fakes/platform_fakes.h"

using lirvo::app::MainWindow;

namespace {

// An option button takes a click on its circle or its caption, not on the blank beyond.
void clickOption(QWidget* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Prints each report into the PDF file named last.
class ShotPrinter : public lirvo::ui::Printer {
  public:
    lirvo::ui::PrintResult printWidget(QWidget& widget) override {
        return lirvo::ui::PdfFilePrinter(path).printWidget(widget);
    }
    QString path;
};

// A machine with no printer set up.
class NoPrinter : public lirvo::ui::Printer {
  public:
    lirvo::ui::PrintResult printWidget(QWidget&) override {
        return lirvo::ui::PrintResult::kNoPrinter;
    }
};

// Pictures each box and save dialog as it opens, answers the dialog with `pdf` and closes it.
void answerModals(const QDir& out, const QString& pdf, const QWidget* except) {
    static int count = 0;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == except) return;
        modal->grab().save(out.filePath(QString("senza-stampante-%1.png").arg(++count)));
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->selectFile(pdf);
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            modal->close();
        }
    });
    timer->start(300);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setFont(QFont("Liberation Sans", 9));
    if (argc < 2) {
        std::fprintf(stderr, "uso: lirvo_window_shots CARTELLA\n");
        return 2;
    }
    const QDir out(argv[1]);
    lirvo::ui::DesktopScreen screen;
    lirvo::test::MessageRecorder messages;
    ShotPrinter printer;
    lirvo::test::FixedSaveChoice noSaving;
    lirvo::test::FixedCaseFileChoice noFiles;
    lirvo::CalcFrame calculations;
    MainWindow window(calculations, {screen, messages, printer, noSaving, noFiles});
    window.show();
    QTest::qWait(200);
    window.grab().save(out.filePath("start.png"));

    auto& e = window.elements();
    for (const lirvo::CalcCase* calc : lirvo::allCases()) {
        const QString file = QString::fromUtf8(calc->name.data(), calc->name.size()) + ".png";
        clickOption(e.sectionOption(static_cast<int>(calc->section)));
        clickOption(e.operationOption(static_cast<int>(calc->operation)));
        if (!e.exampleBox->isChecked()) clickOption(e.exampleBox.get());
        QTest::mouseClick(e.computeButton.get(), Qt::LeftButton);
        QTest::qWait(100);
        window.grab().save(out.filePath(file));
        e.schematicFrame->grab().save(out.filePath("disegno-" + file));
        // The drawing large, in its own window, at its first size and resized.
        QTest::mouseDClick(e.schematicFrame.get(), Qt::LeftButton);
        QTest::qWait(100);
        if (auto* large = window.schematicDrawing().largeWindow()) {
            large->grab().save(out.filePath("grande-" + file));  // its first size
            large->resize(480, 360);
            QTest::qWait(50);
            large->grab().save(out.filePath("grande-piccola-" + file));
            large->close();
        }
        // The SLU window on the same section, checked, at the two smallest screens.
        window.menuBar().ulsAction()->trigger();
        if (lirvo::slu::UlsWindow* uls = window.menuBar().ulsCommand().ulsWindow()) {
            uls->verify();
            for (QSize size : {QSize(1024, 740), QSize(800, 575)}) {
                uls->resize(size);
                QTest::qWait(50);
                uls->grab().save(out.filePath(QString("slu-%1-").arg(size.width()) + file));
            }
            uls->close();
        }
        QTest::mouseClick(e.printButton.get(), Qt::LeftButton);
        QTest::qWait(100);
        lirvo::report::PrintDataWindow& printData = *window.printDataWindow();
        printData.grab().save(out.filePath("dati-" + file));
        printer.path = out.filePath(QString(file).replace(".png", ".pdf"));
        QTest::mouseClick(printData.elements().okButton.get(), Qt::LeftButton);
        QTest::mouseClick(printData.elements().closeButton.get(), Qt::LeftButton);
        // A design's section with the bars proposed for it, checked; then the design again.
        if (calc->operation != lirvo::Operation::kCheck && window.proposalCheck().run()) {
            QTest::qWait(100);
            window.grab().save(out.filePath("barre-" + file));
            e.schematicFrame->grab().save(out.filePath("disegno-barre-" + file));
            window.proposalCheck().undo();
        }
        for (const auto& m : messages.shown())
            std::printf("%s: %s\n", qPrintable(file), m.prompt.c_str());
        messages.forget();
    }
    // Data edited after the last calculation: the drawing greyed.
    e.fields.valueFields[lirvo::kFirstInputField]->setText("35");
    QTest::qWait(50);
    e.schematicFrame->grab().save(out.filePath("disegno-dati-modificati.png"));

    QTest::mouseClick(e.helpButton.get(), Qt::LeftButton);
    QTest::qWait(100);
    window.grab().save(out.filePath("aiuto.png"));
    // The rest of the help, a box's height at a time.
    QScrollBar* scroll = e.helpBox->verticalScrollBar();
    for (int page = 2; scroll->value() < scroll->maximum(); ++page) {
        scroll->setValue(scroll->value() + scroll->pageStep());
        QTest::qWait(50);
        e.helpBox->grab().save(out.filePath(QString("aiuto-%1.png").arg(page, 2, 10, QChar('0'))));
    }

    // The real message box, in both styles, pictured and closed as soon as it shows.
    lirvo::ui::ModalMessageBoxes boxes;
    const auto pictureBox = [&](const char* file) {
        QTimer::singleShot(300, [&out, file] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->grab().save(out.filePath(file));
                box->close();
            }
        });
    };
    pictureBox("box-32.png");
    boxes.show(&window, "TIPO DI TRAVE NON PREVISTA!!!", lirvo::MessageStyle::kQuestion,
               lirvo::kAttentionTitle);
    pictureBox("box-0.png");
    boxes.show(&window, "MANCA L'ALTEZZA DELLA TRAVE", lirvo::MessageStyle::kPlain, "");
    pictureBox("box-domanda.png");
    boxes.ask(&window, "Salvare le modifiche a trave-101.lirvo?");
    // The materials of the report's export, with the service limits of NTC 2018 chosen.
    pictureBox("materiali.png");
    lirvo::casefiles::Materials ntc = lirvo::report::defaultMaterials();
    ntc.limits = lirvo::StressLimits::kNtcCharacteristic;
    ntc.sigmaCAdm = "124.5";  // 0.60 · 0.83 · 250
    ntc.sigmaFAdm = "3520";   // 0.80 · 4400
    lirvo::report::ModalReportDialogs().materials(&window, ntc);

    // The report on a machine without a printer, through the real boxes and save dialog.
    NoPrinter none;
    lirvo::ui::ModalSaveDialogs saveDialogs;
    MainWindow plain(calculations, {screen, boxes, none, saveDialogs, noFiles});
    plain.show();
    auto& p = plain.elements();
    clickOption(p.sectionOption(0));
    clickOption(p.operationOption(0));
    clickOption(p.exampleBox.get());
    QTest::mouseClick(p.computeButton.get(), Qt::LeftButton);
    QTest::mouseClick(p.printButton.get(), Qt::LeftButton);
    answerModals(out, out.absoluteFilePath("senza-stampante.pdf"), plain.printDataWindow());
    QTest::mouseClick(plain.printDataWindow()->elements().okButton.get(), Qt::LeftButton);
    return 0;
}
