#include "print/PrintResultDocument.h"

#include "print/ResultDocument.h"
#include "print/ResultPages.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace print {

namespace {

QString PrinterName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

} // namespace

bool PrintResultDocument(const ResultDocument& document, QPrinter& printer, const QString& title, QString* error) {
    printer.setDocName(title);
    // The pages of the saved document, on A4 paper measured from its corner.
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    const ResultPages pages(document);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = QStringLiteral("打印机“%1”无法开始打印。").arg(PrinterName(printer));
        return false;
    }
    const double scale = double(printer.resolution()) / ResultPages::kDotsPerInch;
    bool ok = true;
    for (int i = 0; i < pages.count() && ok; ++i) {
        if (i > 0) ok = printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        pages.draw(painter, i);
        painter.restore();
    }
    ok = painter.end() && ok && printer.printerState() != QPrinter::Error;
    if (!ok && error) *error = QStringLiteral("打印机“%1”打印时出错。").arg(PrinterName(printer));
    return ok;
}

} // namespace print
