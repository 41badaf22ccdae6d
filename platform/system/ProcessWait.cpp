#include "platform/system/ProcessWait.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace platform {

void WaitKeepingPainting(QProcess& process, int timeoutMs) {
    if (process.state() == QProcess::NotRunning) return;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
