#pragma once
#include <QByteArray>
#include <QImage>
#include <QSizeF>

namespace platform::rtf {

// What a \pict group holds.
struct Picture {
    bool decodable = false; // PNG or JPEG; metafiles and bitmaps are not
    QByteArray hex;
    QByteArray binary; // from \bin
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
};

QImage DecodePicture(const Picture& picture);

// The size in pixels the picture asks to be shown at; empty when it is its natural size.
QSizeF PictureDisplaySize(const Picture& picture, QSize pixels);

// A complete {\pict ...} group holding the image as PNG, shown at `width` x `height` pixels;
// a missing side (0) keeps the aspect ratio.
QByteArray EncodePicture(const QImage& image, qreal width, qreal height);

} // namespace platform::rtf
