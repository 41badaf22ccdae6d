#pragma once
#include <functional>

namespace platform {

// Calls `end` from the event loop when the process is asked to end (SIGTERM, SIGHUP at a log-out, SIGINT),
// so that the program can save the run's draws and its settings instead of dying with them. Call once.
void OnEndSignal(std::function<void()> end);

} // namespace platform
