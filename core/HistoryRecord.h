#pragma once
#include <QDateTime>
#include <QString>

namespace core {

// One confirmed draw of the run. Mode and Source are fixed-width fields.
struct HistoryRecord {
    static constexpr int kModeWidth = 8;
    static constexpr int kSourceWidth = 12;

    qint32 Seq = 0;
    QDateTime Time;
    QString Mode;   // exactly kModeWidth characters
    QString Source; // exactly kSourceWidth characters
    QString Result;
    // This draw put Result into the block list, or the excluded numbers, so undo takes it back.
    bool AddedExclusion = false;
};

// Pads with blanks or cuts to the width, in characters (a surrogate pair is one).
QString FixedWidth(const QString& text, int width);

// The date-and-time text of records and history files, the same in every locale.
QString GeneralDateTime(const QDateTime& t);

} // namespace core
