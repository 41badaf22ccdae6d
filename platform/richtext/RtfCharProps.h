#pragma once

namespace platform::rtf {

// Character properties as RTF states them; font and colours are indexes into the document's tables.
struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int script = 0;     // QTextCharFormat::VerticalAlignment: normal, superscript or subscript
    int halfPoints = 0; // 0: size not set
    int font = -1;      // -1: font not set
    int foreground = 0; // 0: the default colour
    int background = 0; // 0: no highlight
    bool operator==(const CharProps&) const = default;
};

} // namespace platform::rtf
