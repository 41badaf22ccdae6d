// xl/styles.xml of a workbook, and the number formats it gives applied to a few values.
#include "FuzzInput.h"
#include "platform/office/XlsxStyles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const platform::NumberFormat& format : platform::ReadCellFormats(InputBytes(data, size))) {
        for (const double value : {0.0, -1.5, 45000.25, 1e300, -1e-300})
            format.text(value);
    }
    return 0;
}
