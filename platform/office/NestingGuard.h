#pragma once
#include "platform/office/ReadLimits.h"

#include <QXmlStreamReader>

namespace platform {

// Held by each level of a recursive XML reader: past limits::kNesting levels it stops the reader with an
// error, so a deeply nested file ends the read instead of the stack.
class NestingGuard {
public:
    NestingGuard(QXmlStreamReader& xml, int& depth) : depth_(depth) {
        if (++depth_ > limits::kNesting && !xml.hasError())
            xml.raiseError(PastLimitText(QStringLiteral("元素嵌套超过%1层").arg(limits::kNesting)));
    }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& depth_;
};

} // namespace platform
