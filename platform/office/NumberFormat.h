#pragma once
#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

namespace platform {

// How a number cell is displayed, reduced to what a name list meets: general numbers, fixed decimals,
// percentages, and dates and times, which always show as "yyyy/M/d" and "H:mm:ss" whatever their pattern.
// Digit grouping, colours, literal text and currency symbols of a pattern are left out ("#,##0" shows
// 1234567); scientific and fraction patterns and the built-in currency and accounting ones show as
// general numbers.
class NumberFormat {
public:
    enum class Kind { General, Fixed, Percent, Date, Time, DateTime };

    NumberFormat() = default;
    explicit NumberFormat(Kind kind, int decimals = 0) : kind_(kind), decimals_(decimals) {}

    // A built-in numFmtId, including the East Asian date and time ids (27-36, 50-58).
    static NumberFormat builtIn(int id);
    // The formatCode of a custom numFmt; only its first section counts.
    static NumberFormat fromCode(QStringView code);

    // The shortest text with at most 15 significant digits: "1", "2.5", "0.001", "1E+20".
    static QString generalText(double value);

    // A cell value as shown; date kinds read it as a day count of the 1900 (or 1904) date system.
    QString text(double value, bool date1904 = false) const;
    // A moment as shown by a date or time kind; other kinds show date and time.
    QString text(QDate date, QTime time) const;

private:
    Kind kind_ = Kind::General;
    int decimals_ = 0;
};

} // namespace platform
