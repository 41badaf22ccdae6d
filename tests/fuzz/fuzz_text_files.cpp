// Name files, history files and record files: every one is read as text by the same readers.
#include "FuzzInput.h"
#include "core/CandidateSources.h"
#include "core/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = InputFile(data, size, QStringLiteral(".txt"));
    core::NameLines(core::ReadTextFile(path));
    core::ReadTextLines(path);
    return 0;
}
