#include "platform/office/RunProperties.h"

#include "platform/office/OoxmlNames.h"

#include <QColor>
#include <QXmlStreamReader>

namespace platform {

namespace {

using namespace Qt::StringLiterals;

QStringView val(const QXmlStreamReader& xml) {
    return Attribute(xml.attributes(), Ns::W, "val"_L1);
}

// <w:b/> switches on; w:val="0", "false" or "off" switches off.
bool toggle(const QXmlStreamReader& xml) {
    const QStringView v = val(xml);
    return !(v == "0"_L1 || v == "false"_L1 || v == "off"_L1 || v == "none"_L1);
}

// The named colours of w:highlight.
QColor highlightColour(QStringView name) {
    static const std::pair<QLatin1StringView, QRgb> colours[] = {
        {"yellow"_L1, 0xFFFF00},      {"green"_L1, 0x00FF00},       {"cyan"_L1, 0x00FFFF},
        {"magenta"_L1, 0xFF00FF},     {"blue"_L1, 0x0000FF},        {"red"_L1, 0xFF0000},
        {"darkBlue"_L1, 0x000080},    {"darkCyan"_L1, 0x008080},    {"darkGreen"_L1, 0x008000},
        {"darkMagenta"_L1, 0x800080}, {"darkRed"_L1, 0x800000},     {"darkYellow"_L1, 0x808000},
        {"darkGray"_L1, 0x808080},    {"lightGray"_L1, 0xC0C0C0},   {"black"_L1, 0x000000},
        {"white"_L1, 0xFFFFFF},
    };
    for (const auto& [n, rgb] : colours) {
        if (name == n) return QColor(rgb);
    }
    return {};
}

} // namespace

RunProperties RunProperties::read(QXmlStreamReader& xml) {
    RunProperties p;
    int position = 0; // half-points raised (+) or lowered (-)
    while (xml.readNextStartElement()) {
        const Tag tag = TagOf(xml);
        if (tag.ns != Ns::W) {
            xml.skipCurrentElement();
            continue;
        }
        if (tag.name == "b"_L1) {
            p.bold = toggle(xml);
        } else if (tag.name == "i"_L1) {
            p.italic = toggle(xml);
        } else if (tag.name == "u"_L1) {
            p.underline = toggle(xml);
        } else if (tag.name == "strike"_L1 || tag.name == "dstrike"_L1) {
            p.strikeOut = toggle(xml);
        } else if (tag.name == "vertAlign"_L1) {
            const QStringView v = val(xml);
            p.script = v == "superscript"_L1 ? Script::Super : v == "subscript"_L1 ? Script::Sub : Script::Normal;
        } else if (tag.name == "position"_L1) {
            position = val(xml).toInt();
        } else if (tag.name == "color"_L1) {
            const QColor c = QColor::fromString(u'#' + val(xml).toString());
            p.hasColor = c.isValid(); // "auto" is no colour of its own
            p.color = p.hasColor ? c.rgb() : 0;
        } else if (tag.name == "highlight"_L1 || (tag.name == "shd"_L1 && !p.hasHighlight)) {
            const QColor c = tag.name == "highlight"_L1
                                 ? highlightColour(val(xml))
                                 : QColor::fromString(u'#' + Attribute(xml.attributes(), Ns::W, "fill"_L1).toString());
            p.hasHighlight = c.isValid(); // "none" and "auto" leave the background alone
            p.highlight = p.hasHighlight ? c.rgb() : 0;
        } else if (tag.name == "sz"_L1) {
            p.halfPoints = val(xml).toInt();
        } else if (tag.name == "rFonts"_L1) {
            const QXmlStreamAttributes a = xml.attributes();
            p.font = Attribute(a, Ns::W, "ascii"_L1).toString();
            if (p.font.isEmpty()) p.font = Attribute(a, Ns::W, "hAnsi"_L1).toString();
            p.eastAsiaFont = Attribute(a, Ns::W, "eastAsia"_L1).toString();
            if (p.eastAsiaFont == p.font) p.eastAsiaFont.clear();
        }
        xml.skipCurrentElement();
    }
    // LibreOffice raises or lowers a run and gives it the smaller size itself; as a superscript it gets back
    // the size of its line, which the display shrinks by two thirds again.
    if (position != 0 && p.script == Script::Normal) {
        p.script = position > 0 ? Script::Super : Script::Sub;
        p.halfPoints = p.halfPoints * 3 / 2;
    }
    return p;
}

QTextCharFormat RunProperties::toFormat() const {
    QTextCharFormat f;
    if (bold) f.setFontWeight(QFont::Bold);
    if (italic) f.setFontItalic(true);
    if (underline) f.setFontUnderline(true);
    if (strikeOut) f.setFontStrikeOut(true);
    if (script == Script::Super) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (script == Script::Sub) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (hasColor) f.setForeground(QColor(color));
    if (hasHighlight) f.setBackground(QColor(highlight));
    if (halfPoints > 0) f.setFontPointSize(halfPoints / 2.0);
    // Latin text font first, the one for Chinese as the fallback.
    QStringList families;
    if (!font.isEmpty()) families << font;
    if (!eastAsiaFont.isEmpty()) families << eastAsiaFont;
    if (!families.isEmpty()) f.setFontFamilies(families);
    return f;
}

size_t qHash(const RunProperties& p, size_t seed) noexcept {
    const uint flags = uint(p.bold) | uint(p.italic) << 1 | uint(p.underline) << 2 | uint(p.strikeOut) << 3 |
                       uint(p.script) << 4 | uint(p.hasColor) << 6 | uint(p.hasHighlight) << 7;
    return qHashMulti(seed, flags, p.color, p.highlight, p.halfPoints, p.font, p.eastAsiaFont);
}

} // namespace platform
