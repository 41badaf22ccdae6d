#include "core/FileNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

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

void RecreateFolder(const QString& path) {
    // removeRecursively cannot delete inside read-only folders; open them up first.
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner | QFile::ExeOwner);
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        QFile::setPermissions(f, QFile::permissions(f) | QFile::WriteOwner | QFile::ReadOwner | QFile::ExeOwner);
    }
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

QString CreateFreeFile(const QString& folder, const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int n = 1; n < 10000; ++n) {
        const QString path = folder + u'/' + (n == 1 ? name : stem + u'_' + QString::number(n) + extension);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return path;
        if (!f.exists()) return {}; // not taken, yet not creatable: no other name will do better
    }
    return {};
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
