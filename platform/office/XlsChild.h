#pragma once
#include "platform/office/ReadLimits.h"
#include "platform/office/WorkbookSheet.h"

#include <QString>
#include <optional>
#include <vector>

namespace platform {

// The .xls library has read out of bounds on damaged files, so .xls workbooks are read by ReadXls in a
// child process ("ZandrelXls" in the program folder) within bounds of time and memory. Whatever happens
// to the child, the caller gets the sheets or a reason.

struct XlsChildLimits {
    int seconds = limits::kXlsSeconds;
    qint64 memoryBytes = limits::kXlsMemoryBytes;
    qint64 resultBytes = limits::kXlsResultBytes;
};

// The reader shipped beside the running executable.
QString DefaultXlsReader();

// Runs program on the workbook and takes the sheets it hands back. Fails with the child's own reason
// (ReadXls's), or in Chinese when the child crashed, ran out of time or memory, or could not start.
std::optional<std::vector<WorkbookSheet>> ReadXlsInChild(const QString& program, const QString& path,
                                                         QString* error = nullptr, XlsChildLimits bounds = {});

// The child's side, given its command line (the program and the workbook's path): reads the workbook with
// ReadXls and writes the sheets, or the reason, to stdout. Returns the exit code of the child.
int RunXlsChild(int argc, char** argv);

} // namespace platform
