#include "core/FileNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace core {

QString StripExtension(const QString& name) {
    const qsizetype dot = name.indexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString SanitizeFileName(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (QStringView(u"/\\:*?\"<>|").contains(c)) c = u'-';
    return out;
}

bool IsPlainFileName(const QString& name) {
    const QString t = name.trimmed();
    if (t.isEmpty() || t.contains(u'/') || t.contains(u'\\')) return false;
    return !std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'.'; });
}

QString TrimTrailingBlanks(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && (text[n - 1] == u' ' || text[n - 1].unicode() == 0 || text[n - 1].unicode() == 255))
        --n;
    return text.left(n);
}

void CreateFolderPath(const QString& path) {
    QDir().mkpath(path);
}

namespace {

// Deletes one entry without following a link: a link goes as a link, a real
// folder with everything in it. Only real folders get their mode opened (a
// read-only folder cannot be emptied), so no mode ever changes through a link.
void RemoveEntry(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir()) {
        QFile::remove(path);
        return;
    }
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner | QFile::ExeOwner);
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext())
        RemoveEntry(it.next());
    QDir().rmdir(path);
}

} // namespace

void RemoveFolder(const QString& path) {
    // Without the trailing "/", which would make a link to a folder look like the folder.
    RemoveEntry(QDir::cleanPath(path));
}

void RecreateFolder(const QString& path) {
    RemoveFolder(path);
    QDir().mkpath(path);
}

qint64 CountFiles(const QString& folder) {
    qint64 n = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

} // namespace core
