#pragma once
// What a reader of a saved .docx sees, one line per paragraph of a part.
#include "platform/office/ZipArchive.h"

#include <QStringList>
#include <QXmlStreamReader>

// "alignment|look|text" for each w:p of the part: look is "b" for bold and the size in points of the first
// sized run ("b14", "12", ""); page fields read "{PAGE}" and "{NUMPAGES}".
inline QStringList DocxParagraphs(const QString& path, const QString& part) {
    const QString w = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
    const auto archive = platform::ZipArchive::open(path);
    if (!archive) return {QStringLiteral("(not a zip package)")};
    QXmlStreamReader xml(archive->read(part).value_or(QByteArray()));
    QStringList out;
    QString alignment, size, text;
    bool bold = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const QStringView name = xml.name();
        if (xml.isEndElement() && name == u"p") {
            out << alignment + u'|' + (bold ? QStringLiteral("b") : QString()) + size + u'|' + text;
            continue;
        }
        if (!xml.isStartElement()) continue;
        if (name == u"p") {
            alignment = QStringLiteral("left");
            size.clear();
            text.clear();
            bold = false;
        } else if (name == u"jc") {
            alignment = xml.attributes().value(w, QStringLiteral("val")).toString();
        } else if (name == u"b") {
            bold = true;
        } else if (name == u"sz" && size.isEmpty()) {
            size = QString::number(xml.attributes().value(w, QStringLiteral("val")).toInt() / 2);
        } else if (name == u"t") {
            text += xml.readElementText();
        } else if (name == u"fldSimple") {
            text += u'{' + xml.attributes().value(w, QStringLiteral("instr")).trimmed().toString() + u'}';
            xml.skipCurrentElement();
        }
    }
    return out;
}
