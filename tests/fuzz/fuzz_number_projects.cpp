// "Setting.vq": the stored number projects.
#include "FuzzInput.h"
#include "core/NumberProjects.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString error;
    if (const std::optional<core::NumberProjects> projects =
            core::NumberProjects::fromBytes(InputBytes(data, size), &error))
        projects->toBytes();
    return 0;
}
