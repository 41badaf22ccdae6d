#pragma once
#include "platform/office/CellContent.h"
#include "platform/office/OoxmlNames.h"
#include "platform/office/RunProperties.h"

#include <QHash>
#include <QXmlStreamReader>
#include <optional>
#include <vector>

namespace platform {

// What word/document.xml yields: how many tables the body holds and the cells of the first one.
struct WordBody {
    int tableCount = 0;  // top-level tables only; tables inside cells do not count
    int columnCount = 0; // the most cells (w:tc) any row has
    std::vector<std::vector<CellContent>> rows;
    std::vector<QTextCharFormat> formats; // indexed like CellResources::formats
    std::vector<QString> pictureIds;      // relationship ids, indexed like CellResources::pictures
};

// A single streaming pass over the document part.
class BodyReader {
public:
    static std::optional<WordBody> read(const QByteArray& xml, QString* error = nullptr);

private:
    explicit BodyReader(const QByteArray& xml) : xml_(xml) {}

    void readBody();
    void readTable();
    void readRow(std::vector<CellContent>& row);
    void readContent();
    void readElement();
    bool readLeaf(const Tag& tag); // false for containers
    void readRun();
    void readPicture(bool drawingMl);
    bool withinBounds();
    int formatOf(const RunProperties& properties);
    int pictureOf(const QString& id);

    QXmlStreamReader xml_;
    WordBody body_;
    QHash<RunProperties, int> formats_;
    QHash<QString, int> pictures_;
    CellContent* cell_ = nullptr;
    int format_ = 0;
    int depth_ = 0;
    qsizetype cells_ = 0;
    qsizetype chars_ = 0; // text of the cells read so far
};

} // namespace platform
