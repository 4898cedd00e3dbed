#pragma once
// Printing of a window's image.  The image is scaled to fit the printable
// area of one page, keeping its proportions.  Without a default printer (or
// when a PDF output is pinned for tests) the page goes to a PDF file instead.

#include <QImage>
#include <QString>

class QWidget;

namespace gv {

struct PrintOutcome {
    bool ok = false;
    QString output; // printer name, or the PDF file written
    QString error;
    bool savedAsPdf = false; // no printer: the page went to the fallback PDF file
};

// Prints the image on the default printer, or writes it to pdfFallback when
// the machine has no printer.  Fails when neither can be done.
PrintOutcome printImage(const QImage& image, const QString& pdfFallback);

// The window's image as it stands (its grab), printed as above.
PrintOutcome printWindowImage(QWidget* window, const QString& pdfFallback);

// Tests: while set, every print goes to this PDF file, never to a printer.
void setPrintToPdfOverride(const QString& pdfPath);

} // namespace gv
