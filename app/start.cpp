#include "app/start.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/case_document.h"
#include "app/main_window.h"
#include "app/report_command.h"
#include "casefiles/case_file.h"
#include "ui/message_box.h"
#include "ui/screen.h"

namespace lirvo::app {

int start(int argc, char** argv) {
    // "--relazione": the report of case files, written without a window.
    if (isReportCommand(argc, argv)) return runReportCommand(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(ui::kApplicationTitle);
    QApplication::setFont(QFont("Liberation Sans", 9));
    // The toolkit's own dialogs (the save dialog) in Italian too, where the translation is
    // installed (Debian package qt6-translations-l10n); otherwise they stay in English.
    QTranslator toolkitItalian;
    if (toolkitItalian.load("qtbase_it", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitItalian);

    ui::DesktopScreen screen;
    ui::ModalMessageBoxes messages;
    ui::DefaultPrinter printer;
    ui::ModalSaveDialogs saveDialogs;
    ui::ModalCaseFileDialogs caseFileDialogs(casefiles::kNameFilter, casefiles::kSuffix);
    CalcFrame calculations;  // holds the calculation code for the whole run
    MainWindow window(calculations, {screen, messages, printer, saveDialogs, caseFileDialogs});
    window.show();
    openArguments(window, QApplication::arguments());
    return application.exec();
}

void openArguments(MainWindow& window, const QStringList& arguments) {
    if (arguments.size() > 1) window.caseDocument().openFile(arguments[1]);
}

}  // namespace lirvo::app
