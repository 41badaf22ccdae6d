#pragma once
#include <QString>

namespace core {

// The part before the first "."; a name without "." or starting with "." is returned whole.
QString StripExtension(const QString& name);

// Replaces / \ : * ? " < > | by "-".
QString SanitizeFileName(const QString& text);

// True for a name that stays a plain file inside its folder: not blank, no folder separator, not only dots.
bool IsPlainFileName(const QString& name);

// Removes trailing blanks and the fill characters 0 and 255.
QString TrimTrailingBlanks(const QString& text);

// Creates every missing folder of the path; failures are ignored.
void CreateFolderPath(const QString& path);

// Deletes the folder with everything in it, read-only files too. A link, the
// folder itself or one inside it, is removed as a link; its target is untouched.
void RemoveFolder(const QString& path);

// RemoveFolder, then creates the folder again, empty.
void RecreateFolder(const QString& path);

// Number of plain files in a folder; 0 when it cannot be read.
qint64 CountFiles(const QString& folder);

} // namespace core
