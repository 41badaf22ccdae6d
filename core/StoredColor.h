#pragma once
#include <QColor>

namespace core {

// Colours are stored as the decimal of red + green * 256 + blue * 65536.
inline QColor FromStoredColor(quint32 v) {
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

inline quint32 ToStoredColor(const QColor& c) {
    return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16;
}

} // namespace core
