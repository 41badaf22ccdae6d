#include "core/Masking.h"

#include "core/Characters.h"

#include <QRandomGenerator>

namespace core {

QString RepeatText(int n, const QString& s) {
    return n <= 0 ? QString() : s.repeated(n);
}

QString RandomSymbols(int n, QRandomGenerator& rng) {
    QString out;
    for (int i = 0; i < n; ++i)
        out += kMaskSymbols[int(rng.bounded(quint32(kMaskSymbols.size())))];
    return out;
}

QString MaskChars(int n, int charStyle, const QString& myChar, QRandomGenerator& rng) {
    return charStyle == 0 ? RandomSymbols(n, rng) : RepeatText(n, myChar);
}

QString MaskText(const QString& text, int style, int wei1, int wei2, int wei3, int wei4, int charStyle,
                 const QString& myChar, QRandomGenerator& rng) {
    const int n = int(CharCount(text));
    // A part whose length would be negative is empty.
    auto left = [&](int k) { return LeftChars(text, k); };
    auto right = [&](int k) { return RightChars(text, k); };
    auto mask = [&](int k) { return MaskChars(k, charStyle, myChar, rng); };
    switch (style) {
    case 0:
        return mask(n);
    case 1:
        if (wei1 >= n) wei1 = n - 1;
        return mask(wei1) + right(n - wei1);
    case 2:
        if (wei2 >= n) wei2 = n - 1;
        return left(n - wei2) + mask(wei2);
    case 3:
        if (wei3 < 2) wei3 = 2;
        if (wei3 >= n) wei3 = n - 1;
        if (wei4 >= n) wei4 = n - 1;
        return left(wei3 - 1) + mask(wei4 - wei3 + 1) + right(n - wei4);
    default:
        return {};
    }
}

} // namespace core
