#pragma once
#include "platform/office/WorkbookSheet.h"

#include <QString>
#include <optional>
#include <vector>

namespace platform {

// Every sheet of a legacy Excel workbook (.xls, BIFF) read through FreeXL, in workbook order. FreeXL
// ignores number formats other than dates: numbers show as general numbers, booleans as 1 and 0.
// Fails with "FreeXL error N" (N being FreeXL's code) or "the workbook is password-protected".
std::optional<std::vector<WorkbookSheet>> ReadXls(const QString& path, QString* error = nullptr);

} // namespace platform
