#pragma once
#include "core/HistoryRecord.h"

#include <QList>

namespace core {

// The draw records of the run that are not yet written to a history file.
class RunHistory {
public:
    struct SaveResult {
        bool ok = true;
        QString error; // why nothing was written, for the user
    };

    static QString folder(const QString& appFolder) { return appFolder + QStringLiteral("历史记录"); }
    // "2026_12_10_09时05分07秒.txt"
    static QString fileName(const QDateTime& t);
    static QString formatLine(const HistoryRecord& r);

    qint32 count() const { return qint32(records_.size()); }
    const HistoryRecord& at(qint32 i) const { return records_[i]; }
    const HistoryRecord& last() const { return records_.last(); }

    const HistoryRecord& append(const QString& mode, const QString& source, const QString& result,
                                const QDateTime& time);
    void markLastExcluded() { records_.last().AddedExclusion = true; }
    void removeLast() { records_.removeLast(); }
    void clear() { records_.clear(); }

    // The last record belongs to the current mode and source, compared as the
    // fixed-width fields store them.
    bool lastMatches(const QString& mode, const QString& source) const;

    // The text of the history file: one line per record and a final empty line.
    QString fileText() const;

    // Writes the pending records as one new history file and forgets them; on
    // failure they stay pending. A second save in the same second gets "_2" and so on.
    SaveResult save(const QString& appFolder, const QDateTime& now);

private:
    QList<HistoryRecord> records_;
};

} // namespace core
