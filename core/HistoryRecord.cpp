#include "core/HistoryRecord.h"

namespace core {

QString FixedWidth(const QString& text, int width) {
    return text.left(width).leftJustified(width, u' ');
}

QString GeneralDateTime(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy/M/d H:mm:ss"));
}

} // namespace core
