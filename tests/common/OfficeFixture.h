#pragma once
// Word documents written by hand, and files converted by LibreOffice, for tests of what the readers keep.
#include "platform/office/DocConversion.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A document.xml whose body is the given markup, with the vocabularies Word and LibreOffice write.
inline QByteArray WordXml(const QString& body) {
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
            " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
            " xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\""
            " xmlns:v=\"urn:schemas-microsoft-com:vml\" xmlns:o=\"urn:schemas-microsoft-com:office:office\""
            " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
            " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
            "<w:body>" +
            body + "</w:body></w:document>")
        .toUtf8();
}

// A table of one row with one cell per given cell body.
inline QByteArray WordTableXml(const QStringList& cells) {
    QString row;
    for (const QString& cell : cells)
        row += "<w:tc>" + cell + "</w:tc>";
    return WordXml("<w:tbl><w:tr>" + row + "</w:tr></w:tbl>");
}

// Converts a file with LibreOffice into `format` (an extension such as "docx" or "xls") in the file's
// folder; the path of the result, or "" with the reason in `why`.
inline QString ConvertWithLibreOffice(const QString& path, const QString& format, QString* why) {
    const QString office = platform::FindLibreOffice();
    if (office.isEmpty()) {
        *why = "LibreOffice is not installed";
        return {};
    }
    QTemporaryDir profile;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString folder = QFileInfo(path).absolutePath();
    process.start(office, {"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(), "--headless",
                           "--norestore", "--convert-to", format, "--outdir", folder, path});
    const QString result = QDir(folder).filePath(QFileInfo(path).completeBaseName() + "." + format.section(':', 0, 0));
    if (!process.waitForFinished(120000) || !QFileInfo::exists(result)) {
        *why = "LibreOffice did not convert: " + QString::fromLocal8Bit(process.readAll());
        return {};
    }
    return result;
}
