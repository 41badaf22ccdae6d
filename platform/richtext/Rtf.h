#pragma once
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace platform {

// Replaces the document's content with the rich text of an RTF stream.
// Returns false, with a reason, when the bytes are not RTF.
bool ReadRtf(const QByteArray& rtf, QTextDocument* doc, QString* error = nullptr);

// The document as RTF: colour and font tables, character formats, paragraphs,
// text beyond ASCII as \uN, pictures as PNG.
QByteArray WriteRtf(const QTextDocument& doc);

} // namespace platform
