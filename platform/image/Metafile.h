#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// Windows metafiles (WMF, EMF), the pictures of old equations and drawings, which Qt cannot read.
enum class MetafileKind { None, Wmf, Emf };

MetafileKind MetafileKindOf(const QByteArray& bytes);

// Draws the metafile at its own size: converted to SVG by libwmf's wmf2svg or by emf2svg-conv, each in a
// process of its own so that a damaged file cannot take the program down, and rendered by Qt SVG.
// A null image with a reason in Chinese when it cannot be shown.
QImage RenderMetafile(const QByteArray& bytes, QString* reason = nullptr);

} // namespace platform
