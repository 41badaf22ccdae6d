#pragma once
#include "platform/office/WorkbookSheet.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace platform {

// Sheets as bytes, for handing a workbook from the process that read it to the one that shows it.
QByteArray PackSheets(const std::vector<WorkbookSheet>& sheets);
// The sheets packed by PackSheets; nullopt for bytes that are cut short, damaged or past the read limits.
std::optional<std::vector<WorkbookSheet>> UnpackSheets(const QByteArray& bytes);

} // namespace platform
