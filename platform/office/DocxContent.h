#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace platform {

// A field that Word computes when it lays out the page.
enum class DocxField { None, Page, PageCount };

enum class DocxAlignment { Default, Left, Center, Right, Justify };

// The page DocxWriter writes: A4 with 2 cm margins, header and footer 1.25 cm from the edge; in twips.
struct DocxPage {
    static constexpr int width = 11906;
    static constexpr int height = 16838;
    static constexpr int margin = 1134;
    static constexpr int headerDistance = 709;
    static constexpr int footerDistance = 709;
    static constexpr int textWidth = width - 2 * margin;
    static constexpr int textHeight = height - 2 * margin;
};

// How a paragraph sits on the page.
struct DocxParagraphFormat {
    DocxAlignment alignment = DocxAlignment::Default;
    int exactLineTwips = 0;   // every line this high; 0: the word processor's own spacing
    double markPointSize = 0; // the size of the paragraph mark, which sets an empty paragraph's height
    bool pageBreakBefore = false;
    bool keepLines = false; // never split over two pages
};

// One run of a paragraph written by DocxWriter, e.g. DocxRun{.text = "北京", .bold = true}.
struct DocxRun {
    QString text{}; // '\n' is a line break, '\t' a tab
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color{};       // invalid: automatic
    double pointSize = 0; // 0: the document's default
    QString font{};
    QImage picture{};     // when set, the run is this picture (stored as PNG) and text is ignored
    QSizeF pictureSize{}; // in pixels; empty: the picture's own size
    // When set, the run is this field and text is ignored.
    DocxField field = DocxField::None;
};

using DocxParagraph = std::vector<DocxRun>;

struct DocxCell {
    std::vector<DocxParagraph> paragraphs{};
    std::vector<DocxParagraphFormat> formats{}; // of the paragraphs with the same index; default when missing

    static DocxCell text(const QString& text) { return runs({DocxRun{.text = text}}); }
    static DocxCell runs(DocxParagraph runs) { return DocxCell{{std::move(runs)}}; }
    DocxCell& addParagraph(DocxParagraph runs) {
        paragraphs.push_back(std::move(runs));
        return *this;
    }
};

// Rows may differ in length; the table is as wide as its longest row.
struct DocxTable {
    std::vector<std::vector<DocxCell>> rows;
    bool greyFirstRow = false;   // the first row shaded light grey
    bool repeatFirstRow = false; // the first row heads the table on every page; no row splits over two pages

    DocxTable& addRow(std::vector<DocxCell> cells) {
        rows.push_back(std::move(cells));
        return *this;
    }
};

} // namespace platform
