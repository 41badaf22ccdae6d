#include "modes/AudienceText.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRegularExpression>

namespace modes {

QFont FontToFit(QFont font, const QString& text, const QSize& box) {
    if (text.isEmpty() || box.isEmpty()) return font;
    // Type does not scale exactly with its size: shrink until it fits.
    for (int i = 0; i < 8; ++i) {
        const QSizeF need = QFontMetricsF(font).size(0, text);
        const double scale = std::min(box.width() / need.width(), box.height() / need.height());
        if (scale >= 1 || font.pointSizeF() <= 1) break;
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * std::min(scale, 0.98)));
    }
    return font;
}

QString HistoryRows(const QStringList& lines, const QFontMetrics& metrics, int width, int height) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const int maxRows = std::max(1, height / metrics.lineSpacing());
    QStringList rows;
    for (const QString& line : lines) {
        QStringList record;
        for (const QString& field : line.split(blanks, Qt::SkipEmptyParts)) {
            const QString joined = record.isEmpty() ? field : record.last() + u' ' + field;
            if (!record.isEmpty() && metrics.horizontalAdvance(joined) <= width)
                record.last() = joined;
            else
                record << field;
        }
        if (rows.size() + record.size() > maxRows) break;
        rows << record;
    }
    return rows.join(u'\n');
}

} // namespace modes
