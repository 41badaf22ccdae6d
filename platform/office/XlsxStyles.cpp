#include "platform/office/XlsxStyles.h"

#include "platform/office/ReadLimits.h"

#include <QHash>
#include <QXmlStreamReader>

namespace platform {

std::vector<NumberFormat> ReadCellFormats(const QByteArray& xml) {
    using namespace Qt::StringLiterals;
    QHash<int, NumberFormat> custom;
    std::vector<int> ids; // numFmtId of each cell style
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        // Only the children of numFmts and cellXfs count: differential formats (dxfs) and cellStyleXfs
        // hold numFmt and xf elements too.
        if (reader.name() == "numFmts"_L1) {
            while (reader.readNextStartElement() && custom.size() < limits::kCellStyles) {
                const QXmlStreamAttributes a = reader.attributes();
                custom.insert(a.value("numFmtId"_L1).toInt(), NumberFormat::fromCode(a.value("formatCode"_L1)));
                reader.skipCurrentElement();
            }
        } else if (reader.name() == "cellXfs"_L1) {
            while (reader.readNextStartElement() && ids.size() < size_t(limits::kCellStyles)) {
                ids.push_back(reader.attributes().value("numFmtId"_L1).toInt());
                reader.skipCurrentElement();
            }
        }
    }
    std::vector<NumberFormat> formats;
    formats.reserve(ids.size());
    for (const int id : ids)
        formats.push_back(custom.contains(id) ? custom.value(id) : NumberFormat::builtIn(id));
    return formats;
}

} // namespace platform
