#include "platform/office/DocConversion.h"
#include "platform/system/ProcessWait.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace platform {

namespace {

QString fail(QString* error, const QString& text) {
    if (error) *error = text;
    return {};
}

} // namespace

QString FindLibreOffice() {
    for (const char* name : {"soffice", "libreoffice"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty()) return program;
    }
    return {};
}

QString ConvertToDocx(const QString& path, const QString& outFolder, QString* error, int timeoutMs) {
    const QFileInfo input(path);
    if (!input.isFile()) return fail(error, QStringLiteral("file not found"));
    const QString program = FindLibreOffice();
    if (program.isEmpty()) return fail(error, QStringLiteral("LibreOffice is not installed"));

    // A profile of our own: with the user's one, a running LibreOffice would take the job and do nothing.
    const QString profile = QUrl::fromLocalFile(QDir(outFolder).filePath(QStringLiteral("profile"))).toString();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                            QStringLiteral("--norestore"), QStringLiteral("--convert-to"), QStringLiteral("docx"),
                            QStringLiteral("--outdir"), outFolder, input.absoluteFilePath()});
    // The window keeps painting while LibreOffice works; the user's clicks wait until it is done.
    WaitKeepingPainting(process, timeoutMs);
    if (process.error() == QProcess::FailedToStart)
        return fail(error, QStringLiteral("LibreOffice could not be started"));
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return fail(error, QStringLiteral("LibreOffice did not finish within %1 s").arg(timeoutMs / 1000));
    }
    const QString result = QDir(outFolder).filePath(input.completeBaseName() + QStringLiteral(".docx"));
    if (process.exitStatus() != QProcess::NormalExit || !QFileInfo::exists(result)) {
        const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
        return fail(error, QStringLiteral("LibreOffice could not convert the file: %1").arg(output));
    }
    return result;
}

QString ConvertedCopy(const QString& path, const QString& folder, QString* error) {
    const QFileInfo input(path);
    if (!input.isFile()) return fail(error, QStringLiteral("file not found"));
    // One name per file, one suffix per version of it.
    const QString source = input.absoluteFilePath();
    const QString prefix =
        QString::fromLatin1(QCryptographicHash::hash(source.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    const QString name =
        QStringLiteral("%1-%2-%3.docx").arg(prefix).arg(input.size()).arg(input.lastModified().toMSecsSinceEpoch());
    QDir dir(folder);
    if (dir.exists(name)) return dir.filePath(name);
    if (!dir.mkpath(QStringLiteral("."))) return fail(error, QStringLiteral("cannot create %1").arg(folder));

    // A fresh folder per conversion, so that two copies of the program never mix their files.
    QTemporaryDir work(dir.filePath(QStringLiteral("work-XXXXXX")));
    if (!work.isValid()) return fail(error, QStringLiteral("cannot create a folder in %1").arg(folder));
    const QString converted = ConvertToDocx(source, work.path(), error);
    if (converted.isEmpty()) return {};
    for (const QString& old : dir.entryList({prefix + QStringLiteral("-*.docx")}, QDir::Files))
        if (old != name) dir.remove(old);
    if (!QFile::rename(converted, dir.filePath(name)) && !dir.exists(name))
        return fail(error, QStringLiteral("cannot keep the converted copy in %1").arg(folder));
    return dir.filePath(name);
}

} // namespace platform
