#pragma once
#include <QByteArrayView>
#include <QString>

namespace platform {

// Replaces the file with the bytes through a temporary file in the same folder.
// The old file stays unless every byte reached the disk; on failure the reason
// comes back and no temporary file is left.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* error = nullptr);

} // namespace platform
