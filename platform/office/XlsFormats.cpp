#include "platform/office/XlsFormats.h"

#include "platform/office/CompoundFile.h"

#include <QFile>
#include <QtEndian>

namespace platform {

namespace {

constexpr quint16 kEof = 0x000A;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kXf = 0x00E0;
constexpr quint16 kBoundSheet = 0x0085;
constexpr quint16 kNumber = 0x0203;
constexpr quint16 kRk = 0x027E;
constexpr quint16 kMulRk = 0x00BD;
constexpr quint16 kFormula = 0x0006;
constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

struct Record {
    quint16 type;
    const char* data;
    quint16 size;
};

// Walks the records from `offset`; `visit` returns false to stop.
template <typename Visit> void records(const QByteArray& stream, qsizetype offset, Visit visit) {
    while (offset >= 0 && offset + 4 <= stream.size()) {
        const quint16 type = qFromLittleEndian<quint16>(stream.constData() + offset);
        const quint16 size = qFromLittleEndian<quint16>(stream.constData() + offset + 2);
        if (offset + 4 + size > stream.size()) return;
        if (!visit(Record{type, stream.constData() + offset + 4, size})) return;
        offset += 4 + size;
    }
}

quint16 u16(const Record& r, int at) {
    return at + 2 <= r.size ? qFromLittleEndian<quint16>(r.data + at) : 0;
}

// A BIFF8 string: its characters are one byte each (Latin-1) or UTF-16, as its flag byte says.
QString biffString(const Record& r, int at, int length) {
    if (at >= r.size) return {};
    const bool wide = r.data[at] & 1;
    ++at;
    length = std::min(length, (r.size - at) / (wide ? 2 : 1));
    if (length <= 0) return {};
    if (!wide) return QString::fromLatin1(r.data + at, length);
    QString s(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        s[i] = QChar(qFromLittleEndian<quint16>(r.data + at + 2 * i));
    return s;
}

} // namespace

XlsFormats XlsFormats::read(const QString& path) {
    XlsFormats formats;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return formats;
    const QByteArray bytes = file.readAll();
    std::optional<QByteArray> stream = ReadCompoundStream(bytes, u"Workbook");
    if (!stream) stream = ReadCompoundStream(bytes, u"Book");
    if (!stream) return formats;
    QHash<int, NumberFormat> custom;
    std::vector<int> ids;
    std::vector<std::pair<qsizetype, QString>> sheets;
    records(*stream, 0, [&](const Record& r) {
        if (r.type == kFormat)
            custom.insert(u16(r, 0), NumberFormat::fromCode(biffString(r, 4, u16(r, 2))));
        else if (r.type == kXf)
            ids.push_back(u16(r, 2));
        else if (r.type == kBoundSheet && r.size >= 8)
            sheets.emplace_back(qFromLittleEndian<quint32>(r.data), biffString(r, 7, quint8(r.data[6])));
        return r.type != kEof;
    });
    formats.styles_.reserve(ids.size());
    for (const int id : ids)
        formats.styles_.push_back(custom.contains(id) ? custom.value(id) : NumberFormat::builtIn(id));
    for (const auto& [offset, name] : sheets)
        formats.readSheet(*stream, offset, name);
    return formats;
}

void XlsFormats::readSheet(const QByteArray& stream, qsizetype offset, const QString& name) {
    QHash<quint64, quint16>& cells = cells_[name];
    bool first = true;
    records(stream, offset, [&](const Record& r) {
        if (std::exchange(first, false)) return true; // the sheet's BOF
        if ((r.type == kNumber || r.type == kRk || r.type == kFormula) && r.size >= 6) {
            cells.insert(key(u16(r, 0), u16(r, 2)), u16(r, 4));
        } else if (r.type == kMulRk && r.size >= 6) {
            const unsigned row = u16(r, 0), column = u16(r, 2);
            for (int i = 0; 4 + 6 * i + 6 <= r.size - 2; ++i)
                cells.insert(key(row, column + unsigned(i)), u16(r, 4 + 6 * i));
        }
        return r.type != kEof;
    });
}

NumberFormat XlsFormats::format(const QString& sheet, unsigned row, unsigned column) const {
    const auto s = cells_.constFind(sheet);
    if (s == cells_.cend()) return {};
    const auto xf = s->constFind(key(row, column));
    return xf != s->cend() && xf.value() < styles_.size() ? styles_[xf.value()] : NumberFormat();
}

} // namespace platform
