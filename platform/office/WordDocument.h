#pragma once
#include "platform/office/CellContent.h"

#include <QString>
#include <optional>
#include <vector>

class QTextDocument;

namespace platform {

// The first table of a Word document, read completely into memory.
//
// Cells are addressed 0-based: row 0 is the header row. A w:tc is one cell whatever it spans, so
// columnCount() is the most cells any row has (w:tblGrid counts grid columns, which merged cells
// would turn into phantom columns). Cells missing from short rows read as empty.
class WordDocument {
public:
    // Reads a .docx; a .doc is read from its copy converted with LibreOffice, kept in convertedFolder (none: a
    // temporary folder). Fails with an English reason.
    static std::optional<WordDocument> open(const QString& path, QString* error = nullptr,
                                            const QString& convertedFolder = {});

    int tableCount() const { return tableCount_; } // top-level tables of the body
    int rowCount() const { return int(rows_.size()); }
    int columnCount() const { return columnCount_; }

    // The plain text of the cell's first paragraph, e.g. the question number.
    QString firstParagraphText(int row, int column) const;
    // The plain text of the cell: paragraphs joined by '\r', line breaks as '\n', tabs as '\t'.
    QString text(int row, int column) const;
    // Replaces the document's content with the cell's rich text; pictures become its resources.
    void fillCell(int row, int column, QTextDocument* out) const;

private:
    static std::optional<WordDocument> openDocx(const QString& path, QString* error);
    const CellContent* cell(int row, int column) const;

    int tableCount_ = 0;
    int columnCount_ = 0;
    std::vector<std::vector<CellContent>> rows_;
    CellResources resources_;
};

} // namespace platform
