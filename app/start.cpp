#include "start.h"

#include <QApplication>

#include "main_window.h"
#include "message_box.h"
#include "screen.h"

namespace lirvo::app {

int start(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(ui::kApplicationTitle);
    QApplication::setFont(QFont("Liberation Sans", 9));

    ui::DesktopScreen screen;
    ui::ModalMessageBoxes messages;
    CalcFrame calculations;  // holds the calculation code for the whole run
    FrmVerifica window(calculations, {screen, messages});
    window.show();
    return application.exec();
}

}  // namespace lirvo::app
