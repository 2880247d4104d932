// The printer of the program: one page holding the image of a window as drawn on the screen,
// scaled to fit the page with its proportions kept. Tests put a PDF file in place of the
// printer and a fixed answer in place of the save dialog, so no test waits on either.
#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace lirvo::ui {

enum class PrintResult { kPrinted, kNoPrinter, kFailed };

class Printer {
  public:
    virtual ~Printer() = default;
    // The widget with every visible child, as one page; the job is ended before returning.
    virtual PrintResult printWidget(QWidget& widget) = 0;
};

// The system's default printer.
class DefaultPrinter : public Printer {
  public:
    PrintResult printWidget(QWidget& widget) override;
};

// A PDF file standing in for the printer.
class PdfFilePrinter : public Printer {
  public:
    explicit PdfFilePrinter(QString path) : path_(std::move(path)) {}
    PrintResult printWidget(QWidget& widget) override;

  private:
    QString path_;
};

// One page on any printer: false when the job could not be started or did not end well.
bool printOnePage(QPrinter& printer, QWidget& widget);

class SaveDialogs {
  public:
    virtual ~SaveDialogs() = default;
    // The path the user chose for a PDF file, starting from the proposed one; none when the
    // user cancelled.
    virtual std::optional<QString> pdfFileName(QWidget* parent, const QString& proposed) = 0;
};

class ModalSaveDialogs : public SaveDialogs {
  public:
    std::optional<QString> pdfFileName(QWidget* parent, const QString& proposed) override;
};

}  // namespace lirvo::ui
