#include "print/PrintResultDocument.h"

#include "print/ResultDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

namespace print {

namespace {

// Lays the paragraphs out in the printer's own resolution, as wide as the printable area.
void Layout(QTextDocument& doc, QPrinter& printer, qreal width, const std::vector<ResultDocument::Paragraph>& content,
            int page, int pageCount) {
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setDocumentMargin(0);
    doc.setTextWidth(width);
    ResultDocument::fill(&doc, content, page, pageCount);
}

void DrawAt(QPainter& painter, QTextDocument& doc, qreal top) {
    painter.save();
    painter.translate(0, top);
    doc.drawContents(&painter);
    painter.restore();
}

QString PrinterName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

} // namespace

bool PrintResultDocument(const ResultDocument& document, QPrinter& printer, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = QStringLiteral("打印机“%1”无法开始打印。").arg(PrinterName(printer));
        return false;
    }
    const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
    QTextDocument header;
    Layout(header, printer, area.width(), {document.header()}, 1, 1);
    QTextDocument footer;
    Layout(footer, printer, area.width(), {document.footer()}, 1, 1);
    const qreal gap = header.size().height() / 2;
    const qreal bodyTop = header.size().height() + gap;
    // A page always keeps at least half of its height for the body.
    const qreal bodyHeight = std::max(area.height() - bodyTop - footer.size().height() - gap, area.height() / 2);

    QTextDocument body;
    body.documentLayout()->setPaintDevice(&printer);
    body.setDocumentMargin(0);
    body.setPageSize(QSizeF(area.width(), bodyHeight));
    ResultDocument::fill(&body, document.body(), 1, 1);
    const int pages = body.pageCount();
    bool ok = true;
    for (int i = 0; i < pages && ok; ++i) {
        if (i > 0) ok = printer.newPage();
        DrawAt(painter, header, 0);
        painter.save();
        painter.translate(0, bodyTop - i * bodyHeight);
        body.drawContents(&painter, QRectF(0, i * bodyHeight, area.width(), bodyHeight));
        painter.restore();
        Layout(footer, printer, area.width(), {document.footer()}, i + 1, pages);
        DrawAt(painter, footer, area.height() - footer.size().height());
    }
    ok = painter.end() && ok && printer.printerState() != QPrinter::Error;
    if (!ok && error) *error = QStringLiteral("打印机“%1”打印时出错。").arg(PrinterName(printer));
    return ok;
}

} // namespace print
