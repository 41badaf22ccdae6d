#include "platform/image/PictureDecoder.h"

#include "platform/image/Metafile.h"
#include "platform/system/FailureReason.h"

#include <QFile>

namespace platform {

QImage DecodePicture(const QByteArray& bytes, QString* reason) {
    if (MetafileKindOf(bytes) != MetafileKind::None) return RenderMetafile(bytes, reason);
    QImage image = QImage::fromData(bytes);
    if (image.isNull() && reason) *reason = QStringLiteral("图片已损坏，或其格式不受支持");
    return image;
}

QImage LoadPicture(const QString& path, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason) *reason = FileFailureReason(file);
        return {};
    }
    return DecodePicture(file.readAll(), reason);
}

} // namespace platform
