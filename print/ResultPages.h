#pragma once
#include "print/ResultDocument.h"

#include <QImage>

class QPainter;

namespace print {

// The pages of a result document, laid out once for the saved .docx and for the printer. A page holds
// whole paragraphs and whole table rows; a table that goes on to another page starts there again with
// its first row when it repeats it. Word gets the same pages: exact line heights and a page break
// before each page's first block, and this layout leaves a little room at each page's foot so that
// Word's own measures never push a block over.
class ResultPages {
public:
    // One dot a twip.
    static constexpr int kDotsPerInch = 1440;

    explicit ResultPages(const ResultDocument& document);

    int count() const { return int(pages_.size()); }
    const std::vector<ResultDocument::Block>& page(int index) const { return pages_[size_t(index)]; }

    // Draws the page (0-based) with its header and footer, in twips from the paper's top left corner.
    void draw(QPainter& painter, int index) const;

private:
    int height(const std::vector<ResultDocument::Block>& blocks) const;
    // Each paragraph's height, laid out one below the other at this width.
    std::vector<int> heights(const std::vector<ResultDocument::Paragraph>& paragraphs, int width) const;
    void paginate(const ResultDocument::Table& table, int& used);
    int tablePage(); // starts a page for a table's rows; the height it took

    const ResultDocument& document_;
    mutable QImage device_; // gives the layout its resolution; Qt wants it writable
    std::vector<std::vector<ResultDocument::Block>> pages_;
};

} // namespace print
