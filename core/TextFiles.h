#pragma once
#include <QString>
#include <QStringList>

namespace core {

// Decodes file bytes: UTF-8 (with or without a byte-order mark), else GB18030,
// so files written by older installations still read.
QString DecodeText(const QByteArray& bytes);

// The file's lines joined by CR LF, without a final line end; empty lines
// before the first non-empty one are dropped. A missing file gives "".
QString ReadTextFile(const QString& path);

// Every line of the file as it stands, empty ones included (line ends CR LF,
// CR or LF). A missing file gives no lines.
QStringList ReadTextLines(const QString& path);

// Replaces the file with the text and a final CR LF, in UTF-8, through a
// temporary file. Returns false with a reason when it cannot be written.
bool WriteTextFile(const QString& text, const QString& path, QString* error = nullptr);

} // namespace core
