#pragma once
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextCharFormat>
#include <vector>

class QTextDocument;

namespace platform {

// What the cells of one document share: their distinct character formats and their pictures.
struct CellResources {
    struct Picture {
        QString name;   // the package part, unique within the document
        QImage image;   // null when the bytes could not be decoded
        QString reason; // why, then
    };
    std::vector<QTextCharFormat> formats; // [0] is the plain format
    std::vector<Picture> pictures;
};

// The content of one table cell, stored compactly: the plain text once, with format ranges over it.
class CellContent {
public:
    // Starts a paragraph; from the second one on this adds the separator.
    void beginParagraph();
    // The alignment of the current paragraph; 0 leaves the default.
    void setAlignment(Qt::Alignment alignment);
    // Text as Word holds it: line ends in it count as spaces.
    void appendText(QStringView text, int format);
    void appendLineBreak(int format);
    // A picture from CellResources::pictures shown at this size in pixels (empty: its own size).
    void appendPicture(int picture, QSizeF size);

    qsizetype size() const { return chars_.size(); } // what the cell holds, in characters
    QString text() const; // paragraphs joined by '\r', line breaks as '\n', pictures left out
    QString firstParagraphText() const;
    // Replaces the document's content with the cell's rich text.
    void fill(QTextDocument* doc, const CellResources& resources) const;

private:
    struct Span {
        int end;     // one past the last character of chars_
        int format;  // index into CellResources::formats
        int picture; // index into pictures_, or -1 for text
    };
    struct Placement {
        int picture;
        float width;
        float height;
    };

    void append(QStringView chars, int format, int picture);
    static QString withoutPictures(QString text);

    QString chars_; // '\r' between paragraphs, U+FFFC where a picture stands
    std::vector<Span> spans_;
    std::vector<Placement> placements_;
    std::vector<Qt::Alignment> alignments_; // by paragraph, as far as one is set
    int paragraphs_ = 0;
};

} // namespace platform
