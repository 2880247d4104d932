#include "message_box.h"

#include <QMessageBox>

namespace lirvo::ui {
namespace {

// The icon is told by bits 4 to 6 of the style: 16 stop, 32 question, 48 exclamation, 64 i.
QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

std::string boxTitle(const std::string& title) {
    return title.empty() ? kApplicationTitle : title;
}

}  // namespace

void ModalMessageBoxes::show(QWidget* parent, const std::string& prompt, int style,
                             const std::string& title) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(boxTitle(title)));
    box.setText(QString::fromStdString(prompt));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(iconOf(style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void MessageRecorder::show(QWidget*, const std::string& prompt, int style,
                           const std::string& title) {
    shown_.push_back({prompt, style, boxTitle(title)});
}

}  // namespace lirvo::ui
