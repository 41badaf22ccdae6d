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

    DocxTable& addRow(std::vector<DocxCell> cells) {
        rows.push_back(std::move(cells));
        return *this;
    }
};

} // namespace platform
