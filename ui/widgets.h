// Small widgets the windows need beyond the toolkit's own: a frame and a rich-text box that
// report a double click, a picture box that fits its image, and option-button helpers.
#pragma once

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QTextEdit>
#include <QWidget>

namespace lirvo::ui {

class Frame : public QGroupBox {
    Q_OBJECT
  public:
    using QGroupBox::QGroupBox;
  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Shows its picture scaled to fit, keeping its proportions, centred.
class PictureBox : public QWidget {
  public:
    using QWidget::QWidget;
    // An unreadable or missing file leaves the box empty.
    void loadPicture(const QString& path);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

class RichTextBox : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichTextBox(QWidget* parent = nullptr);
    // Reads an RTF file; a missing or unreadable one leaves the box empty.
    void loadRtfFile(const QString& path);
  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A caption that shows its text as given, never guessing rich text in it.
QLabel* plainLabel(QWidget* parent, const QString& text = {});

// Option buttons of one frame exclude each other; this unselects one without selecting another.
void unselect(QRadioButton* option);

// "HellasArial Condensed" where installed, otherwise a condensed sans of the system.
QString greekCaptionFamily();
// The condensed sans of the system: long numbers in narrow value fields.
QString condensedFamily();
// A caption for the Greek font: the legacy font holds the small sigma at code 243.
QString greekCaptionText(const QString& unicodeText);

}  // namespace lirvo::ui
