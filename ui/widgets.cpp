#include "ui/widgets.h"

#include <QFontDatabase>
#include <QPainter>

#include "ui/rtf_document.h"

namespace lirvo::ui {

void Frame::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

void PictureBox::loadPicture(const QString& path) {
    QImage image;
    picture_ = image.load(path) ? image : QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull() || width() <= 0 || height() <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    painter.drawImage(target, picture_);
}

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    viewport()->setCursor(Qt::ArrowCursor);
}

void RichTextBox::loadRtfFile(const QString& path) {
    fillDocument(*document(), readRtfDocument(path));
    moveCursor(QTextCursor::Start);  // the reader starts at the title
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

QLabel* plainLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void unselect(QRadioButton* option) {
    if (!option->isChecked()) return;
    const bool exclusive = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
}

namespace {
constexpr const char* kHellasFamily = "HellasArial Condensed";
constexpr const char* kCondensedFallback = "Liberation Sans Narrow";
}  // namespace

QString greekCaptionFamily() {
    return QFontDatabase::families().contains(kHellasFamily) ? kHellasFamily : kCondensedFallback;
}

QString condensedFamily() {
    return kCondensedFallback;
}

QString greekCaptionText(const QString& unicodeText) {
    if (greekCaptionFamily() != kHellasFamily) return unicodeText;
    QString legacy = unicodeText;
    return legacy.replace(QChar(0x03C3), QChar(243));
}

}  // namespace lirvo::ui
