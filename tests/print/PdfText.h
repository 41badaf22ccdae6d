#pragma once
// What a reader of a PDF sees: its pages and their text (poppler-utils' pdfinfo and pdftotext).
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

inline bool HavePdfTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The number of pages, read from the file itself.
inline int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

// The text of each page.
inline QStringList PdfPageTexts(const QString& path) {
    QStringList pages;
    for (int i = 1, n = PdfPages(path); i <= n; ++i) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QString::number(i), QStringLiteral("-l"), QString::number(i),
                 QStringLiteral("-layout"), path, QStringLiteral("-")});
        p.waitForFinished(30000);
        pages << QString::fromUtf8(p.readAllStandardOutput());
    }
    return pages;
}

// Converts a .docx to PDF with LibreOffice, as a word processor lays it out; empty when it is not installed.
inline QString WordProcessorPdf(const QString& docx, const QString& folder) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) return {};
    QProcess p;
    p.start(soffice, {QStringLiteral("--headless"),
                      QStringLiteral("-env:UserInstallation=file://") + folder + QStringLiteral("/lo"),
                      QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), folder, docx});
    p.waitForFinished(120000);
    QString pdf = folder + u'/' + docx.section(u'/', -1);
    pdf.replace(QRegularExpression(QStringLiteral("\\.docx$")), QStringLiteral(".pdf"));
    return QFile::exists(pdf) ? pdf : QString();
}
