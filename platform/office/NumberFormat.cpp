#include "platform/office/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace platform {

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr double kLastSerial = 2958465; // 9999-12-31, the last day a spreadsheet shows as a date

// std::to_chars is many times quicker than QString::number, which shows on sheets of 20,000 rows.
QString chars(double value, std::chars_format format, int precision) {
    char buffer[400]; // room for the fixed notation of the largest double
    const std::to_chars_result result = std::to_chars(std::begin(buffer), std::end(buffer), value, format, precision);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// Rounds half away from zero as spreadsheets do; "+ 0.0" turns -0 into 0.
QString fixedText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return chars(std::round(value * scale) / scale + 0.0, std::chars_format::fixed, decimals);
}

bool isTimeLetter(QChar c) {
    return c == u'h' || c == u'H' || c == u's' || c == u'S';
}

} // namespace

NumberFormat NumberFormat::builtIn(int id) {
    switch (id) {
    case 1:
    case 3:
        return NumberFormat(Kind::Fixed, 0);
    case 2:
    case 4:
        return NumberFormat(Kind::Fixed, 2);
    case 9:
        return NumberFormat(Kind::Percent, 0);
    case 10:
        return NumberFormat(Kind::Percent, 2);
    case 22:
        return NumberFormat(Kind::DateTime);
    default:
        break;
    }
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 54) || id == 57 || id == 58)
        return NumberFormat(Kind::Date);
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 35) || (id >= 45 && id <= 47) || id == 55 || id == 56)
        return NumberFormat(Kind::Time);
    return NumberFormat();
}

NumberFormat NumberFormat::fromCode(QStringView code) {
    if (code.startsWith(u"General", Qt::CaseInsensitive)) return NumberFormat();
    bool date = false, time = false, month = false, percent = false, digits = false, other = false, point = false;
    int decimals = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u';') break;
        if (c == u'"') {
            i = code.indexOf(u'"', i + 1);
            if (i < 0) break;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is a literal or a padding
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i);
            if (end < 0) break;
            // Elapsed time such as [h]; colours and locales are skipped.
            if (end > i + 1 && isTimeLetter(code[i + 1])) time = true;
            i = end;
        } else if (c == u'y' || c == u'Y' || c == u'd' || c == u'D') {
            date = true;
        } else if (c == u'm' || c == u'M') {
            month = true;
        } else if (isTimeLetter(c)) {
            time = true;
        } else if (c == u'%') {
            percent = true;
        } else if (c == u'.') {
            point = true;
        } else if (c == u'0' || c == u'#' || c == u'?') {
            digits = true;
            if (point) ++decimals;
        } else if (c == u'E' || c == u'e' || c == u'/') {
            other = true; // scientific or fraction
        }
    }
    // "m" is the month unless it sits among hours and seconds only.
    if (date || (month && !time)) return NumberFormat(time ? Kind::DateTime : Kind::Date);
    if (time) return NumberFormat(Kind::Time);
    if (!digits || other) return NumberFormat();
    return NumberFormat(percent ? Kind::Percent : Kind::Fixed, decimals);
}

QString NumberFormat::generalText(double value) {
    if (value == 0) return QStringLiteral("0");
    return chars(value, std::chars_format::general, 15).replace(u'e', u'E');
}

QString NumberFormat::text(double value, bool date1904) const {
    switch (kind_) {
    case Kind::General:
        return generalText(value);
    case Kind::Fixed:
        return fixedText(value, decimals_);
    case Kind::Percent:
        return fixedText(value * 100, decimals_) + u'%';
    default:
        break;
    }
    if (!(value >= 0 && value <= kLastSerial)) return generalText(value); // shown as "####" by spreadsheets
    qint64 days = qint64(value);
    qint64 seconds = std::llround((value - double(days)) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
        ++days;
        seconds = 0;
    }
    // The 1900 system counts a 29 February 1900 that never was; serials before it are one day off.
    if (!date1904 && days < 61) ++days;
    const QDate base = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    return text(base.addDays(days), QTime(0, 0).addSecs(int(seconds)));
}

QString NumberFormat::text(QDate date, QTime time) const {
    const QString dateText = date.toString(QStringLiteral("yyyy/M/d"));
    const QString timeText = time.toString(QStringLiteral("H:mm:ss"));
    switch (kind_) {
    case Kind::Date:
        return dateText;
    case Kind::Time:
        return timeText;
    default:
        return dateText + u' ' + timeText;
    }
}

} // namespace platform
