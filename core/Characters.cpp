#include "core/Characters.h"

namespace core {

namespace {

bool PairAt(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// Offset in UTF-16 units of the character after the first n.
qsizetype OffsetOf(QStringView text, qsizetype n) {
    qsizetype i = 0;
    for (; n > 0 && i < text.size(); --n)
        i += PairAt(text, i) ? 2 : 1;
    return i;
}

} // namespace

qsizetype CharCount(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++count)
        i += PairAt(text, i) ? 2 : 1;
    return count;
}

QString LeftChars(const QString& text, qsizetype n) {
    return text.left(OffsetOf(text, n));
}

QString RightChars(const QString& text, qsizetype n) {
    return n <= 0 ? QString() : text.mid(OffsetOf(text, CharCount(text) - n));
}

} // namespace core
