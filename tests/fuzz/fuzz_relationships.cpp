// The relationship parts of .docx and .xlsx packages.
#include "FuzzInput.h"
#include "platform/office/Relationships.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::ReadRelationships(InputBytes(data, size), QStringLiteral("word"));
    return 0;
}
