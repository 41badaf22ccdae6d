#pragma once
#include <QList>
#include <QStringList>

namespace platform {
class Workbook;
}

namespace print {

// One sheet of a workbook as a data table: row 1 holds the field names from column 1 rightwards up to
// the first empty cell; the records start at row 2 and end before the first row whose first cell is
// empty. Cells are their displayed text.
struct SheetRecords {
    QStringList fields;
    QList<QStringList> rows; // as many cells as fields

    static QStringList fieldsOf(const platform::Workbook& workbook, int sheet);
    static SheetRecords read(const platform::Workbook& workbook, int sheet);
};

} // namespace print
