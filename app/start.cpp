#include "app/start.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/main_window.h"
#include "app/report_command.h"
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
    CalcFrame calculations;  // holds the calculation code for the whole run
    FrmVerifica window(calculations, {screen, messages, printer, saveDialogs});
    window.show();
    return application.exec();
}

}  // namespace lirvo::app
