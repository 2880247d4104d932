#include "ui/printer.h"

#include <QFileDialog>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace lirvo::ui {

bool printOnePage(QPrinter& printer, QWidget& widget) {
    // The widget is recorded as drawing commands and played back on the page, so that the
    // text reaches the printer as text: crisp at any size, and searchable in a PDF file. (A
    // widget drawn straight onto a printer would arrive as a screen-resolution picture.)
    QPicture image;
    QPainter recorder(&image);
    widget.render(&recorder, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printer counts pixels at the screen's resolution, so the recorded sizes hold; the
    // whole image is then scaled to the page, its proportions kept.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / widget.width(), page.height() / widget.height());
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, image);
    return painter.end();
}

PrintResult DefaultPrinter::printWidget(QWidget& widget) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return PrintResult::kNoPrinter;
    QPrinter printer(info, QPrinter::ScreenResolution);
    return printOnePage(printer, widget) ? PrintResult::kPrinted : PrintResult::kFailed;
}

PrintResult PdfFilePrinter::printWidget(QWidget& widget) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path_);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName("lirvo");
    return printOnePage(printer, widget) ? PrintResult::kPrinted : PrintResult::kFailed;
}

std::optional<QString> ModalSaveDialogs::pdfFileName(QWidget* parent, const QString& proposed) {
    const QString path = QFileDialog::getSaveFileName(parent, "Salva la pagina come PDF", proposed,
                                                      "Documento PDF (*.pdf)");
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace lirvo::ui
