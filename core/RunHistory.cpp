#include "core/RunHistory.h"

#include "core/Characters.h"
#include "core/FileNames.h"
#include "core/TextFiles.h"

#include <QDir>

namespace core {

QString RunHistory::fileName(const QDateTime& t) {
    return SanitizeFileName(t.toString(QStringLiteral("yyyy_MM_dd_HH时mm分ss秒")) + QStringLiteral(".txt"));
}

QString RunHistory::formatLine(const HistoryRecord& r) {
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(r.Seq, 2, 10, QChar(u'0'))
        .arg(GeneralDateTime(r.Time), FixedWidth(r.Mode, HistoryRecord::kModeWidth),
             FixedWidth(r.Source, HistoryRecord::kSourceWidth), r.Result);
}

const HistoryRecord& RunHistory::append(const QString& mode, const QString& source, const QString& result,
                                        const QDateTime& time) {
    records_.append(HistoryRecord{count() + 1, time, FixedWidth(mode, HistoryRecord::kModeWidth),
                                  FixedWidth(source, HistoryRecord::kSourceWidth), result});
    return records_.last();
}

bool RunHistory::lastMatches(const QString& mode, const QString& source) const {
    if (records_.isEmpty()) return false;
    const HistoryRecord& r = records_.last();
    return TrimTrailingBlanks(r.Mode) == mode &&
           TrimTrailingBlanks(r.Source) == TrimTrailingBlanks(LeftChars(source, HistoryRecord::kSourceWidth));
}

QString RunHistory::fileText() const {
    QString text;
    for (const HistoryRecord& r : records_)
        text += formatLine(r) + QStringLiteral("\r\n");
    return text; // WriteTextFile adds the CR LF of the final empty line
}

RunHistory::SaveResult RunHistory::save(const QString& appFolder, const QDateTime& now) {
    const QString dir = folder(appFolder);
    const bool made = QDir().mkpath(dir);
    if (records_.isEmpty()) return {}; // nothing to lose, nothing to report
    if (!made) return {false, QStringLiteral("无法创建文件夹 ") + QDir::toNativeSeparators(dir)};
    QString error;
    if (!WriteTextFile(fileText(), dir + u'/' + fileName(now), &error)) return {false, error};
    records_.clear();
    return {};
}

} // namespace core
