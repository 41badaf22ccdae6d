#include "core/NumberProjects.h"

#include "core/FileNames.h"
#include "core/TextFiles.h"

#include <QStringEncoder>
#include <QtEndian>

#include <cstring>

namespace core {

namespace {

QByteArray Gb18030(const QString& text) {
    QStringEncoder gb("GB18030");
    return gb.encode(text);
}

void PutField(QByteArray& out, const QString& text, int bytes) {
    QByteArray field = Gb18030(FitBytes(text, bytes));
    field.append(bytes - field.size(), ' ');
    out.append(field);
}

void PutDouble(QByteArray& out, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    char le[8];
    qToLittleEndian(bits, le);
    out.append(le, 8);
}

double GetDouble(const char* p) {
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

QString GetField(const char* p, int bytes, TextEncoding encoding) {
    return TrimTrailingBlanks(Decode(QByteArrayView(p, bytes), encoding));
}

} // namespace

QString FitBytes(const QString& text, int bytes) {
    QString out;
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        // Keep surrogate pairs together.
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, len);
        const int n = int(Gb18030(ch).size());
        if (used + n > bytes) break;
        out += ch;
        used += n;
        i += len;
    }
    return out;
}

qsizetype NumberProjects::find(const QString& name) const {
    for (qsizetype i = 0; i < items_.size(); ++i)
        if (TrimTrailingBlanks(items_[i].Name) == name) return i;
    return -1;
}

QByteArray NumberProjects::toBytes() const {
    QByteArray out;
    char count[2];
    qToLittleEndian(qint16(items_.size()), count);
    out.append(count, 2);
    for (const NumberProject& p : items_) {
        PutField(out, p.Name, NumberProject::kNameBytes);
        PutDouble(out, p.Min);
        PutDouble(out, p.Max);
        PutDouble(out, p.Step);
        PutField(out, p.Exclude, NumberProject::kExcludeBytes);
    }
    return out;
}

std::optional<NumberProjects> NumberProjects::fromBytes(const QByteArray& bytes, QString* error) {
    if (bytes.size() < 2) {
        if (error) *error = QStringLiteral("Setting.vq 文件不完整");
        return std::nullopt;
    }
    const qint16 count = qFromLittleEndian<qint16>(bytes.constData());
    if (count < 0 || bytes.size() < 2 + qsizetype(count) * kRecordBytes) {
        if (error) *error = QStringLiteral("Setting.vq 文件不完整");
        return std::nullopt;
    }
    auto record = [&](int i) { return bytes.constData() + 2 + qsizetype(i) * kRecordBytes; };
    // Older installations wrote GBK, earlier builds of this program UTF-8: decided once for
    // all the texts of the file, which tells more than one short name.
    QByteArray texts;
    for (int i = 0; i < count; ++i) {
        texts.append(record(i), NumberProject::kNameBytes).append(' ');
        texts.append(record(i) + NumberProject::kNameBytes + 24, NumberProject::kExcludeBytes).append(' ');
    }
    const TextEncoding encoding = GuessEncoding(texts);
    NumberProjects out;
    for (int i = 0; i < count; ++i) {
        const char* r = record(i);
        NumberProject p;
        p.Name = GetField(r, NumberProject::kNameBytes, encoding);
        r += NumberProject::kNameBytes;
        p.Min = GetDouble(r);
        p.Max = GetDouble(r + 8);
        p.Step = GetDouble(r + 16);
        p.Exclude = GetField(r + 24, NumberProject::kExcludeBytes, encoding);
        out.append(p);
    }
    return out;
}

} // namespace core
