#include "message_box.h"

#include <QMessageBox>

namespace lirvo::ui {
namespace {

constexpr int kQuestionIcon = 32;

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
    box.setIcon((style & kQuestionIcon) ? QMessageBox::Question : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void MessageRecorder::show(QWidget*, const std::string& prompt, int style,
                           const std::string& title) {
    shown_.push_back({prompt, style, boxTitle(title)});
}

}  // namespace lirvo::ui
