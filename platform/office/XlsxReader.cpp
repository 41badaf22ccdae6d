#include "platform/office/XlsxReader.h"

#include "platform/office/OoxmlNames.h"
#include "platform/office/ReadLimits.h"
#include "platform/office/Relationships.h"
#include "platform/office/XlsxStrings.h"
#include "platform/office/XlsxStyles.h"
#include "platform/office/XlsxWorksheet.h"
#include "platform/office/ZipArchive.h"

#include <QHash>
#include <QXmlStreamReader>

namespace platform {

namespace {

using namespace Qt::StringLiterals;

const QString kWorkbookPart = QStringLiteral("xl/workbook.xml");
const QString kWorkbookRelationships = QStringLiteral("xl/_rels/workbook.xml.rels");

struct SheetEntry {
    QString name;
    QString relationshipId;
};

struct WorkbookPart {
    std::vector<SheetEntry> sheets;
    bool date1904 = false;
};

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

// "xl/worksheets/sheet1.xml: XML error at line 3: ..."
QString inPart(const QString& part, const QString& reason) {
    return IsPastLimit(reason) ? reason : part + ": "_L1 + reason;
}

std::optional<WorkbookPart> readWorkbookPart(const QByteArray& xml, QString* error) {
    WorkbookPart part;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.name() == "workbookPr"_L1) {
            const QStringView value = a.value("date1904"_L1);
            part.date1904 = value == "1"_L1 || value == "true"_L1;
        } else if (reader.name() == "sheet"_L1) {
            if (part.sheets.size() == size_t(limits::kSheets)) {
                setError(error, PastLimitText(QStringLiteral("工作表超过%1个").arg(limits::kSheets)));
                return std::nullopt;
            }
            part.sheets.push_back({a.value("name"_L1).toString(), Attribute(a, Ns::R, "id"_L1).toString()});
        }
    }
    if (reader.hasError()) {
        setError(error, inPart(kWorkbookPart, XmlErrorText(reader)));
        return std::nullopt;
    }
    return part;
}

} // namespace

std::optional<std::vector<WorkbookSheet>> ReadXlsx(const QString& path, QString* error) {
    const std::optional<ZipArchive> zip = ZipArchive::open(path, error);
    if (!zip) return std::nullopt;
    const std::optional<QByteArray> workbookXml = zip->read(kWorkbookPart, error);
    if (!workbookXml) return std::nullopt;
    const std::optional<WorkbookPart> workbook = readWorkbookPart(*workbookXml, error);
    if (!workbook) return std::nullopt;
    const std::optional<QByteArray> relsXml = zip->read(kWorkbookRelationships, error);
    if (!relsXml) return std::nullopt;
    QString reason;
    const std::optional<std::vector<Relationship>> rels = ReadRelationships(*relsXml, QStringLiteral("xl"), &reason);
    if (!rels) {
        setError(error, inPart(kWorkbookRelationships, reason));
        return std::nullopt;
    }

    XlsxShared shared;
    shared.date1904 = workbook->date1904;
    QHash<QString, QString> targets;
    for (const Relationship& r : *rels) {
        targets.insert(r.id, r.target);
        if (r.type.endsWith("/styles"_L1)) {
            // Styles only change how numbers look: a missing part leaves them in general format.
            shared.styles = ReadCellFormats(zip->read(r.target).value_or(QByteArray()));
        } else if (r.type.endsWith("/sharedStrings"_L1)) {
            const std::optional<QByteArray> xml = zip->read(r.target, error);
            if (!xml) return std::nullopt;
            std::optional<QStringList> strings = ReadSharedStrings(*xml, &reason);
            if (!strings) {
                setError(error, inPart(r.target, reason));
                return std::nullopt;
            }
            shared.strings = std::move(*strings);
        }
    }

    std::vector<WorkbookSheet> sheets;
    qsizetype cells = 0;
    for (const SheetEntry& entry : workbook->sheets) {
        const QString target = targets.value(entry.relationshipId);
        if (target.isEmpty()) {
            setError(error, QStringLiteral("sheet \"%1\" has no part").arg(entry.name));
            return std::nullopt;
        }
        const std::optional<QByteArray> xml = zip->read(target, error);
        if (!xml) return std::nullopt;
        WorkbookSheet& sheet = sheets.emplace_back(entry.name);
        if (!ReadWorksheet(*xml, shared, sheet, &reason)) {
            setError(error, inPart(target, reason));
            return std::nullopt;
        }
        if ((cells += sheet.cellCount()) > limits::kCells) {
            setError(error, PastLimitText(QStringLiteral("单元格超过%1个").arg(limits::kCells)));
            return std::nullopt;
        }
    }
    return sheets;
}

} // namespace platform
