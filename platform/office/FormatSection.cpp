#include "platform/office/FormatSection.h"

#include "platform/office/NumberFormat.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <iterator>

namespace platform {

namespace {

using namespace Qt::StringLiterals;

constexpr qint64 kMillisecondsPerDay = 24 * 60 * 60 * 1000;
constexpr double kLastSerial = 2958465; // 9999-12-31, the last day a spreadsheet shows as a date
constexpr int kMaxDecimals = 30;        // as many as a spreadsheet shows

QString fixedChars(double value, int decimals) {
    char buffer[400]; // room for the fixed notation of the largest double
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// Rounds half away from zero as spreadsheets do.
QString rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return fixedChars(std::round(value * scale) / scale, decimals);
}

int letterRun(QStringView code, qsizetype at) {
    int n = 1;
    while (at + n < code.size() && code[at + n].toLower() == code[at].toLower())
        ++n;
    return n;
}

bool isPlaceholder(QChar c) {
    return c == u'0' || c == u'#' || c == u'?';
}

QString padded(qint64 value, int width) {
    return QString::number(value).rightJustified(width, u'0');
}

} // namespace

void FormatSection::add(Type type, int count, QChar mark, const QString& text) {
    tokens_.push_back({type, count, mark, text});
}

void FormatSection::addLiteral(const QString& text) {
    if (!tokens_.empty() && tokens_.back().type == Type::Literal)
        tokens_.back().text += text;
    else
        add(Type::Literal, 1, {}, text);
}

FormatSection FormatSection::parse(QStringView code) {
    FormatSection s;
    bool seenSeconds = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        const QChar lower = c.toLower();
        const QStringView rest = code.sliced(i);
        if (c == u'"') {
            const qsizetype end = code.indexOf(u'"', i + 1);
            s.addLiteral(code.sliced(i + 1, (end < 0 ? code.size() : end) - i - 1).toString());
            if (end < 0) break;
            i = end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            if (++i >= code.size()) break;
            if (c == u'\\') s.addLiteral(code[i]);
            if (c == u'_') s.addLiteral(QStringLiteral(" ")); // room for a character, e.g. a closing bracket
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i);
            if (end < 0) break;
            const QString inner = code.sliced(i + 1, end - i - 1).toString().toLower();
            if (!inner.isEmpty() && inner.count(inner[0]) == inner.size() && QStringLiteral("hms").contains(inner[0])) {
                s.add(inner[0] == u'h'   ? Type::ElapsedHours
                      : inner[0] == u'm' ? Type::ElapsedMinutes
                                         : Type::ElapsedSeconds,
                      int(inner.size()));
                seenSeconds = seenSeconds || inner[0] == u's';
            } else if (inner.startsWith(u'$')) {
                s.addLiteral(code.sliced(i + 2, end - i - 2).toString().section(u'-', 0, 0)); // currency, locale
            } else if (!inner.isEmpty() && QStringLiteral("<>=").contains(inner[0])) {
                const qsizetype numberAt = inner.indexOf(QRegularExpression(QStringLiteral("[-0-9.]")));
                const QString op = inner.left(numberAt < 0 ? 0 : numberAt).trimmed();
                s.conditionOp_ = op == "<="_L1   ? 'l'
                                 : op == ">="_L1 ? 'g'
                                 : op == "<>"_L1 ? 'n'
                                                 : char(op.isEmpty() ? '=' : op[0].toLatin1());
                s.conditionValue_ = inner.mid(numberAt).toDouble();
            } // colours, [DBNum1] and other switches change nothing in the text
            i = end;
        } else if (rest.startsWith(u"General", Qt::CaseInsensitive)) {
            s.add(Type::General);
            i += 6;
        } else if (rest.startsWith(u"AM/PM", Qt::CaseInsensitive) || rest.startsWith(u"A/P", Qt::CaseInsensitive) ||
                   rest.startsWith(u"上午/下午")) {
            const qsizetype length = rest[1] == u'/' ? 3 : 5;
            s.add(Type::AmPm, 1, {}, rest.first(length).toString());
            i += length - 1;
        } else if (c == u'.' && seenSeconds && i + 1 < code.size() && code[i + 1] == u'0') {
            const int n = letterRun(code, i + 1);
            s.add(Type::SubSecond, std::min(n, 3));
            i += n;
        } else if (isPlaceholder(c)) {
            s.add(Type::Digit, 1, c);
        } else if (c == u'.' && s.point_ < 0) {
            s.point_ = int(s.tokens_.size());
            s.add(Type::Point);
        } else if (c == u',' && !s.tokens_.empty() && s.tokens_.back().type == Type::Digit) {
            if (i + 1 < code.size() && isPlaceholder(code[i + 1])) {
                s.grouping_ = true;
            } else {
                const int n = letterRun(code, i);
                s.scale_ += n;
                i += n - 1;
            }
        } else if (c == u'%') {
            s.add(Type::Percent);
        } else if (lower == u'e' && i + 1 < code.size() && (code[i + 1] == u'+' || code[i + 1] == u'-')) {
            const QChar sign = code[i + 1];
            int digits = 0;
            for (i += 2; i < code.size() && isPlaceholder(code[i]); ++i)
                ++digits;
            --i;
            s.add(Type::Exponent, std::max(digits, 1), sign);
        } else if (c == u'/' && !s.tokens_.empty() && s.tokens_.back().type == Type::Digit) {
            s.fraction_ = true;
        } else if (c == u'@') {
            s.add(Type::TextValue);
        } else if (lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' || lower == u's' ||
                   (lower == u'a' && letterRun(code, i) >= 3)) {
            const int n = letterRun(code, i);
            const Type type = lower == u'y'   ? Type::Year
                              : lower == u'm' ? Type::Month
                              : lower == u'd' ? (n >= 3 ? Type::Weekday : Type::Day)
                              : lower == u'h' ? Type::Hour
                              : lower == u's' ? Type::Second
                                              : Type::ChineseWeekday;
            seenSeconds = seenSeconds || type == Type::Second;
            s.add(type, n);
            i += n - 1;
        } else if (lower == u'g' || lower == u'b') {
            // era and calendar letters: the Gregorian year is shown
        } else {
            s.addLiteral(c);
        }
    }
    s.resolveMinutes();
    s.layOutNumber();
    return s;
}

// "m" and "mm" are minutes right after hours or right before seconds, months everywhere else.
void FormatSection::resolveMinutes() {
    const auto isTime = [](Type t) { return t >= Type::Year; };
    int previous = -1;
    for (int i = 0; i < int(tokens_.size()); ++i) {
        if (!isTime(tokens_[size_t(i)].type)) continue;
        date_ = true;
        Token& t = tokens_[size_t(i)];
        if (t.type == Type::Month && t.count <= 2) {
            bool minute = previous >= 0 && (tokens_[size_t(previous)].type == Type::Hour ||
                                            tokens_[size_t(previous)].type == Type::ElapsedHours);
            for (size_t j = size_t(i) + 1; !minute && j < tokens_.size(); ++j) {
                if (!isTime(tokens_[j].type)) continue;
                minute = tokens_[j].type == Type::Second || tokens_[j].type == Type::ElapsedSeconds;
                break;
            }
            if (minute) t.type = Type::Minute;
        }
        previous = i;
    }
}

void FormatSection::layOutNumber() {
    for (int i = 0; i < int(tokens_.size()); ++i) {
        const Type t = tokens_[size_t(i)].type;
        if (t == Type::Exponent && exponent_ < 0) exponent_ = i;
        if (t == Type::Percent) ++percent_;
        if (t != Type::Digit || exponent_ >= 0) continue;
        if (point_ >= 0 && i > point_)
            ++decimals_;
        else
            ++integerDigits_;
    }
    decimals_ = std::min(decimals_, kMaxDecimals);
}

bool FormatSection::conditionHolds(double value) const {
    switch (conditionOp_) {
    case '<':
        return value < conditionValue_;
    case '>':
        return value > conditionValue_;
    case 'l':
        return value <= conditionValue_;
    case 'g':
        return value >= conditionValue_;
    case 'n':
        return value != conditionValue_;
    default:
        return value == conditionValue_;
    }
}

bool FormatSection::text(double value, bool date1904, QString& out) const {
    if (date_) return dateText(value, date1904, out);
    out = numberText(std::fabs(value));
    return true;
}

QString FormatSection::numberText(double value) const {
    if (fraction_) return NumberFormat::generalText(value);
    int first = -1, last = -1; // the integer placeholders
    for (int i = 0; i < int(tokens_.size()); ++i) {
        if (tokens_[size_t(i)].type != Type::Digit || (point_ >= 0 && i > point_) || (exponent_ >= 0 && i > exponent_))
            continue;
        if (first < 0) first = i;
        last = i;
    }
    value *= std::pow(100.0, percent_) / std::pow(1000.0, scale_);
    if (!std::isfinite(value)) return NumberFormat::generalText(value);
    QString exponentText;
    if (exponent_ >= 0) {
        // "##0.0E+0" keeps the exponent a multiple of three; "00.0E+0" shows two integer digits.
        const int k = std::max(integerDigits_, 1);
        const bool engineering = integerDigits_ > 1 && tokens_[size_t(first)].mark == u'#';
        const auto exponentOf = [&](double v) {
            const int e = v == 0 ? 0 : int(std::floor(std::log10(v)));
            return engineering ? e - ((e % k) + k) % k : e - (k - 1);
        };
        int e = exponentOf(value);
        const double scale = std::pow(10.0, decimals_);
        const double mantissa = std::round(value / std::pow(10.0, e) * scale) / scale;
        if (mantissa >= std::pow(10.0, k)) e = exponentOf(mantissa * std::pow(10.0, e)); // 9.99 rounded up to 10.0
        value /= std::pow(10.0, e);
        const Token& x = tokens_[size_t(exponent_)];
        exponentText = (e < 0 ? u"E-"_s : x.mark == u'+' ? u"E+"_s : u"E"_s) + padded(std::abs(e), x.count);
    }
    const QString digits = rounded(value, decimals_);
    const qsizetype point = digits.indexOf(u'.');
    QString integer = point < 0 ? digits : digits.left(point);
    if (integer == u"0") integer.clear(); // "#" shows nothing for it, "0" shows it
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);

    QString out;
    for (int i = 0; i < int(tokens_.size()); ++i) {
        const Token& t = tokens_[size_t(i)];
        if (i == first) {
            out += integerText(integer, first, last);
            i = last;
            continue;
        }
        switch (t.type) {
        case Type::Literal:
            out += t.text;
            break;
        case Type::Point:
            if (first < 0) out += integer;
            out += u'.' + fractionText(fraction, i + 1);
            break;
        case Type::Percent:
            out += u'%';
            break;
        case Type::Exponent:
            out += exponentText;
            break;
        case Type::General:
        case Type::TextValue:
            out += NumberFormat::generalText(value);
            break;
        default:
            break; // decimals are written with the point
        }
    }
    return out;
}

// The placeholders from `first` to `last`, filled from the right; the leftmost one takes every digit left.
QString FormatSection::integerText(const QString& digits, int first, int last) const {
    QString out;
    if (grouping_) {
        int width = 0;
        for (int i = first; i <= last; ++i)
            width += tokens_[size_t(i)].type == Type::Digit && tokens_[size_t(i)].mark != u'#';
        const QString all = digits.rightJustified(width, u'0');
        for (qsizetype i = 0; i < all.size(); ++i) {
            if (i > 0 && (all.size() - i) % 3 == 0) out += u',';
            out += all[i];
        }
        return out;
    }
    qsizetype left = digits.size();
    for (int i = last; i >= first; --i) {
        const Token& t = tokens_[size_t(i)];
        if (t.type != Type::Digit) {
            if (t.type == Type::Literal) out.prepend(t.text);
            continue;
        }
        if (left > 0) {
            const qsizetype take = i == first ? left : 1;
            out.prepend(digits.sliced(left - take, take));
            left -= take;
        } else if (t.mark != u'#') {
            out.prepend(t.mark == u'0' ? u'0' : u' ');
        }
    }
    return out;
}

// The decimals after the point: '#' drops trailing zeros, '?' turns them into blanks.
QString FormatSection::fractionText(const QString& digits, int first) const {
    QString marks;
    for (size_t i = size_t(first); i < tokens_.size() && marks.size() < digits.size(); ++i) {
        if (tokens_[i].type == Type::Digit) marks += tokens_[i].mark;
    }
    QString out = digits.left(marks.size());
    for (qsizetype k = out.size() - 1; k >= 0 && marks[k] != u'0' && out[k] == u'0'; --k) {
        if (marks[k] == u'#')
            out.chop(1);
        else
            out[k] = u' ';
    }
    return out;
}

bool FormatSection::dateText(double value, bool date1904, QString& out) const {
    if (!(value >= 0 && value <= kLastSerial)) return false;
    int subDigits = 0;
    bool twelveHours = false;
    for (const Token& t : tokens_) {
        if (t.type == Type::SubSecond) subDigits = std::max(subDigits, t.count);
        if (t.type == Type::AmPm) twelveHours = true;
    }
    const qint64 unit = qint64(std::pow(10.0, 3 - subDigits));
    const qint64 total = std::llround(value * kMillisecondsPerDay / double(unit)) * unit;
    qint64 days = total / kMillisecondsPerDay;
    const qint64 ms = total % kMillisecondsPerDay;
    const qint64 wholeDays = days;
    // The 1900 system counts a 29 February 1900 that never was; serials before it are one day off.
    if (!date1904 && days < 61) ++days;
    const QDate date = (date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30)).addDays(days);
    const int hour = int(ms / 3600000), minute = int(ms / 60000 % 60), second = int(ms / 1000 % 60);
    const QLocale c = QLocale::c();
    static const QString chineseDays[] = {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s, u"六"_s, u"日"_s};
    out.clear();
    for (const Token& t : tokens_) {
        switch (t.type) {
        case Type::Literal:
            out += t.text;
            break;
        case Type::Year:
            out += t.count <= 2 ? padded(date.year() % 100, 2) : QString::number(date.year());
            break;
        case Type::Month:
            out += t.count <= 2   ? padded(date.month(), t.count)
                   : t.count == 3 ? c.monthName(date.month(), QLocale::ShortFormat)
                   : t.count == 4 ? c.monthName(date.month())
                                  : c.monthName(date.month()).left(1);
            break;
        case Type::Day:
            out += padded(date.day(), t.count);
            break;
        case Type::Weekday:
            out += c.dayName(date.dayOfWeek(), t.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case Type::ChineseWeekday:
            out += (t.count >= 4 ? u"星期"_s : QString()) + chineseDays[date.dayOfWeek() - 1];
            break;
        case Type::Hour:
            out += padded(twelveHours ? (hour + 11) % 12 + 1 : hour, std::min(t.count, 2));
            break;
        case Type::Minute:
            out += padded(minute, std::min(t.count, 2));
            break;
        case Type::Second:
            out += padded(second, std::min(t.count, 2));
            break;
        case Type::SubSecond:
            out += u'.' + padded(ms % 1000, 3).left(t.count);
            break;
        case Type::ElapsedHours:
            out += padded(wholeDays * 24 + hour, t.count);
            break;
        case Type::ElapsedMinutes:
            out += padded((wholeDays * 24 + hour) * 60 + minute, t.count);
            break;
        case Type::ElapsedSeconds:
            out += padded(((wholeDays * 24 + hour) * 60 + minute) * 60 + second, t.count);
            break;
        case Type::AmPm:
            out += t.text.section(u'/', hour < 12 ? 0 : 1, hour < 12 ? 0 : 1);
            break;
        default:
            break; // digit placeholders mean nothing in a date
        }
    }
    return true;
}

} // namespace platform
