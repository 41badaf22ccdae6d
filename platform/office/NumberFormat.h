#pragma once
#include "platform/office/FormatSection.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

namespace platform {

// How a number cell is displayed, as the spreadsheet program shows it: general numbers, zero padding
// ("000000"), digit grouping, fixed decimals, percentages, scientific notation, literal text, and dates and
// times by their pattern (yyyy"年"m"月"d"日", h:mm). Up to three sections for positive, negative and zero
// values and conditions such as [>=100] are honoured; colours are not text. Fraction patterns show as
// general numbers.
class NumberFormat {
public:
    NumberFormat() = default; // General

    // A built-in numFmtId as a Chinese (PRC) spreadsheet shows it, including the East Asian date ids.
    static NumberFormat builtIn(int id);
    // The formatCode of a custom numFmt, or of a FORMAT record of a legacy workbook.
    static NumberFormat fromCode(QStringView code);

    // The shortest text with at most 15 significant digits: "1", "2.5", "0.001", "1E+20".
    static QString generalText(double value);

    // A cell value as shown; date patterns read it as a day count of the 1900 (or 1904) date system.
    QString text(double value, bool date1904 = false) const;

    bool isDate() const { return sections_ && !sections_->empty() && sections_->front().isDate(); }

private:
    std::shared_ptr<const std::vector<FormatSection>> sections_; // null: General
};

} // namespace platform
