#include "print/SheetRecords.h"

#include "platform/office/Workbook.h"

namespace print {

QStringList SheetRecords::fieldsOf(const platform::Workbook& workbook, int sheet) {
    QStringList fields;
    for (int column = 1;; ++column) {
        const QString name = workbook.cellText(sheet, 1, column);
        if (name.isEmpty()) return fields;
        fields << name;
    }
}

SheetRecords SheetRecords::read(const platform::Workbook& workbook, int sheet) {
    SheetRecords records{fieldsOf(workbook, sheet), {}};
    for (int row = 2; !workbook.cellText(sheet, row, 1).isEmpty(); ++row) {
        QStringList cells;
        for (int column = 1; column <= records.fields.size(); ++column)
            cells << workbook.cellText(sheet, row, column);
        records.rows << cells;
    }
    return records;
}

} // namespace print
