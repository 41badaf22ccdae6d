#pragma once
#include <QString>

namespace core {

// Texts measured in characters, so that a character beyond the Basic
// Multilingual Plane (a surrogate pair, such as 𬶨) counts once and is never split.
qsizetype CharCount(QStringView text);
// The first n characters; "" when n <= 0.
QString LeftChars(const QString& text, qsizetype n);
// The last n characters; "" when n <= 0.
QString RightChars(const QString& text, qsizetype n);

} // namespace core
