// The number range as typed: from, to, step and the excluded numbers, one a line.
#include "FuzzInput.h"
#include "core/CandidateSources.h"
#include "core/NumberText.h"
#include "core/TextFiles.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList fields = core::DecodeText(InputBytes(data, size)).split(u'\n');
    const auto number = [&fields](int i) { return core::LeadingNumber(fields.value(i)); };
    for (const double value : core::NumberRange(number(0), number(1), number(2), fields.value(3)))
        core::FormatNumber(value);
    core::LeadingInt16(fields.value(0));
    return 0;
}
