#pragma once
#include "print/SheetRecords.h"

namespace print {

// The result table of the linked output: one row per record line, joined with the workbook record whose
// match field shows the drawn result.
struct ResultTable {
    QStringList header;
    QList<QStringList> rows;
    int unmatched = 0; // results no workbook record matched

    struct Columns {
        QString matchField;
        QStringList fields; // chosen fields, in order
        bool keepSeq = false;
        bool keepTime = false;
    };
};

// Empty lines of the records are left out. The first record whose match field equals the result, both
// without trailing blanks, is taken; an unmatched result keeps its row, with the result in the match
// field and the other fields empty.
ResultTable PrepareResultTable(const QString& records, const SheetRecords& sheet, const ResultTable::Columns& columns);

} // namespace print
