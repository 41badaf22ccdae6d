#pragma once
#include "platform/office/DocxContent.h"

#include <QString>
#include <variant>
#include <vector>

class QTextDocument;

namespace print {

// A document of formatted paragraphs and tables with a page header and a page footer of one paragraph
// each. It is laid out into pages once (ResultPages); the saved .docx carries those page breaks and
// line heights, and the printer draws the same pages. Runs marked with a DocxField stand for the page
// number and the page count.
class ResultDocument {
public:
    struct Paragraph {
        platform::DocxParagraph runs;
        platform::DocxAlignment alignment = platform::DocxAlignment::Default;
        double pointSize = 0; // of the paragraph mark; an empty paragraph is as high as a line of it

        // Every line of the paragraph is this high, in twips: 1.5 times its largest type.
        int lineTwips() const;
    };
    using Cell = std::vector<Paragraph>;
    struct Table {
        // Word draws a 1/2 pt border, Qt nothing thinner than 3/4 pt; 0.19 cm between text and cell sides.
        static constexpr int kBorderTwips = 15;
        static constexpr int kCellPaddingTwips = 108;

        std::vector<std::vector<Cell>> rows;
        bool greyFirstRow = false;
        bool repeatFirstRow = false; // the first row heads the table again on every page

        int columnCount() const;
    };
    using Block = std::variant<Paragraph, Table>;

    void addParagraph(platform::DocxParagraph runs, platform::DocxAlignment alignment, double pointSize = 0) {
        body_.emplace_back(Paragraph{std::move(runs), alignment, pointSize});
    }
    void addBlock(Block block) { body_.push_back(std::move(block)); }
    void setHeader(Paragraph header) { header_ = std::move(header); }
    void setFooter(Paragraph footer) { footer_ = std::move(footer); }

    const std::vector<Block>& body() const { return body_; }
    const Paragraph& header() const { return header_; }
    const Paragraph& footer() const { return footer_; }

    // Saves the document page by page as it prints.
    bool saveDocx(const QString& path, QString* error = nullptr) const;

    // Replaces the document's content with the blocks; fields show the given page number and count.
    // Lengths are in twips: lay the document out on a device of 1440 dots per inch.
    static void fill(QTextDocument* doc, const std::vector<Block>& blocks, int page, int pageCount);

private:
    std::vector<Block> body_;
    Paragraph header_;
    Paragraph footer_;
};

} // namespace print
