#pragma once

class QProcess;

namespace platform {

// Waits until the started process ends or fails, or the time is up, while the windows keep painting and
// timers run; the user's clicks and keys wait until it is over.
void WaitKeepingPainting(QProcess& process, int timeoutMs);

} // namespace platform
