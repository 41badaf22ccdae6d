#pragma once
// Small Windows metafiles written record by record: a filled rectangle, as old equations and drawings hold them.
#include <QByteArray>
#include <QColor>
#include <QtEndian>

namespace metafile_fixture {

inline QByteArray Le(quint32 value, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = char(value >> (8 * i) & 0xFF);
    return out;
}

inline quint32 ColorRef(QColor c) {
    return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16;
}

} // namespace metafile_fixture

// A placeable WMF of width x height pixels (at 96 per inch) filled with `fill`.
inline QByteArray WmfRectangle(int width, int height, QColor fill) {
    using namespace metafile_fixture;
    const auto record = [](quint16 function, const QByteArray& params) {
        return Le(3 + params.size() / 2, 4) + Le(function, 2) + params;
    };
    QByteArray records = record(0x020B, Le(0, 2) + Le(0, 2)) +                                // window origin
                         record(0x020C, Le(height, 2) + Le(width, 2)) +                       // window extent
                         record(0x02FC, Le(0, 2) + Le(ColorRef(fill), 4) + Le(0, 2)) +        // solid brush
                         record(0x012D, Le(0, 2)) +                                           // select it
                         record(0x041B, Le(height, 2) + Le(width, 2) + Le(0, 2) + Le(0, 2)) + // rectangle
                         record(0x0000, {});
    const QByteArray header =
        Le(1, 2) + Le(9, 2) + Le(0x0300, 2) + Le((18 + records.size()) / 2, 4) + Le(1, 2) + Le(7, 4) + Le(0, 2);
    QByteArray placeable =
        Le(0x9AC6CDD7, 4) + Le(0, 2) + Le(0, 2) + Le(0, 2) + Le(width, 2) + Le(height, 2) + Le(96, 2) + Le(0, 4);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(placeable.constData() + i);
    return placeable + Le(checksum, 2) + header + records;
}

// An EMF of width x height pixels filled with `fill`.
inline QByteArray EmfRectangle(int width, int height, QColor fill) {
    using namespace metafile_fixture;
    const auto record = [](quint32 type, const QByteArray& params) {
        return Le(type, 4) + Le(8 + params.size(), 4) + params;
    };
    const QByteArray box = Le(0, 4) + Le(0, 4) + Le(width - 1, 4) + Le(height - 1, 4);
    const QByteArray body = record(39, Le(1, 4) + Le(0, 4) + Le(ColorRef(fill), 4) + Le(0, 4)) + // brush 1
                            record(37, Le(1, 4)) +                                               // select it
                            record(43, Le(0, 4) + Le(0, 4) + Le(width, 4) + Le(height, 4)) +     // rectangle
                            record(14, Le(0, 4) + Le(16, 4) + Le(20, 4));                        // end
    // Bounds in pixels, frame in 0.01 mm at 96 per inch, " EMF", version, size, records, handles, a
    // reference device of 1024 x 768 pixels that is 271 x 203 mm.
    const QByteArray frame = Le(0, 4) + Le(0, 4) + Le(width * 2540 / 96, 4) + Le(height * 2540 / 96, 4);
    const QByteArray header =
        record(1, box + frame + Le(0x464D4520, 4) + Le(0x10000, 4) + Le(88 + body.size(), 4) + Le(5, 4) + Le(2, 2) +
                      Le(0, 2) + Le(0, 4) + Le(0, 4) + Le(0, 4) + Le(1024, 4) + Le(768, 4) + Le(271, 4) + Le(203, 4));
    return header + body;
}
