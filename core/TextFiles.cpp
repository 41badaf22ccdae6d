#include "core/TextFiles.h"
#include "platform/system/FailureReason.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace core {

QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    QStringDecoder gb("GB18030");
    return gb.isValid() ? gb(bytes) : QString::fromLatin1(bytes);
}

QString ReadTextFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString text = DecodeText(f.readAll());
    QString result;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        // A line ends at CR LF, a lone CR or a lone LF.
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        if (!result.isEmpty()) result += QStringLiteral("\r\n");
        result += line;
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n') ++end;
        start = end + 1;
    }
    return result;
}

QStringList ReadTextLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = DecodeText(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (text.endsWith(u'\n')) text.chop(1); // the last line end adds no line
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

bool WriteTextFile(const QString& text, const QString& path, QString* error) {
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write((text + QStringLiteral("\r\n")).toUtf8());
        if (f.commit()) return true;
    }
    if (error) *error = platform::FileFailureReason(f);
    return false;
}

} // namespace core
