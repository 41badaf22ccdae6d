// A whole workbook package: the workbook part, its relationships, strings, styles and sheets.
#include "FuzzInput.h"
#include "platform/office/XlsxReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::ReadXlsx(InputFile(data, size, QStringLiteral(".xlsx")));
    return 0;
}
