#include "core/HistoryRecord.h"

#include "core/Characters.h"

namespace core {

QString FixedWidth(const QString& text, int width) {
    const QString cut = LeftChars(text, width);
    return cut + QString(width - CharCount(cut), u' ');
}

QString GeneralDateTime(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy/M/d H:mm:ss"));
}

} // namespace core
