#include "platform/office/CompoundFile.h"

#include <QString>
#include <QtEndian>
#include <vector>

namespace platform {

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr int kHeaderFatEntries = 109;
constexpr int kDirectoryEntrySize = 128;

class Reader {
public:
    explicit Reader(const QByteArray& file) : file_(file) {}
    std::optional<QByteArray> stream(QStringView name);

private:
    quint32 u32(qsizetype at) const {
        return at >= 0 && at + 4 <= file_.size() ? qFromLittleEndian<quint32>(file_.constData() + at) : kEndOfChain;
    }
    quint16 u16(qsizetype at) const {
        return at >= 0 && at + 2 <= file_.size() ? qFromLittleEndian<quint16>(file_.constData() + at) : 0;
    }
    qsizetype sectorOffset(quint32 sector) const { return (qsizetype(sector) + 1) << shift_; }
    bool readFat();
    // The bytes of a chain of `table`, each link `unit` bytes long, cut at `size`; nothing for a broken chain.
    std::optional<QByteArray> chain(const std::vector<quint32>& table, quint32 start, qsizetype size, int unit,
                                    const QByteArray* source) const;

    const QByteArray& file_;
    int shift_ = 9;
    std::vector<quint32> fat_;
};

bool Reader::readFat() {
    const quint32 fatSectors = u32(44);
    const qsizetype sectorSize = qsizetype(1) << shift_;
    const qsizetype perSector = sectorSize / 4;
    if (qsizetype(fatSectors) > file_.size() / sectorSize + 1) return false;
    std::vector<quint32> sectors;
    for (int i = 0; i < kHeaderFatEntries && sectors.size() < fatSectors; ++i)
        sectors.push_back(u32(76 + 4 * i));
    // Further table sectors are listed in a chain of DIFAT sectors, each ending with the next one.
    for (quint32 difat = u32(68), hops = 0; sectors.size() < fatSectors && difat < kEndOfChain; ++hops) {
        if (hops > fatSectors) return false;
        for (qsizetype i = 0; i + 1 < perSector && sectors.size() < fatSectors; ++i)
            sectors.push_back(u32(sectorOffset(difat) + 4 * i));
        difat = u32(sectorOffset(difat) + sectorSize - 4);
    }
    for (const quint32 s : sectors) {
        if (sectorOffset(s) + sectorSize > file_.size()) return false;
        for (qsizetype i = 0; i < perSector; ++i)
            fat_.push_back(u32(sectorOffset(s) + 4 * i));
    }
    return true;
}

std::optional<QByteArray> Reader::chain(const std::vector<quint32>& table, quint32 start, qsizetype size, int unit,
                                        const QByteArray* source) const {
    QByteArray out;
    for (quint32 link = start; link < kEndOfChain && out.size() < size;) {
        const qsizetype at = source ? qsizetype(link) * unit : sectorOffset(link);
        const QByteArray& from = source ? *source : file_;
        // A chain longer than its table has a loop.
        if (link >= table.size() || at + unit > from.size() || out.size() > qsizetype(table.size()) * unit)
            return std::nullopt;
        out.append(from.constData() + at, unit);
        link = table[link];
    }
    if (out.size() < size) return std::nullopt;
    out.truncate(size);
    return out;
}

std::optional<QByteArray> Reader::stream(QStringView name) {
    if (!file_.startsWith(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))) return std::nullopt;
    shift_ = u16(30);
    if ((shift_ != 9 && shift_ != 12) || !readFat()) return std::nullopt;
    // The directory has no size of its own: it is read up to its chain's end.
    QByteArray entries;
    for (quint32 link = u32(48), hops = 0; link < kEndOfChain && link < fat_.size() && hops <= fat_.size(); ++hops) {
        if (sectorOffset(link) + (1 << shift_) > file_.size()) break;
        entries.append(file_.constData() + sectorOffset(link), 1 << shift_);
        link = fat_[link];
    }
    const auto entryName = [&](qsizetype at) {
        const int bytes = std::min<int>(qFromLittleEndian<quint16>(entries.constData() + at + 64), 64);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(entries.constData() + at),
                                  std::max(bytes / 2 - 1, 0));
    };
    if (entries.size() < kDirectoryEntrySize) return std::nullopt;
    const quint32 miniCutoff = u32(56);
    for (qsizetype at = 0; at + kDirectoryEntrySize <= entries.size(); at += kDirectoryEntrySize) {
        if (entries[at + 66] != 2 || entryName(at).compare(name, Qt::CaseInsensitive) != 0) continue;
        const quint32 start = qFromLittleEndian<quint32>(entries.constData() + at + 116);
        const qsizetype size = qFromLittleEndian<quint32>(entries.constData() + at + 120);
        const quint32 rootStart = qFromLittleEndian<quint32>(entries.constData() + 116);
        const qsizetype rootSize = qFromLittleEndian<quint32>(entries.constData() + 120);
        if (size >= miniCutoff || rootStart >= kEndOfChain) return chain(fat_, start, size, 1 << shift_, nullptr);
        // Small streams live in the root's mini stream, in 64-byte links of their own table.
        const std::optional<QByteArray> mini = chain(fat_, rootStart, rootSize, 1 << shift_, nullptr);
        const quint32 miniFatSectors = u32(64);
        const std::optional<QByteArray> miniFat =
            chain(fat_, u32(60), qsizetype(miniFatSectors) << shift_, 1 << shift_, nullptr);
        if (!mini || !miniFat) return std::nullopt;
        std::vector<quint32> miniTable(size_t(miniFat->size() / 4));
        for (size_t i = 0; i < miniTable.size(); ++i)
            miniTable[i] = qFromLittleEndian<quint32>(miniFat->constData() + 4 * i);
        return chain(miniTable, start, size, 64, &*mini);
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> ReadCompoundStream(const QByteArray& file, QStringView name) {
    return Reader(file).stream(name);
}

} // namespace platform
