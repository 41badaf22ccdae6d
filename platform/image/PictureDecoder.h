#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// Reads a picture: every format Qt reads (whatever its name says), and Windows metafiles.
// A null image with a reason in Chinese when it cannot be shown.
QImage DecodePicture(const QByteArray& bytes, QString* reason = nullptr);

// The same for a file; a missing or unreadable file says so.
QImage LoadPicture(const QString& path, QString* reason = nullptr);

} // namespace platform
