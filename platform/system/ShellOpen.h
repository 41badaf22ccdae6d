#pragma once
#include <QString>

namespace platform {

// Opens a document with the desktop's associated program. Returns 0 like the
// original routine; `wait` waits for the launcher, not for the document's program.
int OpenWithShell(const QString& path, bool wait);

// The short form of a path; Linux has no short names, so an existing path is
// returned whole and a missing one gives "".
QString GetShortPath(const QString& path);

} // namespace platform
