#include "platform/system/ProcessSearch.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <unistd.h>
#include <vector>

// glibc 2.36 declares these without C linkage.
extern "C" {
#include <sys/pidfd.h>
}

namespace platform {
namespace {

constexpr int graceMs = 2000;

QByteArray ReadProcFile(qint64 pid, const char* entry) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(entry)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ExecutableName(qint64 pid) {
    // The exe link is unreadable for other users' processes and missing for kernel threads.
    QString path = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    // A binary replaced while running (an upgrade) shows as "path (deleted)".
    if (path.endsWith(QLatin1String(" (deleted)"))) path.chop(10);
    // comm is cut to 15 characters, so the first word of the command line comes first.
    if (path.isEmpty()) path = QString::fromLocal8Bit(ReadProcFile(pid, "cmdline").constData());
    if (!path.isEmpty()) return QFileInfo(path).fileName();
    return QString::fromLocal8Bit(ReadProcFile(pid, "comm")).trimmed();
}

bool Matches(qint64 pid, const QString& exeName, bool exact) {
    const QString name = ExecutableName(pid);
    return exact ? name.compare(exeName, Qt::CaseInsensitive) == 0 : name.startsWith(exeName, Qt::CaseInsensitive);
}

// The real uid from the "Uid:" line; -1 once the process is gone.
qint64 RealUid(qint64 pid) {
    const QList<QByteArray> lines = ReadProcFile(pid, "status").split('\n');
    for (const QByteArray& line : lines)
        if (line.startsWith("Uid:")) return line.mid(4).simplified().split(' ').value(0).toLongLong();
    return -1;
}

void EndOwnProcesses(const QList<qint64>& pids, const QString& exeName, bool exact) {
    std::vector<pollfd> asked;
    for (const qint64 pid : pids) {
        if (pid == getpid()) continue;
        // A pidfd pins the process, so a pid reused since the scan is checked again and never signalled by mistake.
        const int fd = pidfd_open(pid, 0);
        if (fd < 0) continue;
        if (RealUid(pid) == qint64(getuid()) && Matches(pid, exeName, exact) &&
            pidfd_send_signal(fd, SIGTERM, nullptr, 0) == 0)
            asked.push_back({fd, POLLIN, 0});
        else
            close(fd);
    }
    // A pidfd turns readable when its process ends; those still running after the grace are killed.
    std::vector<pollfd> running = asked;
    const QDeadlineTimer grace(graceMs);
    while (!running.empty() && !grace.hasExpired()) {
        if (poll(running.data(), running.size(), int(grace.remainingTime())) < 0 && errno != EINTR) break;
        std::erase_if(running, [](const pollfd& p) { return p.revents != 0; });
    }
    for (const pollfd& p : running)
        pidfd_send_signal(p.fd, SIGKILL, nullptr, 0);
    for (const pollfd& p : asked)
        close(p.fd);
}

} // namespace

QList<qint64> FindProcesses(const QString& exeName, bool exact) {
    QList<qint64> found;
    if (exeName.isEmpty()) return found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (isPid && Matches(pid, exeName, exact)) found.append(pid);
    }
    return found;
}

bool FindOrKillProcess(const QString& exeName, bool exact, bool kill) {
    const QList<qint64> found = FindProcesses(exeName, exact);
    if (kill) EndOwnProcesses(found, exeName, exact);
    return !found.isEmpty();
}

} // namespace platform
