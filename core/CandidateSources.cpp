#include "core/CandidateSources.h"

#include "core/NumberText.h"

#include <algorithm>

namespace core {

QStringList ExcludedTokens(const QString& excluded) {
    if (excluded.isEmpty()) return {};
    return excluded.split(u' ');
}

std::vector<double> NumberRange(double from, double to, double step, const QString& excluded) {
    if (!(to - from <= 10000 && to > from && step >= 0.001)) return {};
    std::vector<double> skip;
    for (const QString& t : ExcludedTokens(excluded))
        skip.push_back(LeadingNumber(t));
    std::sort(skip.begin(), skip.end());

    std::vector<double> out;
    out.reserve(size_t((to - from) / step) + 2);
    // Repeated addition, as the user's range has always been counted.
    for (double x = from; x <= to; x += step)
        if (!std::binary_search(skip.begin(), skip.end(), x)) out.push_back(x);
    return out;
}

QStringList NameLines(const QString& text) {
    QStringList out = text.split(QStringLiteral("\r\n"));
    out.removeIf([](const QString& l) { return l.isEmpty(); });
    return out;
}

} // namespace core
