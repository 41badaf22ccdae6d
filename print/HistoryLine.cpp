#include "print/HistoryLine.h"

#include <QRegularExpression>

namespace print {

HistoryLine HistoryLine::split(const QString& line) {
    // Mode and source have fixed widths, so the result starts after them whatever blanks they hold.
    static const QRegularExpression shape(
        QStringLiteral(R"(^(\d+) (\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d{2}:\d{2}) (.{8}) (.{12}) (.*)$)"));
    const QRegularExpressionMatch m = shape.match(line);
    if (!m.hasMatch()) return HistoryLine{.result = line};
    return HistoryLine{m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5)};
}

} // namespace print
