#include "print/ResultDocument.h"

#include "platform/office/DocxWriter.h"

#include <QTextCursor>
#include <QTextDocument>

namespace print {

namespace {

using platform::DocxAlignment;
using platform::DocxField;
using platform::DocxRun;

Qt::Alignment ToQt(DocxAlignment alignment) {
    switch (alignment) {
    case DocxAlignment::Center:
        return Qt::AlignHCenter;
    case DocxAlignment::Right:
        return Qt::AlignRight;
    case DocxAlignment::Justify:
        return Qt::AlignJustify;
    case DocxAlignment::Left:
    case DocxAlignment::Default:
        break;
    }
    return Qt::AlignLeft;
}

QTextCharFormat ToQt(const DocxRun& run) {
    QTextCharFormat f;
    if (run.bold) f.setFontWeight(QFont::Bold);
    f.setFontItalic(run.italic);
    f.setFontUnderline(run.underline);
    f.setFontStrikeOut(run.strikeOut);
    if (run.color.isValid()) f.setForeground(run.color);
    if (run.pointSize > 0) f.setFontPointSize(run.pointSize);
    if (!run.font.isEmpty()) f.setFontFamilies({run.font});
    return f;
}

QString RunText(const DocxRun& run, int page, int pageCount) {
    switch (run.field) {
    case DocxField::Page:
        return QString::number(page);
    case DocxField::PageCount:
        return QString::number(pageCount);
    case DocxField::None:
        break;
    }
    if (!run.picture.isNull()) return {};
    return QString(run.text).replace(u'\n', QChar::LineSeparator); // a line break, as in the .docx
}

} // namespace

bool ResultDocument::saveDocx(const QString& path, QString* error) const {
    platform::DocxWriter writer;
    for (const Paragraph& p : body_)
        writer.addParagraph(p.runs, p.alignment);
    writer.setHeader(header_.runs, header_.alignment);
    writer.setFooter(footer_.runs, footer_.alignment);
    return writer.save(path, error);
}

void ResultDocument::fill(QTextDocument* doc, const std::vector<Paragraph>& paragraphs, int page, int pageCount) {
    doc->clear();
    QTextCursor cursor(doc);
    bool first = true;
    for (const Paragraph& p : paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(ToQt(p.alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const DocxRun& run : p.runs)
            cursor.insertText(RunText(run, page, pageCount), ToQt(run));
    }
}

} // namespace print
