#pragma once
#include <QStringList>

#include <vector>

namespace core {

// The numbers from + i * step up to to, each rounded to the decimals of from and
// step (so 0.1 * 3 is 0.3), in ascending order; each one whose value equals an
// excluded token left out. Empty unless 0 < to - from <= 10000 and step >= 0.001.
std::vector<double> NumberRange(double from, double to, double step, const QString& excluded);

// The tokens of an excluded-numbers text, split at single blanks (two blanks
// give an empty token, worth 0; an empty text gives none).
QStringList ExcludedTokens(const QString& excluded);
// The excluded-numbers text without its last token equal to the token; the text as it is when none is.
QString WithoutLastToken(const QString& excluded, const QString& token);

// The candidates of a name file's text: every non-empty line, unchanged.
QStringList NameLines(const QString& text);

} // namespace core
