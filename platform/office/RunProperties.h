#pragma once
#include <QHashFunctions>
#include <QRgb>
#include <QString>
#include <QTextCharFormat>

class QXmlStreamReader;

namespace platform {

// The direct formatting of a Word run (w:rPr); styles are not applied.
struct RunProperties {
    enum class Script : quint8 { Normal, Super, Sub };

    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Script script = Script::Normal;
    bool hasColor = false;
    QRgb color = 0;
    bool hasHighlight = false; // w:highlight, or the shading LibreOffice gives a run
    QRgb highlight = 0;
    int halfPoints = 0; // 0: not set
    QString font;
    QString eastAsiaFont;

    // Reads the w:rPr element the reader is on, up to its end.
    static RunProperties read(QXmlStreamReader& xml);

    QTextCharFormat toFormat() const;

    bool operator==(const RunProperties&) const = default;
};

size_t qHash(const RunProperties& p, size_t seed = 0) noexcept;

} // namespace platform
