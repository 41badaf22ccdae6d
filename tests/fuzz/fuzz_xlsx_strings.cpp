// xl/sharedStrings.xml of a workbook.
#include "FuzzInput.h"
#include "platform/office/XlsxStrings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::ReadSharedStrings(InputBytes(data, size));
    return 0;
}
