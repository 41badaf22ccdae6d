#pragma once
#include <QList>
#include <QString>

namespace platform {

// Ids of the running processes whose executable name equals exeName (exact) or begins with it, ignoring case.
// Processes of every user count; an empty name matches nothing.
QList<qint64> FindProcesses(const QString& exeName, bool exact);

// True when FindProcesses() finds any process. With kill, every match that belongs to this user and is not this
// process is asked to quit (SIGTERM); those still running after a grace of two seconds are ended with SIGKILL.
// Processes that cannot be signalled are skipped.
bool FindOrKillProcess(const QString& exeName, bool exact, bool kill);

} // namespace platform
