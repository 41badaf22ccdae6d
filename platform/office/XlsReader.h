#pragma once
#include "platform/office/WorkbookSheet.h"

#include <QString>
#include <optional>
#include <vector>

namespace platform {

// The reason ReadXls gives for a workbook it cannot decrypt.
inline constexpr char kPasswordProtected[] = "the workbook is password-protected";

// Every sheet of a legacy Excel workbook (.xls, BIFF) read through FreeXL, in workbook order. Numbers show
// in their cells' number formats (XlsFormats), booleans as 1 and 0.
// Fails with "FreeXL error N" (N being FreeXL's code) or kPasswordProtected.
std::optional<std::vector<WorkbookSheet>> ReadXls(const QString& path, QString* error = nullptr);

} // namespace platform
