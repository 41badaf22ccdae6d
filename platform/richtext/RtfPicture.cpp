#include "platform/richtext/RtfPicture.h"

#include <QBuffer>

namespace platform::rtf {
namespace {

constexpr qreal kTwipsPerPixel = 15; // at 96 dots per inch
constexpr int kHexLineLength = 128;

} // namespace

QImage DecodePicture(const Picture& picture) {
    if (!picture.decodable) return {};
    return QImage::fromData(picture.binary.isEmpty() ? QByteArray::fromHex(picture.hex) : picture.binary);
}

QSizeF PictureDisplaySize(const Picture& picture, QSize pixels) {
    const bool hasGoal = picture.goalWidth > 0 && picture.goalHeight > 0;
    if (!hasGoal && picture.scaleX == 100 && picture.scaleY == 100) return {};
    const QSizeF base = hasGoal ? QSizeF(picture.goalWidth, picture.goalHeight) / kTwipsPerPixel : QSizeF(pixels);
    return {base.width() * picture.scaleX / 100, base.height() * picture.scaleY / 100};
}

QByteArray EncodePicture(const QImage& image, qreal width, qreal height) {
    if (width <= 0 && height <= 0) {
        width = image.width();
        height = image.height();
    } else if (width <= 0) {
        width = height * image.width() / image.height();
    } else if (height <= 0) {
        height = width * image.height() / image.width();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");

    QByteArray out = "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                     QByteArray::number(image.height()) + "\\picwgoal" +
                     QByteArray::number(qRound(width * kTwipsPerPixel)) + "\\pichgoal" +
                     QByteArray::number(qRound(height * kTwipsPerPixel)) + "\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += kHexLineLength)
        out += hex.mid(i, kHexLineLength) + "\r\n";
    return out + "}";
}

} // namespace platform::rtf
