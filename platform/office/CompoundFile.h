#pragma once
#include <QByteArray>
#include <QStringView>
#include <optional>

namespace platform {

// One stream of a compound file (the container of legacy Office documents), e.g. the "Workbook" stream of
// an .xls; nothing when the bytes are no compound file or the stream is missing or broken.
std::optional<QByteArray> ReadCompoundStream(const QByteArray& file, QStringView name);

} // namespace platform
