// A legacy workbook, read the way the program reads it: by the .xls reader in a child process. Whatever
// the library does there, this side must get sheets or a reason.
#include "FuzzInput.h"
#include "platform/office/XlsChild.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::ReadXlsInChild(QStringLiteral(ZANDREL_XLS_READER), InputFile(data, size, QStringLiteral(".xls")));
    return 0;
}
