#include "platform/office/WordDocument.h"

#include "platform/image/PictureDecoder.h"
#include "platform/office/BodyReader.h"
#include "platform/office/DocConversion.h"
#include "platform/office/Relationships.h"
#include "platform/office/ZipArchive.h"

#include <QHash>
#include <QTemporaryDir>
#include <QTextDocument>

namespace platform {

namespace {

const QString kDefaultMainPart = QStringLiteral("word/document.xml");

// The main part named by the package relationships, as Word itself looks it up.
QString mainPart(const ZipArchive& zip) {
    const std::optional<QByteArray> rels = zip.read(QStringLiteral("_rels/.rels"));
    if (!rels) return kDefaultMainPart;
    for (const Relationship& r : ReadRelationships(*rels, QString()).value_or(std::vector<Relationship>())) {
        if (r.type.endsWith(QLatin1StringView("/officeDocument")) && zip.contains(r.target)) return r.target;
    }
    return kDefaultMainPart;
}

// word/document.xml → word/_rels/document.xml.rels
QString relationshipsPart(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

std::vector<CellResources::Picture> loadPictures(const ZipArchive& zip, const QString& part,
                                                 const std::vector<QString>& ids) {
    QHash<QString, QString> targets;
    if (!ids.empty()) {
        if (const std::optional<QByteArray> rels = zip.read(relationshipsPart(part))) {
            const QString folder = part.left(std::max<qsizetype>(part.lastIndexOf(u'/'), 0));
            for (const Relationship& r : ReadRelationships(*rels, folder).value_or(std::vector<Relationship>()))
                targets.insert(r.id, r.target);
        }
    }
    std::vector<CellResources::Picture> pictures;
    for (const QString& id : ids) {
        const QString target = targets.value(id);
        const std::optional<QByteArray> bytes = target.isEmpty() ? std::nullopt : zip.read(target);
        CellResources::Picture& picture = pictures.emplace_back(CellResources::Picture{target, {}, {}});
        if (bytes)
            picture.image = DecodePicture(*bytes, &picture.reason);
        else
            picture.reason = QStringLiteral("文档中缺少这张图片");
    }
    return pictures;
}

} // namespace

std::optional<WordDocument> WordDocument::open(const QString& path, QString* error, const QString& convertedFolder) {
    if (!path.endsWith(QLatin1StringView(".doc"), Qt::CaseInsensitive)) return openDocx(path, error);
    QTemporaryDir temporary;
    if (convertedFolder.isEmpty() && !temporary.isValid()) {
        if (error) *error = QStringLiteral("cannot create a temporary folder: %1").arg(temporary.errorString());
        return std::nullopt;
    }
    const QString docx = ConvertedCopy(path, convertedFolder.isEmpty() ? temporary.path() : convertedFolder, error);
    if (docx.isEmpty()) return std::nullopt;
    return openDocx(docx, error); // everything is in memory before a temporary folder goes
}

std::optional<WordDocument> WordDocument::openDocx(const QString& path, QString* error) {
    const std::optional<ZipArchive> zip = ZipArchive::open(path, error);
    if (!zip) return std::nullopt;
    const QString part = mainPart(*zip);
    const std::optional<QByteArray> xml = zip->read(part, error);
    if (!xml) return std::nullopt;
    std::optional<WordBody> body = BodyReader::read(*xml, error);
    if (!body) return std::nullopt;

    WordDocument doc;
    doc.tableCount_ = body->tableCount;
    doc.columnCount_ = body->columnCount;
    doc.rows_ = std::move(body->rows);
    doc.resources_.formats = std::move(body->formats);
    doc.resources_.pictures = loadPictures(*zip, part, body->pictureIds);
    return doc;
}

const CellContent* WordDocument::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= int(rows_[size_t(row)].size())) return nullptr;
    return &rows_[size_t(row)][size_t(column)];
}

QString WordDocument::firstParagraphText(int row, int column) const {
    const CellContent* c = cell(row, column);
    return c ? c->firstParagraphText() : QString();
}

QString WordDocument::text(int row, int column) const {
    const CellContent* c = cell(row, column);
    return c ? c->text() : QString();
}

void WordDocument::fillCell(int row, int column, QTextDocument* out) const {
    if (const CellContent* c = cell(row, column))
        c->fill(out, resources_);
    else
        out->clear();
}

} // namespace platform
