#include "print/ResultPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

namespace print {

namespace {

using Block = ResultDocument::Block;
using platform::DocxPage;

// What a page's body may fill: a little less than Word's text height.
constexpr int kBodyTwips = DocxPage::textHeight * 97 / 100;

// Filled before it is laid out: Qt lays a table out again after every change to it.
void LayOut(QTextDocument& doc, QPaintDevice* device, const std::vector<Block>& blocks, int page, int pageCount,
            int width = DocxPage::textWidth) {
    ResultDocument::fill(&doc, blocks, page, pageCount);
    doc.documentLayout()->setPaintDevice(device);
    doc.setDocumentMargin(0);
    doc.setTextWidth(width);
}

} // namespace

ResultPages::ResultPages(const ResultDocument& document) : document_(document), device_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(kDotsPerInch / 0.0254);
    device_.setDotsPerMeterX(dotsPerMeter);
    device_.setDotsPerMeterY(dotsPerMeter);
    std::vector<ResultDocument::Paragraph> paragraphs;
    for (const Block& block : document.body())
        if (const auto* p = std::get_if<ResultDocument::Paragraph>(&block)) paragraphs.push_back(*p);
    const std::vector<int> heights = this->heights(paragraphs, DocxPage::textWidth);

    pages_.emplace_back();
    int used = 0;
    size_t next = 0; // of the paragraphs
    for (const Block& block : document.body()) {
        if (const auto* table = std::get_if<ResultDocument::Table>(&block)) {
            paginate(*table, used);
            continue;
        }
        const int h = heights[next++];
        if (used > 0 && used + h > kBodyTwips) {
            pages_.emplace_back();
            used = 0;
        }
        pages_.back().push_back(block);
        used += h;
    }
}

void ResultPages::paginate(const ResultDocument::Table& table, int& used) {
    ResultDocument::Table part = table; // the rows on the current page
    part.rows.clear();
    if (table.rows.empty()) return;
    // A table of one row is as high as the row and what a table adds once (its outer border and the empty
    // blocks around it); two copies of a row tell that apart.
    const auto alone = [&](std::vector<std::vector<ResultDocument::Cell>> rows) {
        ResultDocument::Table t = part;
        t.rows = std::move(rows);
        return height({t});
    };
    // Each cell's text is measured once, a column at a time, as wide as the cell leaves it.
    const int columns = table.columnCount();
    const int width = DocxPage::textWidth / columns - 2 * ResultDocument::Table::kCellPaddingTwips -
                      ResultDocument::Table::kBorderTwips;
    std::vector<int> content(table.rows.size(), 0);
    for (int c = 0; c < columns; ++c) {
        std::vector<ResultDocument::Paragraph> texts;
        std::vector<size_t> rowOf;
        for (size_t r = 0; r < table.rows.size(); ++r) {
            const ResultDocument::Cell cell =
                size_t(c) < table.rows[r].size() ? table.rows[r][size_t(c)] : ResultDocument::Cell();
            for (const auto& p : cell.empty() ? ResultDocument::Cell{{}} : cell) {
                texts.push_back(p);
                rowOf.push_back(r);
            }
        }
        std::vector<int> cellHeights(table.rows.size(), 0);
        const std::vector<int> h = heights(texts, width);
        for (size_t i = 0; i < h.size(); ++i)
            cellHeights[rowOf[i]] += h[i];
        for (size_t r = 0; r < content.size(); ++r)
            content[r] = std::max(content[r], cellHeights[r]);
    }
    // What a table adds once (its outer border and the empty blocks around it) and what each row adds to its
    // text (a border), told apart by a table of the first row and one of two copies of it.
    const int one = alone({table.rows[0]});
    const int pitch = alone({table.rows[0], table.rows[0]}) - one;
    const int once = one - pitch;
    const auto rowHeight = [&](size_t r) { return content[r] + pitch - content[0]; };
    const int firstRow = rowHeight(0);
    used += once;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const int h = rowHeight(r);
        if (used > 0 && used + h > kBodyTwips) {
            // A first row that would stand alone at a page's foot goes on with the rows it heads.
            const bool headOnly = table.repeatFirstRow && r == 1 && part.rows.size() == 1;
            if (!headOnly && !part.rows.empty()) pages_.back().push_back(part);
            used = tablePage() + once;
            if (!headOnly) part.rows.clear();
            if (table.repeatFirstRow && r > 0) {
                if (!headOnly) part.rows.push_back(table.rows[0]);
                used += firstRow;
            }
        }
        part.rows.push_back(table.rows[r]);
        used += h;
    }
    if (!part.rows.empty()) pages_.back().push_back(part);
}

// Word joins a table to one just before it and keeps a break before a table's first row only at the table's
// start; so a page that opens with a table opens with a tiny paragraph that carries the break.
int ResultPages::tablePage() {
    const ResultDocument::Paragraph pageBreak{{}, platform::DocxAlignment::Default, 1};
    pages_.push_back({pageBreak});
    return height({pageBreak});
}

std::vector<int> ResultPages::heights(const std::vector<ResultDocument::Paragraph>& paragraphs, int width) const {
    QTextDocument doc;
    LayOut(doc, &device_, std::vector<Block>(paragraphs.begin(), paragraphs.end()), 1, 1, width);
    std::vector<int> out;
    const auto top = [&](const QTextBlock& b) { return doc.documentLayout()->blockBoundingRect(b).top(); };
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const double bottom = b.next().isValid() ? top(b.next()) : doc.size().height();
        out.push_back(int(std::ceil(bottom - top(b))));
    }
    return out;
}

int ResultPages::height(const std::vector<Block>& blocks) const {
    QTextDocument doc;
    LayOut(doc, &device_, blocks, 1, 1);
    return int(std::ceil(doc.size().height()));
}

void ResultPages::draw(QPainter& painter, int index) const {
    QPaintDevice* device = &device_;
    const auto drawAt = [&](QTextDocument& doc, int top) {
        painter.save();
        painter.translate(DocxPage::margin, top);
        doc.drawContents(&painter);
        painter.restore();
    };
    QTextDocument header;
    LayOut(header, device, {document_.header()}, index + 1, count());
    drawAt(header, DocxPage::headerDistance);
    QTextDocument body;
    LayOut(body, device, page(index), index + 1, count());
    drawAt(body, DocxPage::margin);
    QTextDocument footer;
    LayOut(footer, device, {document_.footer()}, index + 1, count());
    drawAt(footer, DocxPage::height - DocxPage::footerDistance - int(footer.size().height()));
}

} // namespace print
