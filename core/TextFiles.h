#pragma once
#include <QString>
#include <QStringList>

namespace core {

// The encodings of text files: older installations wrote GBK (read as its
// superset GB18030), users' editors write UTF-8.
enum class TextEncoding { Utf8, Gb18030 };

// The encoding of bytes without a byte-order mark. UTF-8 validity alone does
// not tell: GBK Chinese is often valid UTF-8 ("小学" d0 a1 d1 a7 reads "Сѧ").
// But Chinese in UTF-8 always has three-byte characters, while GBK Chinese read
// as UTF-8 gives only two-byte ones (Latin, Greek, Cyrillic ...). So bytes are
// GB18030 when they are not valid UTF-8, or when their UTF-8 reading has no
// character from U+0800 up but some beyond ASCII, and they are GB2312 text
// or their UTF-8 reading holds control characters. A UTF-8 text of Latin
// letters alone with two-byte ones as "é" is taken for GBK without a mark.
TextEncoding GuessEncoding(QByteArrayView bytes);

QString Decode(QByteArrayView bytes, TextEncoding encoding);

// Decodes file bytes: UTF-8 when they start with its byte-order mark, else as
// GuessEncoding decides.
QString DecodeText(const QByteArray& bytes);

// The file's lines joined by CR LF, without a final line end; empty lines
// before the first non-empty one are dropped. A missing file gives "".
QString ReadTextFile(const QString& path);

// Every line of the file as it stands, empty ones included (line ends CR LF,
// CR or LF). A missing file gives no lines.
QStringList ReadTextLines(const QString& path);

// The bytes of a text file: the text and a final CR LF in UTF-8. A text that
// GuessEncoding would take for GBK gets a byte-order mark, so it is never misread.
QByteArray TextFileBytes(const QString& text);

// Replaces the file with TextFileBytes(text) through a temporary file; the old
// file stays unless every byte is written. Returns false with a reason then.
bool WriteTextFile(const QString& text, const QString& path, QString* error = nullptr);

} // namespace core
