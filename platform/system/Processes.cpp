#include "platform/system/Processes.h"

#include <QFileInfo>
#include <QThread>

namespace platform {

bool ProcessExists(qint64 pid) {
    return pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

void WaitForProcessEnd(qint64 pid) {
    // Not our child in general, so waitpid() is no option; poll /proc instead.
    while (ProcessExists(pid)) QThread::msleep(50);
}

} // namespace platform
