#pragma once
#include <QString>

namespace core {

// The part before the first "."; a name without "." or starting with "." is returned whole.
QString StripExtension(const QString& name);

// Replaces / \ : * ? " < > | by "-".
QString SanitizeFileName(const QString& text);

// True for a name that can be stored as one line of a settings file: no CR, no LF.
bool FitsOneLine(const QString& name);

// True for a name that stays a plain file inside its folder and fits one line:
// not blank, no folder separator, not only dots, no line break.
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

// Creates an empty file of the name in the folder, or, when that name is taken, of the name with
// "_2", "_3" ... before its extension, and returns its path; "" when none can be created. The
// creation is exclusive, so two programs saving at once never get the same file.
QString CreateFreeFile(const QString& folder, const QString& name);

// Number of plain files in a folder; 0 when it cannot be read.
qint64 CountFiles(const QString& folder);

} // namespace core
