#include "platform/office/CellContent.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace platform {

namespace {

constexpr QChar kPicture = QChar::ObjectReplacementCharacter;

} // namespace

void CellContent::beginParagraph() {
    if (paragraphs_++ > 0) append(u"\r", spans_.empty() ? 0 : spans_.back().format, -1);
}

void CellContent::setAlignment(Qt::Alignment alignment) {
    if (!alignment || paragraphs_ == 0) return;
    alignments_.resize(size_t(paragraphs_));
    alignments_.back() = alignment;
}

void CellContent::appendText(QStringView text, int format) {
    // The characters that mark structure in chars_ must not come from the text itself.
    QString clean = text.toString();
    for (QChar& c : clean) {
        if (c == u'\r' || c == u'\n' || c == kPicture) c = u' ';
    }
    append(clean, format, -1);
}

void CellContent::appendLineBreak(int format) {
    append(u"\n", format, -1);
}

void CellContent::appendPicture(int picture, QSizeF size) {
    placements_.push_back({picture, float(size.width()), float(size.height())});
    append(QStringView(&kPicture, 1), 0, int(placements_.size()) - 1);
}

void CellContent::append(QStringView chars, int format, int picture) {
    if (chars.isEmpty()) return;
    chars_ += chars;
    const int end = int(chars_.size());
    if (picture < 0 && !spans_.empty() && spans_.back().picture < 0 && spans_.back().format == format) {
        spans_.back().end = end;
    } else {
        spans_.push_back({end, format, picture});
    }
}

QString CellContent::withoutPictures(QString text) {
    text.remove(kPicture);
    return text;
}

QString CellContent::text() const {
    return placements_.empty() ? chars_ : withoutPictures(chars_);
}

QString CellContent::firstParagraphText() const {
    return withoutPictures(chars_.left(chars_.indexOf(u'\r')));
}

void CellContent::fill(QTextDocument* doc, const CellResources& resources) const {
    doc->clear();
    QTextCursor cursor(doc);
    int start = 0;
    for (const Span& span : spans_) {
        if (span.picture >= 0) {
            const Placement& p = placements_[size_t(span.picture)];
            const CellResources::Picture& picture = resources.pictures[size_t(p.picture)];
            if (!picture.image.isNull()) {
                doc->addResource(QTextDocument::ImageResource, QUrl(picture.name), picture.image);
                QTextImageFormat f;
                f.setName(picture.name);
                if (p.width > 0 && p.height > 0) {
                    f.setWidth(p.width);
                    f.setHeight(p.height);
                }
                cursor.insertImage(f);
            } else {
                // What cannot be shown still shows where it stood.
                cursor.insertText(QStringLiteral("〔图片无法显示：%1〕").arg(picture.reason), resources.formats[0]);
            }
        } else {
            // QTextCursor makes every '\n' a new paragraph; a line break within one is U+2028.
            QString piece = chars_.sliced(start, span.end - start);
            piece.replace(u'\n', QChar::LineSeparator);
            cursor.insertText(piece, resources.formats[size_t(span.format)]);
        }
        start = span.end;
    }
    QTextBlock block = doc->begin();
    for (size_t i = 0; i < alignments_.size() && block.isValid(); ++i, block = block.next()) {
        if (!alignments_[i]) continue;
        QTextBlockFormat f = block.blockFormat();
        f.setAlignment(alignments_[i]);
        QTextCursor(block).setBlockFormat(f);
    }
}

} // namespace platform
