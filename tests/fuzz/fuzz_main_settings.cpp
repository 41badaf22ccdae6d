// "SettingA.vq": the main window's settings, read as the program reads them from the file.
#include "FuzzInput.h"
#include "core/MainSettings.h"
#include "core/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    core::MainSettings::fromLines(core::ReadTextLines(InputFile(data, size, QStringLiteral(".vq")))).toText();
    return 0;
}
