#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>

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

}  // namespace

std::string titleBorne(const std::string& title) {
    return title.empty() ? kApplicationTitle : title;
}

void ModalMessageBoxes::show(QWidget* parent, const std::string& prompt, MessageStyle style,
                             const std::string& title) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(titleBorne(title)));
    box.setText(QString::fromStdString(prompt));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(iconOf(style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

Answer ModalMessageBoxes::ask(QWidget* parent, const std::string& prompt) {
    QMessageBox box(parent);
    box.setWindowTitle(kApplicationTitle);
    box.setText(QString::fromStdString(prompt));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton("Sì", QMessageBox::YesRole);
    QPushButton* no = box.addButton("No", QMessageBox::NoRole);
    box.addButton("Annulla", QMessageBox::RejectRole);  // also Escape and the close button
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes) return Answer::kYes;
    if (box.clickedButton() == no) return Answer::kNo;
    return Answer::kCancel;
}

}  // namespace lirvo::ui
