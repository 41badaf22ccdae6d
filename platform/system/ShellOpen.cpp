#include "platform/system/ShellOpen.h"
#include "platform/system/ProcessWait.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

// xdg-open ends within this time when it fails; a program that keeps it waiting has the file.
constexpr int kLaunchWaitMs = 2000;

} // namespace

bool OpenWithShell(const QString& path) {
    const QString full = GetShortPath(path);
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (full.isEmpty() || launcher.isEmpty()) return false;
    // Owned by the application: a launcher that waits for its program outlives this call.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(launcher, {full});
    WaitKeepingPainting(*process, kLaunchWaitMs);
    if (process->state() != QProcess::NotRunning) return true;
    const bool ok = process->error() == QProcess::UnknownError && process->exitStatus() == QProcess::NormalExit &&
                    process->exitCode() == 0;
    if (process->error() == QProcess::FailedToStart) process->deleteLater();
    return ok;
}

QString GetShortPath(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.absoluteFilePath() : QString();
}

} // namespace platform
