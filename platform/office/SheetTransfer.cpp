#include "platform/office/SheetTransfer.h"

#include "platform/office/ReadLimits.h"

#include <QDataStream>
#include <QIODevice>

namespace platform {

namespace {

constexpr quint32 kMagic = 0x5A584C53; // "ZXLS"
constexpr QDataStream::Version kVersion = QDataStream::Qt_6_4;

} // namespace

QByteArray PackSheets(const std::vector<WorkbookSheet>& sheets) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kVersion);
    out << kMagic << quint32(sheets.size());
    for (const WorkbookSheet& sheet : sheets) {
        out << sheet.name() << quint32(sheet.cellCount());
        sheet.forEachCell(
            [&out](int row, int column, const QString& text) { out << qint32(row) << qint32(column) << text; });
    }
    return bytes;
}

std::optional<std::vector<WorkbookSheet>> UnpackSheets(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(kVersion);
    quint32 magic = 0, sheetCount = 0;
    in >> magic >> sheetCount;
    if (magic != kMagic) return std::nullopt;
    std::vector<WorkbookSheet> sheets;
    qsizetype total = 0;
    for (quint32 s = 0; s < sheetCount && in.status() == QDataStream::Ok; ++s) {
        QString name;
        quint32 cells = 0;
        in >> name >> cells;
        WorkbookSheet& sheet = sheets.emplace_back(name);
        for (quint32 c = 0; c < cells && in.status() == QDataStream::Ok; ++c) {
            qint32 row = 0, column = 0;
            QString text;
            in >> row >> column >> text;
            if (row < 1 || row > limits::kSheetRows || column < 1 || column > limits::kSheetColumns ||
                ++total > limits::kCells)
                return std::nullopt;
            sheet.setText(row, column, std::move(text));
        }
    }
    if (in.status() != QDataStream::Ok || !in.atEnd()) return std::nullopt;
    return sheets;
}

} // namespace platform
