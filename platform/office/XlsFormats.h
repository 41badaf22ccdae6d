#pragma once
#include "platform/office/NumberFormat.h"

#include <QHash>
#include <QString>

namespace platform {

// The number formats of the cells of a legacy (.xls) workbook, read from its BIFF records: FreeXL gives the
// values but not the patterns they are shown in. Sheets are found by name, rows and columns count from 0.
class XlsFormats {
public:
    // Unreadable or unknown records leave every cell General.
    static XlsFormats read(const QString& path);

    NumberFormat format(const QString& sheet, unsigned row, unsigned column) const;

private:
    static quint64 key(unsigned row, unsigned column) { return quint64(row) << 32 | column; }
    void readSheet(const QByteArray& stream, qsizetype offset, const QString& name);

    std::vector<NumberFormat> styles_; // by XF index
    QHash<QString, QHash<quint64, quint16>> cells_;
};

} // namespace platform
