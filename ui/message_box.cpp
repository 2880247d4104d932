#include "ui/message_box.h"

#include <QMessageBox>

namespace lirvo::ui {
namespace {

QMessageBox::Icon iconOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::kStop:
            return QMessageBox::Critical;
        case MessageStyle::kQuestion:
            return QMessageBox::Question;
        case MessageStyle::kWarning:
            return QMessageBox::Warning;
        case MessageStyle::kInformation:
            return QMessageBox::Information;
        case MessageStyle::kPlain:
            break;
    }
    return QMessageBox::NoIcon;
}

std::string boxTitle(const std::string& title) {
    return title.empty() ? kApplicationTitle : title;
}

}  // namespace

void ModalMessageBoxes::show(QWidget* parent, const std::string& prompt, MessageStyle style,
                             const std::string& title) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(boxTitle(title)));
    box.setText(QString::fromStdString(prompt));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(iconOf(style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void MessageRecorder::show(QWidget*, const std::string& prompt, MessageStyle style,
                           const std::string& title) {
    shown_.push_back({prompt, style, boxTitle(title)});
}

}  // namespace lirvo::ui
