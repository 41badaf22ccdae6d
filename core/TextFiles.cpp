#include "core/TextFiles.h"
#include "platform/system/FailureReason.h"

#include "platform/files/AtomicWrite.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace core {

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

// Every non-ASCII byte pairs up with the next in the GB2312 area (both bytes A1-FE):
// the characters that old Chinese files are made of.
bool AllGb2312(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = quint8(bytes[i]);
        if (b < 0x80) continue;
        if (b < 0xA1 || i + 1 >= bytes.size() || quint8(bytes[i + 1]) < 0xA1) return false;
        ++i;
    }
    return true;
}

} // namespace

TextEncoding GuessEncoding(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) return TextEncoding::Gb18030;
    const bool wide = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x800; });
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (wide || ascii) return TextEncoding::Utf8;
    // C1 control characters never stand in a text; GBK bytes read as UTF-8 can give them.
    const bool controls =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0xA0 && c.unicode() >= 0x80; });
    return AllGb2312(bytes) || controls ? TextEncoding::Gb18030 : TextEncoding::Utf8;
}

QString Decode(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return QString::fromUtf8(bytes);
    QStringDecoder gb("GB18030");
    return gb(bytes);
}

QString DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Mark)) return QString::fromUtf8(QByteArrayView(bytes).sliced(kUtf8Mark.size()));
    return Decode(bytes, GuessEncoding(bytes));
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

QByteArray TextFileBytes(const QString& text) {
    QByteArray bytes = (text + QStringLiteral("\r\n")).toUtf8();
    // The mark only where a reader would take the text for GBK, so that other files stay as they were.
    if (GuessEncoding(bytes) != TextEncoding::Utf8) bytes.prepend(kUtf8Mark);
    return bytes;
}

bool WriteTextFile(const QString& text, const QString& path, QString* error) {
    return platform::WriteFileAtomically(path, TextFileBytes(text), error);
}

} // namespace core
