// The rich text of question, answer and analysis cells and of the block list file.
#include "FuzzInput.h"
#include "platform/richtext/Rtf.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument doc;
    if (platform::ReadRtf(InputBytes(data, size), &doc)) platform::WriteRtf(doc);
    return 0;
}
