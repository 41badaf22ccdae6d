#pragma once
#include <QString>

namespace platform {

// The LibreOffice program on PATH ("soffice" or "libreoffice"); empty when there is none.
QString FindLibreOffice();

// Converts a legacy Word file into a .docx inside outFolder with LibreOffice. Blocks for up to
// timeoutMs. Returns the path of the result, or an empty string with a reason.
QString ConvertToDocx(const QString& path, const QString& outFolder, QString* error = nullptr, int timeoutMs = 60000);

} // namespace platform
