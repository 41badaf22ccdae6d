#include "core/CandidateSources.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

// A legal range (span 10000, step 0.001) has 10,000,001 numbers; no range holds more.
constexpr qint64 kMaxIndex = 10'000'000;

// Decimals of a number as a person types it: those of its shortest text ("1.5e-05" has 6).
int TypedDecimals(double x) {
    const QString text = FormatNumber(x);
    const qsizetype e = text.indexOf(u'e');
    const QString mantissa = e < 0 ? text : text.left(e);
    const int exponent = e < 0 ? 0 : text.mid(e + 1).toInt();
    const qsizetype point = mantissa.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(mantissa.size() - point - 1);
    return std::max(0, decimals - exponent);
}

// Rounds to the given power of ten, so the value is the one its typed text reads.
// Dividing two exact integers is correctly rounded, hence equal to reading the text.
double RoundToScale(double x, double scale) {
    const double scaled = x * scale;
    if (!(std::abs(scaled) < 0x1p52)) return x + 0.0; // no decimal left to round away
    return std::round(scaled) / scale + 0.0;          // + 0.0: a zero is never -0
}

} // namespace

QStringList ExcludedTokens(const QString& excluded) {
    if (excluded.isEmpty()) return {};
    return excluded.split(u' ');
}

QString WithoutLastToken(const QString& excluded, const QString& token) {
    QStringList tokens = ExcludedTokens(excluded);
    const qsizetype i = tokens.lastIndexOf(token);
    if (i < 0) return excluded;
    tokens.removeAt(i);
    return tokens.join(u' ');
}

std::vector<double> NumberRange(double from, double to, double step, const QString& excluded) {
    if (!(to - from <= 10000 && to > from && step >= 0.001)) return {};
    std::vector<double> skip;
    for (const QString& t : ExcludedTokens(excluded))
        skip.push_back(LeadingNumber(t));
    std::sort(skip.begin(), skip.end());

    // from + i * step has no more decimals than from and step; beyond 22 a power of ten is inexact.
    const int decimals = std::max(TypedDecimals(from), TypedDecimals(step));
    const double scale = decimals <= 22 ? std::pow(10.0, decimals) : 0;
    // The quotient of typed values is a whole number when the end lies on the range; a few ulps
    // of slack keep it from rounding down, and the value test below drops an index too many.
    const qint64 last = std::min(qint64((to - from) / step * (1 + 1e-9)), kMaxIndex);

    std::vector<double> out;
    out.reserve(size_t(last) + 1);
    for (qint64 i = 0; i <= last; ++i) {
        const double raw = from + double(i) * step;
        const double x = scale > 0 ? RoundToScale(raw, scale) : raw;
        if (x > to) break;
        if (!std::binary_search(skip.begin(), skip.end(), x)) out.push_back(x);
    }
    return out;
}

QStringList NameLines(const QString& text) {
    QStringList out = text.split(QStringLiteral("\r\n"));
    out.removeIf([](const QString& l) { return l.isEmpty(); });
    return out;
}

} // namespace core
