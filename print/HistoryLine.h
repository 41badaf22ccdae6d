#pragma once
#include <QString>

namespace print {

// One line of a record view split into the fields of a history file line: sequence, date and time,
// mode (8 characters), source (12 characters) and result. A line of another shape is all result.
struct HistoryLine {
    QString seq{};
    QString time{};
    QString mode{};
    QString source{};
    QString result{};

    static HistoryLine split(const QString& line);
};

} // namespace print
