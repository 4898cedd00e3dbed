#include "platform/Printing.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace gv {

namespace {
QString& pdfOverride()
{
    static QString path;
    return path;
}
} // namespace

void setPrintToPdfOverride(const QString& pdfPath) { pdfOverride() = pdfPath; }

PrintOutcome printImage(const QImage& image, const QString& pdfFallback)
{
    PrintOutcome out;
    if (image.isNull()) {
        out.error = "nothing to print";
        return out;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (pdfOverride().isEmpty() && !info.isNull()) {
        printer.setPrinterName(info.printerName());
        out.output = info.printerName();
    } else {
        const QString pdf = pdfOverride().isEmpty() ? pdfFallback : pdfOverride();
        if (pdf.isEmpty()) {
            out.error = "no printer";
            return out;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        out.output = pdf;
        out.savedAsPdf = pdfOverride().isEmpty();
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        out.error = "the printer could not be started";
        return out;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(0, 0, page.width(), page.height());
    const QSize fitted = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint(0, 0), fitted), image);
    const bool ended = painter.end();
    if (!ended) {
        out.error = "the page could not be finished";
        return out;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !QFileInfo(out.output).isFile()) {
        out.error = "the file could not be written";
        return out;
    }
    out.ok = true;
    return out;
}

PrintOutcome printWindowImage(QWidget* window, const QString& pdfFallback)
{
    if (!window)
        return PrintOutcome{false, {}, "no window"};
    return printImage(window->grab().toImage(), pdfFallback);
}

} // namespace gv
