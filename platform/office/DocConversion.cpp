#include "platform/office/DocConversion.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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
    if (!process.waitForStarted()) return fail(error, QStringLiteral("LibreOffice could not be started"));
    if (!process.waitForFinished(timeoutMs)) {
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

} // namespace platform
