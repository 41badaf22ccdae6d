#include "platform/office/ReadLimits.h"

namespace platform {

namespace {

const QString kPrefix = QStringLiteral("文件超出了程序能读取的范围：");

} // namespace

QString PastLimitText(const QString& what) {
    return kPrefix + what + u'。';
}

bool IsPastLimit(const QString& reason) {
    return reason.startsWith(kPrefix);
}

} // namespace platform
