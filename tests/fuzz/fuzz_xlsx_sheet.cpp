// A worksheet part, with a few shared strings and cell styles to refer to.
#include "FuzzInput.h"
#include "platform/office/XlsxWorksheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::XlsxShared shared;
    shared.strings = {QStringLiteral("姓名"), QStringLiteral("x")};
    shared.styles = {platform::NumberFormat(), platform::NumberFormat::builtIn(14),
                     platform::NumberFormat::builtIn(10)};
    platform::WorkbookSheet sheet(QStringLiteral("S"));
    platform::ReadWorksheet(InputBytes(data, size), shared, sheet);
    return 0;
}
