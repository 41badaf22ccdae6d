#pragma once
#include <QString>

namespace platform {

// Hands a file or folder to the desktop's associated program through xdg-open. False when there is no launcher,
// no program for the file, or the program fails at once; a launcher still running after a short wait (it waits
// for the program it started) has handed the file over. Events keep running meanwhile, user input excepted.
bool OpenWithShell(const QString& path);

// The short form of a path; Linux has no short names, so an existing path is
// returned whole and a missing one gives "".
QString GetShortPath(const QString& path);

} // namespace platform
