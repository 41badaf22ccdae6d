#pragma once
#include <QByteArray>
#include <QString>

namespace platform::rtf {

// The Windows code page of an \fcharset value; 0 when the charset adds none of its own.
int CodePageOfCharset(int charset);

// Bytes of a Windows code page as text; unknown code pages fall back to Latin-1.
QString DecodeCodePage(const QByteArray& bytes, int codePage);

} // namespace platform::rtf
