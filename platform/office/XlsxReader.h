#pragma once
#include "platform/office/WorkbookSheet.h"

#include <QString>
#include <optional>
#include <vector>

namespace platform {

// Every sheet of an Office Open XML workbook (.xlsx, .xlsm), in workbook order. Fails with an English
// reason such as "xl/workbook.xml missing" or "xl/worksheets/sheet2.xml missing".
std::optional<std::vector<WorkbookSheet>> ReadXlsx(const QString& path, QString* error = nullptr);

} // namespace platform
