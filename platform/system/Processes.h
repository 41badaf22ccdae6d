#pragma once
#include <QtGlobal>

namespace platform {

// Blocks until the process with this id has ended; returns at once when there is none.
void WaitForProcessEnd(qint64 pid);

// True while /proc lists the process.
bool ProcessExists(qint64 pid);

} // namespace platform
