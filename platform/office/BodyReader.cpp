#include "platform/office/BodyReader.h"

#include "platform/office/NestingGuard.h"
#include "platform/office/MathReader.h"
#include "platform/office/ParagraphAlignment.h"

namespace platform {

namespace {

using namespace Qt::StringLiterals;

constexpr double kEmuPerPixel = 9525.0;

// Elements inside a cell whose content is no cell text: properties, deletions, field codes,
// ruby annotations and text boxes.
bool isSkipped(QStringView name) {
    static constexpr QLatin1StringView skipped[] = {
        "pPr"_L1,          "rPr"_L1,    "tblPr"_L1, "tblGrid"_L1,  "trPr"_L1,        "tcPr"_L1,
        "tblPrEx"_L1,      "sectPr"_L1, "del"_L1,   "moveFrom"_L1, "instrText"_L1,   "delText"_L1,
        "delInstrText"_L1, "rt"_L1,     "sdtPr"_L1, "sdtEndPr"_L1, "txbxContent"_L1, "fldData"_L1,
    };
    for (QLatin1StringView s : skipped) {
        if (name == s) return true;
    }
    return false;
}

double vmlLength(QStringView value) {
    struct Unit {
        QLatin1StringView suffix;
        double pixels;
    };
    static constexpr Unit units[] = {
        {"pt"_L1, 96.0 / 72}, {"in"_L1, 96.0}, {"cm"_L1, 96.0 / 2.54}, {"mm"_L1, 96.0 / 25.4}, {"px"_L1, 1.0}};
    for (const Unit& u : units) {
        if (value.endsWith(u.suffix)) return value.chopped(2).trimmed().toDouble() * u.pixels;
    }
    return value.trimmed().toDouble();
}

// The size of a VML shape from its style, e.g. "width:120pt;height:60pt".
QSizeF vmlSize(QStringView style) {
    QSizeF size;
    for (QStringView item : style.split(u';')) {
        const qsizetype colon = item.indexOf(u':');
        if (colon < 0) continue;
        const QStringView key = item.first(colon).trimmed();
        if (key == "width"_L1) size.setWidth(vmlLength(item.sliced(colon + 1)));
        if (key == "height"_L1) size.setHeight(vmlLength(item.sliced(colon + 1)));
    }
    return size;
}

} // namespace

std::optional<WordBody> BodyReader::read(const QByteArray& xml, QString* error) {
    BodyReader reader(xml);
    reader.body_.formats.emplace_back();
    reader.formats_.insert(RunProperties(), 0);
    if (reader.xml_.readNextStartElement()) {
        if (TagOf(reader.xml_).is(Ns::W, "document"_L1)) {
            reader.readBody();
        } else {
            reader.xml_.raiseError(QStringLiteral("the root element is not w:document"));
        }
    }
    if (reader.xml_.hasError()) {
        if (error) *error = XmlErrorText(reader.xml_);
        return std::nullopt;
    }
    return std::move(reader.body_);
}

void BodyReader::readBody() {
    const NestingGuard level(xml_, depth_);
    while (xml_.readNextStartElement()) {
        const Tag tag = TagOf(xml_);
        if (tag.is(Ns::W, "tbl"_L1)) {
            if (++body_.tableCount == 1)
                readTable();
            else
                xml_.skipCurrentElement();
        } else if (tag.is(Ns::W, "p"_L1) || tag.is(Ns::W, "sectPr"_L1)) {
            xml_.skipCurrentElement(); // text outside tables is not needed
        } else {
            readBody(); // w:body, w:sdt, w:customXml, ...
        }
    }
}

void BodyReader::readTable() {
    const NestingGuard level(xml_, depth_);
    while (xml_.readNextStartElement()) {
        const Tag tag = TagOf(xml_);
        if (tag.is(Ns::W, "tr"_L1)) {
            if (body_.rows.size() == size_t(limits::kTableRows)) {
                xml_.raiseError(PastLimitText(QStringLiteral("表格超过%1行").arg(limits::kTableRows)));
                return;
            }
            readRow(body_.rows.emplace_back());
            body_.columnCount = std::max(body_.columnCount, int(body_.rows.back().size()));
        } else if (tag.is(Ns::W, "tblPr"_L1) || tag.is(Ns::W, "tblGrid"_L1)) {
            xml_.skipCurrentElement();
        } else {
            readTable(); // rows wrapped in content controls
        }
    }
}

void BodyReader::readRow(std::vector<CellContent>& row) {
    const NestingGuard level(xml_, depth_);
    while (xml_.readNextStartElement()) {
        const Tag tag = TagOf(xml_);
        if (tag.is(Ns::W, "tc"_L1)) {
            if (++cells_ > limits::kCells) {
                xml_.raiseError(PastLimitText(QStringLiteral("单元格超过%1个").arg(limits::kCells)));
                return;
            }
            cell_ = &row.emplace_back();
            readContent();
            withinBounds();
            chars_ += cell_->size();
            cell_ = nullptr;
        } else if (tag.is(Ns::W, "trPr"_L1) || tag.is(Ns::W, "tblPrEx"_L1)) {
            xml_.skipCurrentElement();
        } else {
            readRow(row);
        }
    }
}

void BodyReader::readContent() {
    const NestingGuard level(xml_, depth_);
    while (xml_.readNextStartElement() && withinBounds())
        readElement();
}

// The text of a cell grows element by element; a file that would make too much of it stops here.
bool BodyReader::withinBounds() {
    if (xml_.hasError()) return false;
    if (chars_ + cell_->size() <= limits::kTextChars) return true;
    xml_.raiseError(PastLimitText(QStringLiteral("文字超过%1个字符").arg(limits::kTextChars)));
    return false;
}

// One element inside a cell. Anything not named in readLeaf() is a container (hyperlinks, fields, smart tags,
// content controls, insertions, nested tables, math) whose content counts as cell content.
void BodyReader::readElement() {
    const Tag tag = TagOf(xml_);
    if (tag.is(Ns::W, "p"_L1))
        cell_->beginParagraph();
    else if (readLeaf(tag))
        return;
    readContent();
}

bool BodyReader::readLeaf(const Tag& tag) {
    if (tag.is(Ns::M, "oMath"_L1) || tag.is(Ns::M, "oMathPara"_L1)) {
        for (const MathPiece& piece : MathReader::read(xml_)) {
            if (piece.lineBreak)
                cell_->appendLineBreak(format_);
            else
                cell_->appendText(piece.text, formatOf(piece.properties));
        }
        return true;
    }
    if (tag.is(Ns::MC, "Fallback"_L1)) {
        xml_.skipCurrentElement(); // the mc:Choice already gave the content
        return true;
    }
    if (tag.ns != Ns::W) return false;
    if (tag.name == "pPr"_L1) {
        cell_->setAlignment(ReadParagraphAlignment(xml_));
    } else if (tag.name == "r"_L1) {
        readRun();
    } else if (tag.name == "t"_L1) {
        cell_->appendText(xml_.readElementText(), format_);
    } else if (tag.name == "drawing"_L1) {
        readPicture(true);
    } else if (tag.name == "pict"_L1 || tag.name == "object"_L1) {
        readPicture(false);
    } else {
        if (tag.name == "tab"_L1 || tag.name == "ptab"_L1)
            cell_->appendText(u"\t", format_);
        else if (tag.name == "br"_L1 || tag.name == "cr"_L1)
            cell_->appendLineBreak(format_);
        else if (tag.name == "noBreakHyphen"_L1)
            cell_->appendText(u"-", format_);
        else if (!isSkipped(tag.name))
            return false;
        xml_.skipCurrentElement();
    }
    return true;
}

void BodyReader::readRun() {
    const int outer = format_; // runs only nest inside ruby text
    format_ = 0;
    const NestingGuard level(xml_, depth_);
    while (xml_.readNextStartElement() && withinBounds()) {
        if (TagOf(xml_).is(Ns::W, "rPr"_L1))
            format_ = formatOf(RunProperties::read(xml_));
        else
            readElement();
    }
    format_ = outer;
}

// A DrawingML picture (w:drawing) or a VML one (w:pict, w:object): the first embedded image and its size.
void BodyReader::readPicture(bool drawingMl) {
    QString id;
    QSizeF size;
    for (int depth = 0; !xml_.atEnd();) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::EndElement && depth-- == 0) break;
        if (token != QXmlStreamReader::StartElement) continue;
        ++depth;
        const Tag tag = TagOf(xml_);
        const QXmlStreamAttributes a = xml_.attributes();
        if (drawingMl) {
            if (tag.is(Ns::WP, "extent"_L1) && size.isEmpty()) {
                size = QSizeF(Attribute(a, Ns::None, "cx"_L1).toLongLong() / kEmuPerPixel,
                              Attribute(a, Ns::None, "cy"_L1).toLongLong() / kEmuPerPixel);
            } else if (tag.is(Ns::A, "blip"_L1) && id.isEmpty()) {
                id = Attribute(a, Ns::R, "embed"_L1).toString();
            }
        } else if (tag.ns == Ns::V) {
            if (size.isEmpty()) size = vmlSize(Attribute(a, Ns::None, "style"_L1));
            if (tag.name == "imagedata"_L1 && id.isEmpty()) id = Attribute(a, Ns::R, "id"_L1).toString();
        }
    }
    // Charts, text boxes and objects without a picture of their own cannot be shown; they leave a mark.
    if (id.isEmpty())
        cell_->appendText(u"〔无法显示的对象〕", format_);
    else
        cell_->appendPicture(pictureOf(id), size);
}

int BodyReader::formatOf(const RunProperties& properties) {
    const auto it = formats_.constFind(properties);
    if (it != formats_.cend()) return it.value();
    const int index = int(body_.formats.size());
    body_.formats.push_back(properties.toFormat());
    formats_.insert(properties, index);
    return index;
}

int BodyReader::pictureOf(const QString& id) {
    const auto it = pictures_.constFind(id);
    if (it != pictures_.cend()) return it.value();
    const int index = int(body_.pictureIds.size());
    body_.pictureIds.push_back(id);
    pictures_.insert(id, index);
    return index;
}

} // namespace platform
