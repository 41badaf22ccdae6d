#include "print/ResultDocument.h"

#include "platform/office/DocxWriter.h"
#include "print/ResultPages.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace print {

namespace {

using platform::DocxAlignment;
using platform::DocxField;
using platform::DocxPage;
using platform::DocxRun;

constexpr int kBorderTwips = ResultDocument::Table::kBorderTwips;
constexpr int kCellPaddingTwips = ResultDocument::Table::kCellPaddingTwips;
// Qt scales the lengths of block and frame formats from 96 dots per inch to the layout's device.
constexpr double kTwipsPerLayoutUnit = 1440.0 / 96;
// The size of type nothing else sets.
constexpr double kDefaultPointSize = 10.5;
const QColor kGrey(0xD9, 0xD9, 0xD9);

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

// Types the paragraph into the cursor's block, which becomes its block.
void Type(QTextCursor& cursor, const ResultDocument::Paragraph& p, int page, int pageCount) {
    QTextBlockFormat block;
    block.setAlignment(ToQt(p.alignment));
    block.setLineHeight(p.lineTwips() / kTwipsPerLayoutUnit, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(block);
    // Merged: in a cell's first block this format also holds the cell's own look.
    QTextCharFormat mark;
    if (p.pointSize > 0) mark.setFontPointSize(p.pointSize);
    cursor.mergeBlockCharFormat(mark);
    for (const DocxRun& run : p.runs)
        cursor.insertText(RunText(run, page, pageCount), ToQt(run));
}

void NoRoom(QTextCursor& cursor) {
    QTextBlockFormat none;
    none.setLineHeight(0, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(none);
}

void TypeTable(QTextCursor& cursor, const ResultDocument::Table& table, int page, int pageCount) {
    const int columns = table.columnCount();
    QTextTableFormat format;
    format.setBorder(kBorderTwips / kTwipsPerLayoutUnit);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    const double width = DocxPage::textWidth / kTwipsPerLayoutUnit;
    format.setWidth(QTextLength(QTextLength::FixedLength, width));
    format.setColumnWidthConstraints(
        QList<QTextLength>(columns, QTextLength(QTextLength::FixedLength, width / columns)));
    QTextTable* t = cursor.insertTable(int(table.rows.size()), columns, format);
    for (int r = 0; r < int(table.rows.size()); ++r) {
        for (int c = 0; c < columns; ++c) {
            QTextTableCell cell = t->cellAt(r, c);
            QTextTableCellFormat look;
            look.setLeftPadding(kCellPaddingTwips / kTwipsPerLayoutUnit);
            look.setRightPadding(kCellPaddingTwips / kTwipsPerLayoutUnit);
            look.setTopPadding(0);
            look.setBottomPadding(0);
            if (r == 0 && table.greyFirstRow) look.setBackground(kGrey);
            cell.setFormat(look);
            QTextCursor in = cell.firstCursorPosition();
            const auto& row = table.rows[r];
            const ResultDocument::Cell content = c < int(row.size()) ? row[c] : ResultDocument::Cell();
            for (size_t i = 0; i < std::max<size_t>(content.size(), 1); ++i) {
                if (i > 0) in.insertBlock();
                Type(in, content.empty() ? ResultDocument::Paragraph() : content[i], page, pageCount);
            }
        }
    }
    cursor.movePosition(QTextCursor::End);
}

platform::DocxParagraphFormat DocxFormat(const ResultDocument::Paragraph& p, bool pageBreakBefore) {
    return {.alignment = p.alignment,
            .exactLineTwips = p.lineTwips(),
            .markPointSize = p.pointSize,
            .pageBreakBefore = pageBreakBefore,
            .keepLines = true};
}

platform::DocxTable DocxTableOf(const ResultDocument::Table& table) {
    platform::DocxTable out;
    out.greyFirstRow = table.greyFirstRow;
    out.repeatFirstRow = table.repeatFirstRow;
    for (const auto& row : table.rows) {
        std::vector<platform::DocxCell> cells;
        for (const ResultDocument::Cell& cell : row) {
            platform::DocxCell c;
            for (const ResultDocument::Paragraph& p : cell) {
                c.paragraphs.push_back(p.runs);
                c.formats.push_back(DocxFormat(p, false));
            }
            cells.push_back(std::move(c));
        }
        out.rows.push_back(std::move(cells));
    }
    return out;
}

} // namespace

int ResultDocument::Paragraph::lineTwips() const {
    double size = pointSize;
    for (const DocxRun& run : runs)
        size = std::max(size, run.pointSize);
    return int(std::lround((size > 0 ? size : kDefaultPointSize) * 1.5 * 20));
}

int ResultDocument::Table::columnCount() const {
    size_t columns = 1;
    for (const auto& row : rows)
        columns = std::max(columns, row.size());
    return int(columns);
}

bool ResultDocument::saveDocx(const QString& path, QString* error) const {
    platform::DocxWriter writer;
    const ResultPages pages(*this);
    // A page opens with a paragraph (ResultPages sees to it), which carries the break.
    for (int i = 0; i < pages.count(); ++i) {
        bool pageStart = i > 0;
        for (const Block& block : pages.page(i)) {
            if (const auto* p = std::get_if<Paragraph>(&block))
                writer.addParagraph(p->runs, DocxFormat(*p, pageStart));
            else
                writer.addTable() = DocxTableOf(std::get<Table>(block));
            pageStart = false;
        }
    }
    writer.setHeader(header_.runs, header_.alignment);
    writer.setFooter(footer_.runs, footer_.alignment);
    return writer.save(path, error);
}

void ResultDocument::fill(QTextDocument* doc, const std::vector<Block>& blocks, int page, int pageCount) {
    doc->clear();
    QFont font = doc->defaultFont();
    font.setPointSizeF(kDefaultPointSize);
    doc->setDefaultFont(font);
    QTextCursor cursor(doc);
    bool first = true;
    for (const Block& block : blocks) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            if (!first) cursor.insertBlock();
            Type(cursor, *p, page, pageCount);
            first = false;
            continue;
        }
        // Qt keeps an empty block before and after every table; they take no room here.
        if (!first) cursor.insertBlock();
        NoRoom(cursor);
        TypeTable(cursor, std::get<Table>(block), page, pageCount);
        NoRoom(cursor);
        first = false;
    }
}

} // namespace print
