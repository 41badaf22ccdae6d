#pragma once
#include <QString>

class QRandomGenerator;

namespace core {

// The 19 symbols a random mask is drawn from.
inline const QString kMaskSymbols = QStringLiteral("§☆★○●◎◇◆□■△▲※～？¤ΘЖФ");

// s written n times; "" when n <= 0.
QString RepeatText(int n, const QString& s);
// n symbols drawn uniformly from the pool; "" when n <= 0.
QString RandomSymbols(int n, QRandomGenerator& rng);
// n mask characters: random symbols for charStyle 0, else myChar repeated.
QString MaskChars(int n, int charStyle, const QString& myChar, QRandomGenerator& rng);

// The rolling text with part of it hidden: style 0 all, 1 the first wei1
// characters, 2 the last wei2, 3 positions wei3..wei4; other styles give "".
QString MaskText(const QString& text, int style, int wei1, int wei2, int wei3, int wei4, int charStyle,
                 const QString& myChar, QRandomGenerator& rng);

} // namespace core
