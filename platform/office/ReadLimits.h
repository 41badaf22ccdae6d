#pragma once
#include <QString>

namespace platform {

// How much a file from outside may make the readers hold. A question bank or workbook past one of these
// is refused with a message instead of exhausting the stack or the memory of the run.
namespace limits {

constexpr int kNesting = 256;                  // elements inside elements of one XML part
constexpr int kTableRows = 100000;             // rows of a question table
constexpr int kSheetRows = 1048576;            // the spreadsheet grid: rows 1 to 1048576 ...
constexpr int kSheetColumns = 16384;           // ... and columns A to XFD
constexpr qsizetype kCells = 2000000;          // cells of a document or workbook, shared strings included
constexpr qsizetype kTextChars = 32 * 1048576; // characters of cell text a document may make
constexpr qsizetype kCellStyles = 65536;       // cell styles of a workbook
constexpr int kSheets = 1024;                  // sheets of a workbook, each read in full

// The legacy .xls reader runs in a child process within these bounds.
constexpr int kXlsSeconds = 30;
constexpr qint64 kXlsMemoryBytes = qint64(1) << 30;
constexpr qint64 kXlsResultBytes = qint64(512) << 20; // what it hands back; a workbook within the bounds needs less

} // namespace limits

// The reason a reader gives for a file past a bound, in words for the user: "文件超出了程序能读取的范围：<what>。"
QString PastLimitText(const QString& what);
bool IsPastLimit(const QString& reason);

} // namespace platform
