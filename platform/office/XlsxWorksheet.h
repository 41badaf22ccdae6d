#pragma once
#include "platform/office/NumberFormat.h"
#include "platform/office/WorkbookSheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// What the cells of every worksheet of a workbook refer to.
struct XlsxShared {
    QStringList strings;              // xl/sharedStrings.xml
    std::vector<NumberFormat> styles; // number format of each cell style
    bool date1904 = false;
};

// Fills the sheet with the displayed text of the cells of a worksheet part. A formula cell shows its
// cached value; dates stored as ISO text (type "d") show that text.
bool ReadWorksheet(const QByteArray& xml, const XlsxShared& shared, WorkbookSheet& sheet, QString* error = nullptr);

} // namespace platform
