#include "platform/office/Relationships.h"

#include "platform/office/OoxmlNames.h"

#include <QDir>
#include <QUrl>

namespace platform {

namespace {

QString resolve(const QString& sourceFolder, QStringView target) {
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    const QString joined = decoded.startsWith(u'/') ? decoded : sourceFolder + u'/' + decoded;
    QString part = QDir::cleanPath(joined);
    while (part.startsWith(u'/'))
        part.remove(0, 1);
    return part;
}

} // namespace

std::optional<std::vector<Relationship>> ReadRelationships(const QByteArray& xml, const QString& sourceFolder,
                                                           QString* error) {
    using namespace Qt::StringLiterals;
    std::vector<Relationship> out;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != "Relationship"_L1) continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (a.value("TargetMode"_L1) == "External"_L1) continue;
        out.push_back(
            {a.value("Id"_L1).toString(), a.value("Type"_L1).toString(), resolve(sourceFolder, a.value("Target"_L1))});
    }
    if (reader.hasError()) {
        if (error) *error = XmlErrorText(reader);
        return std::nullopt;
    }
    return out;
}

} // namespace platform
