// The zip layer under .docx and .xlsx: the directory and every entry.
#include "FuzzInput.h"
#include "platform/office/ZipArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<platform::ZipArchive> zip =
        platform::ZipArchive::open(InputFile(data, size, QStringLiteral(".zip")));
    if (!zip) return 0;
    for (const QString& name : zip->names()) {
        zip->contains(name);
        zip->read(name);
    }
    return 0;
}
