#include "platform/office/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace platform {

namespace {

// std::to_chars is many times quicker than QString::number, which shows on sheets of 20,000 rows.
QString chars(double value, std::chars_format format, int precision) {
    char buffer[400];
    const std::to_chars_result result = std::to_chars(std::begin(buffer), std::end(buffer), value, format, precision);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// The patterns of the built-in ids as a spreadsheet in the PRC locale shows them.
const char16_t* builtInCode(int id) {
    switch (id) {
    case 1: return u"0";
    case 2: return u"0.00";
    case 3: return u"#,##0";
    case 4: return u"#,##0.00";
    case 5: case 37: return u"#,##0_);(#,##0)";
    case 6: case 38: return u"#,##0_);[Red](#,##0)";
    case 7: case 39: return u"#,##0.00_);(#,##0.00)";
    case 8: case 40: return u"#,##0.00_);[Red](#,##0.00)";
    case 9: return u"0%";
    case 10: return u"0.00%";
    case 11: return u"0.00E+00";
    case 12: return u"# ?/?";
    case 13: return u"# ?" "?/?" "?";
    case 14: return u"yyyy/m/d";
    case 15: return u"d-mmm-yy";
    case 16: return u"d-mmm";
    case 17: return u"mmm-yy";
    case 18: return u"h:mm AM/PM";
    case 19: return u"h:mm:ss AM/PM";
    case 20: return u"h:mm";
    case 21: return u"h:mm:ss";
    case 22: return u"yyyy/m/d h:mm";
    case 27: case 36: case 50: case 52: case 57: return u"yyyy\"年\"m\"月\"";
    case 28: case 29: case 51: case 53: case 54: case 58: return u"m\"月\"d\"日\"";
    case 30: return u"m-d-yy";
    case 31: return u"yyyy\"年\"m\"月\"d\"日\"";
    case 32: return u"h\"时\"mm\"分\"";
    case 33: return u"h\"时\"mm\"分\"ss\"秒\"";
    case 34: case 55: return u"上午/下午h\"时\"mm\"分\"";
    case 35: case 56: return u"上午/下午h\"时\"mm\"分\"ss\"秒\"";
    case 45: return u"mm:ss";
    case 46: return u"[h]:mm:ss";
    case 47: return u"mm:ss.0";
    case 48: return u"##0.0E+0";
    default: return nullptr; // General, and "@" (text), which shows a number as General too
    }
}

} // namespace

NumberFormat NumberFormat::builtIn(int id) {
    const char16_t* code = builtInCode(id);
    return code ? fromCode(QStringView(code)) : NumberFormat();
}

NumberFormat NumberFormat::fromCode(QStringView code) {
    std::vector<FormatSection> sections;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= code.size(); ++i) {
        if (i < code.size()) {
            const QChar c = code[i];
            if (c == u'"') {
                i = code.indexOf(u'"', i + 1);
                if (i < 0) i = code.size() - 1;
                continue;
            }
            if (c == u'\\' || c == u'_' || c == u'*') {
                if (i + 1 < code.size()) ++i; // a code may end before the character these take
                continue;
            }
            if (c != u';') continue;
        }
        sections.push_back(FormatSection::parse(code.sliced(start, std::min(i, code.size()) - start)));
        start = i + 1;
    }
    NumberFormat format;
    if (sections.size() == 1 && code.trimmed().compare(u"General", Qt::CaseInsensitive) == 0) return format;
    if (sections.size() > 3) sections.resize(3); // the fourth is for text cells
    for (size_t i = 1; i < sections.size(); ++i)
        sections[i].setOwnSign();
    for (FormatSection& s : sections) {
        if (s.hasCondition()) s.setOwnSign();
    }
    format.sections_ = std::make_shared<const std::vector<FormatSection>>(std::move(sections));
    return format;
}

QString NumberFormat::generalText(double value) {
    if (value == 0) return QStringLiteral("0");
    return chars(value, std::chars_format::general, 15).replace(u'e', u'E');
}

QString NumberFormat::text(double value, bool date1904) const {
    if (!sections_) return generalText(value);
    const std::vector<FormatSection>& s = *sections_;
    const FormatSection* section = &s[0];
    if (s[0].hasCondition() || (s.size() > 1 && s[1].hasCondition())) {
        // Conditions pick the first section whose test holds, the last one otherwise.
        section = &s.back();
        for (size_t i = 0; i < std::min<size_t>(2, s.size()); ++i) {
            if (s[i].hasCondition() && s[i].conditionHolds(value)) {
                section = &s[i];
                break;
            }
        }
    } else if (value < 0 && s.size() > 1) {
        section = &s[1];
    } else if (value == 0 && s.size() > 2) {
        section = &s[2];
    }
    QString out;
    if (!section->text(value, date1904, out)) return generalText(value); // spreadsheets show "####"
    if (value < 0 && !section->ownSign() && !section->isDate() && !out.isEmpty()) out.prepend(u'-');
    return out;
}

} // namespace platform
