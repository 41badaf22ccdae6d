#pragma once
#include <QString>

namespace platform {

// The LibreOffice program on PATH ("soffice" or "libreoffice"); empty when there is none.
QString FindLibreOffice();

// Converts a legacy Word file into a .docx inside outFolder with LibreOffice, waiting for up to timeoutMs while
// events other than user input go on. Returns the path of the result, or an empty string with a reason.
QString ConvertToDocx(const QString& path, const QString& outFolder, QString* error = nullptr, int timeoutMs = 60000);

// The .docx converted from this version (size and time) of a legacy Word file, kept in folder: converted now when
// there is none yet, replacing the copies of older versions. Empty with a reason when the conversion fails.
QString ConvertedCopy(const QString& path, const QString& folder, QString* error = nullptr);

} // namespace platform
