#pragma once
#include <QString>
#include <QStringView>
#include <vector>

namespace platform {

// One section of a spreadsheet number format ("#,##0.00", "yyyy\"年\"m\"月\"d\"日\"", "h:mm AM/PM"), parsed
// once and applied to many cells the way the spreadsheet program shows them.
class FormatSection {
public:
    // `code` is one section, without its ';'.
    static FormatSection parse(QStringView code);

    bool isDate() const { return date_; }
    bool hasCondition() const { return conditionOp_ != 0; }
    bool conditionHolds(double value) const;
    // The section gives its own sign: a second section, or a condition.
    bool ownSign() const { return ownSign_; }
    void setOwnSign() { ownSign_ = true; }

    // The text of a value; numbers use its magnitude, the caller adds a sign where one is due.
    // Date sections read a day count; false when the value is no date the program can show.
    bool text(double value, bool date1904, QString& out) const;

private:
    enum class Type {
        Literal,
        Digit,
        Point,
        Percent,
        Exponent,
        General,
        TextValue, // numbers
        Year,
        Month,
        Day,
        Weekday,
        ChineseWeekday,
        Hour,
        Minute,
        Second,
        SubSecond,
        ElapsedHours,
        ElapsedMinutes,
        ElapsedSeconds,
        AmPm,
    };
    struct Token {
        Type type;
        int count = 1; // letters in a row, decimals of SubSecond, or the exponent's digits
        QChar mark;    // the digit placeholder (0 # ?) or the exponent's sign
        QString text;  // literal text, or the two AM/PM words joined by '/'
    };

    void add(Type type, int count = 1, QChar mark = {}, const QString& text = {});
    void addLiteral(const QString& text);
    void resolveMinutes();
    void layOutNumber();
    QString numberText(double value) const;
    QString integerText(const QString& digits, int first, int last) const;
    QString fractionText(const QString& digits, int first) const;
    bool dateText(double value, bool date1904, QString& out) const;

    std::vector<Token> tokens_;
    bool date_ = false;
    bool ownSign_ = false;
    bool fraction_ = false; // "# ?/?": shown as a general number
    char conditionOp_ = 0;  // '<', '>', '=', 'l' (<=), 'g' (>=), 'n' (<>)
    double conditionValue_ = 0;
    // Number layout, from layOutNumber().
    int point_ = -1;        // index of the decimal point token, or -1
    int exponent_ = -1;     // index of the exponent token, or -1
    int integerDigits_ = 0; // placeholders before the point
    int decimals_ = 0;      // placeholders after the point (before any exponent)
    bool grouping_ = false; // a ',' between integer placeholders
    int scale_ = 0;         // thousands divided away by ',' after the last integer placeholder
    int percent_ = 0;
};

} // namespace platform
