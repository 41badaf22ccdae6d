#include "core/NumberText.h"

#include <cmath>
#include <limits>

namespace core {

double LeadingNumber(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    QString number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) number += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            digits = true;
            number += c;
        } else if (c == u'.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (text[j] == u'+' || text[j] == u'-')) exponent += text[j++];
        const int firstDigit = j;
        while (j < n && text[j] >= u'0' && text[j] <= u'9')
            exponent += text[j++];
        if (j > firstDigit) number += exponent;
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

double RoundHalfEven(double x) {
    return std::nearbyint(x); // the default rounding mode rounds halves to even
}

std::optional<qint16> ToInt16(double x) {
    const double r = RoundHalfEven(x);
    if (!(r >= std::numeric_limits<qint16>::min() && r <= std::numeric_limits<qint16>::max())) return std::nullopt;
    return qint16(r);
}

qint16 LeadingInt16(const QString& text) {
    return ToInt16(LeadingNumber(text)).value_or(0);
}

QString FormatNumber(double x) {
    if (x == 0) return QStringLiteral("0"); // also -0
    return QString::number(x, 'g', 15);
}

QString PrintNumber(double x) {
    const QString digits = FormatNumber(x);
    return (digits.startsWith(u'-') ? digits : u' ' + digits) + u' ';
}

} // namespace core
