// What the .xls reader's process hands back.
#include "FuzzInput.h"
#include "platform/office/SheetTransfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::UnpackSheets(InputBytes(data, size));
    return 0;
}
