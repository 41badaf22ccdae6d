// "GeneralSet.dat": the general options.
#include "FuzzInput.h"
#include "core/GeneralOptions.h"
#include "core/TextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    core::GeneralOptions options;
    options.read(core::ReadTextFile(InputFile(data, size, QStringLiteral(".dat"))));
    options.write();
    return 0;
}
