#pragma once
#include "platform/office/WorkbookSheet.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace platform {

// A spreadsheet workbook read completely into memory, as the displayed text of its cells.
//
// Sheets are addressed 0-based in workbook order; rows and columns 1-based like the spreadsheet's own
// addressing. How numbers are shown is described at NumberFormat (.xlsx) and ReadXls (.xls).
class Workbook {
public:
    // Reads .xlsx and .xlsm directly and legacy .xls through FreeXL in a child process (the reader beside
    // the running executable, see XlsChild.h), told apart by their content rather than their name. Fails
    // with a reason in Chinese ("文件不存在", "这不是Excel工作簿...", "工作簿已损坏，或其格式不受支持（xl/workbook.xml
    // missing）" ...), also for a file past the read limits or a reader that failed.
    static std::optional<Workbook> open(const QString& path, QString* error = nullptr);

    QStringList sheetNames() const;
    // Sheet names are matched case-insensitively, as spreadsheets do; -1 when there is none.
    int sheetIndex(const QString& name) const;

    // The displayed text of a cell; "" outside the data.
    QString cellText(int sheet, int row, int column) const;
    int rowCount(int sheet) const;    // the last row holding a value
    int columnCount(int sheet) const; // the last column holding a value

private:
    explicit Workbook(std::vector<WorkbookSheet> sheets) : sheets_(std::move(sheets)) {}
    const WorkbookSheet* sheet(int index) const;

    std::vector<WorkbookSheet> sheets_;
};

} // namespace platform
