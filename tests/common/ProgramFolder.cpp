#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files);
    while (it.hasNext()) {
        const QString f = it.next();
        QFile::copy(f, to + u'/' + it.fileName());
    }
}

} // namespace

ProgramFolder::ProgramFolder() {
    const QString shipped = QStringLiteral(ZANDREL_SHIPPED_DIR);
    CopyFolder(shipped + QStringLiteral("/模板"), path() + QStringLiteral("模板"));
    CopyFolder(shipped + QStringLiteral("/Sounds"), path() + QStringLiteral("Sounds"));
    for (const char* folder : {"文本[姓名]文件", "题目文件", "图片列表", "历史记录", "aqr"})
        QDir().mkpath(path() + QString::fromUtf8(folder));
}

void ProgramFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile f(target);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray ProgramFolder::read(const QString& relative) const {
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
