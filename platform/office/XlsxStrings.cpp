#include "platform/office/XlsxStrings.h"

#include "platform/office/NestingGuard.h"
#include "platform/office/OoxmlNames.h"

namespace platform {

namespace {

using namespace Qt::StringLiterals;

// Characters XML cannot carry are written as "_xHHHH_"; a literal "_x" is itself escaped as "_x005F_".
QString decodeEscapes(const QString& text) {
    if (!text.contains("_x"_L1)) return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool ok = false;
        const ushort code = i + 6 < text.size() && text[i] == u'_' && text[i + 1] == u'x' && text[i + 6] == u'_'
                                ? QStringView(text).mid(i + 2, 4).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            out += QChar(code);
            i += 6;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString readRuns(QXmlStreamReader& xml, int& depth) {
    const NestingGuard level(xml, depth);
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == "t"_L1)
            text += xml.readElementText();
        else if (xml.name() == "r"_L1)
            text += readRuns(xml, depth);
        else
            xml.skipCurrentElement(); // run properties, phonetic runs
    }
    return text;
}

} // namespace

QString ReadStringItem(QXmlStreamReader& xml) {
    int depth = 0;
    return decodeEscapes(readRuns(xml, depth));
}

std::optional<QStringList> ReadSharedStrings(const QByteArray& xml, QString* error) {
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != "si"_L1) continue;
        if (strings.size() == limits::kCells)
            reader.raiseError(PastLimitText(QStringLiteral("单元格超过%1个").arg(limits::kCells)));
        else
            strings << ReadStringItem(reader);
    }
    if (reader.hasError()) {
        if (error) *error = XmlErrorText(reader);
        return std::nullopt;
    }
    return strings;
}

} // namespace platform
