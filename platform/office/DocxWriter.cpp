#include "platform/office/DocxWriter.h"

#include "platform/office/ZipArchive.h"

#include <QBuffer>
#include <QXmlStreamWriter>
#include <cmath>

namespace platform {

namespace {

using namespace Qt::StringLiterals;

const QString kW = u"http://schemas.openxmlformats.org/wordprocessingml/2006/main"_s;
const QString kR = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships"_s;
const QString kWp = u"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"_s;
const QString kA = u"http://schemas.openxmlformats.org/drawingml/2006/main"_s;
const QString kPic = u"http://schemas.openxmlformats.org/drawingml/2006/picture"_s;
const QString kRelTypes = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"_s;

constexpr int kTextWidth = DocxPage::textWidth;
constexpr double kEmuPerPixel = 9525.0;

// The pictures gathered while writing document.xml, saved as word/media/imageN.png.
using Media = std::vector<QByteArray>;

// An empty w: element with w: attributes.
void element(QXmlStreamWriter& x, const QString& name,
             std::initializer_list<std::pair<QString, QString>> attributes = {}) {
    x.writeEmptyElement(kW, name);
    for (const auto& [key, value] : attributes)
        x.writeAttribute(kW, key, value);
}

// Without a face and language of its own, LibreOffice sets Chinese text in its default East Asian face, which is
// often a Japanese one.
const QString kEastAsiaFont = u"宋体"_s;
const QString kEastAsiaLanguage = u"zh-CN"_s;

void writeRunProperties(QXmlStreamWriter& x, const DocxRun& run) {
    x.writeStartElement(kW, u"rPr"_s);
    // Word insists on this order of the properties.
    if (run.font.isEmpty())
        element(x, u"rFonts"_s, {{u"eastAsia"_s, kEastAsiaFont}});
    else
        element(x, u"rFonts"_s, {{u"ascii"_s, run.font}, {u"hAnsi"_s, run.font}, {u"eastAsia"_s, run.font}});
    if (run.bold) element(x, u"b"_s);
    if (run.italic) element(x, u"i"_s);
    if (run.strikeOut) element(x, u"strike"_s);
    if (run.color.isValid()) element(x, u"color"_s, {{u"val"_s, run.color.name().mid(1).toUpper()}});
    if (run.pointSize > 0) {
        const QString halfPoints = QString::number(std::lround(run.pointSize * 2));
        element(x, u"sz"_s, {{u"val"_s, halfPoints}});
        element(x, u"szCs"_s, {{u"val"_s, halfPoints}});
    }
    if (run.underline) element(x, u"u"_s, {{u"val"_s, u"single"_s}});
    element(x, u"lang"_s, {{u"eastAsia"_s, kEastAsiaLanguage}});
    x.writeEndElement();
}

void writeText(QXmlStreamWriter& x, const QString& text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != u'\n' && text[i] != u'\t') continue;
        if (i > start) {
            x.writeStartElement(kW, u"t"_s);
            x.writeAttribute(u"xml:space"_s, u"preserve"_s);
            x.writeCharacters(text.sliced(start, i - start));
            x.writeEndElement();
        }
        if (!end) element(x, text[i] == u'\n' ? u"br"_s : u"tab"_s);
        start = i + 1;
    }
}

void writePicture(QXmlStreamWriter& x, const DocxRun& run, Media& media) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    run.picture.save(&buffer, "PNG");
    media.push_back(png);
    const QString n = QString::number(media.size());
    const QSizeF size = run.pictureSize.isEmpty() ? QSizeF(run.picture.size()) : run.pictureSize;
    const QString cx = QString::number(std::llround(size.width() * kEmuPerPixel));
    const QString cy = QString::number(std::llround(size.height() * kEmuPerPixel));

    x.writeStartElement(kW, u"drawing"_s);
    x.writeStartElement(kWp, u"inline"_s);
    x.writeEmptyElement(kWp, u"extent"_s);
    x.writeAttribute(u"cx"_s, cx);
    x.writeAttribute(u"cy"_s, cy);
    x.writeEmptyElement(kWp, u"docPr"_s);
    x.writeAttribute(u"id"_s, n);
    x.writeAttribute(u"name"_s, u"Picture "_s + n);
    x.writeStartElement(kA, u"graphic"_s);
    x.writeStartElement(kA, u"graphicData"_s);
    x.writeAttribute(u"uri"_s, kPic);
    x.writeStartElement(kPic, u"pic"_s);
    x.writeStartElement(kPic, u"nvPicPr"_s);
    x.writeEmptyElement(kPic, u"cNvPr"_s);
    x.writeAttribute(u"id"_s, n);
    x.writeAttribute(u"name"_s, u"image%1.png"_s.arg(n));
    x.writeEmptyElement(kPic, u"cNvPicPr"_s);
    x.writeEndElement(); // nvPicPr
    x.writeStartElement(kPic, u"blipFill"_s);
    x.writeEmptyElement(kA, u"blip"_s);
    x.writeAttribute(kR, u"embed"_s, u"rId"_s + n);
    x.writeStartElement(kA, u"stretch"_s);
    x.writeEmptyElement(kA, u"fillRect"_s);
    x.writeEndElement(); // stretch
    x.writeEndElement(); // blipFill
    x.writeStartElement(kPic, u"spPr"_s);
    x.writeStartElement(kA, u"xfrm"_s);
    x.writeEmptyElement(kA, u"off"_s);
    x.writeAttribute(u"x"_s, u"0"_s);
    x.writeAttribute(u"y"_s, u"0"_s);
    x.writeEmptyElement(kA, u"ext"_s);
    x.writeAttribute(u"cx"_s, cx);
    x.writeAttribute(u"cy"_s, cy);
    x.writeEndElement(); // xfrm
    x.writeStartElement(kA, u"prstGeom"_s);
    x.writeAttribute(u"prst"_s, u"rect"_s);
    x.writeEmptyElement(kA, u"avLst"_s);
    x.writeEndElement(); // prstGeom
    x.writeEndElement(); // spPr
    x.writeEndElement(); // pic
    x.writeEndElement(); // graphicData
    x.writeEndElement(); // graphic
    x.writeEndElement(); // inline
    x.writeEndElement(); // drawing
}

// Word puts the value in when it lays out the page; "1" stands until then.
void writeField(QXmlStreamWriter& x, const DocxRun& run) {
    x.writeStartElement(kW, u"fldSimple"_s);
    x.writeAttribute(kW, u"instr"_s, run.field == DocxField::Page ? u" PAGE "_s : u" NUMPAGES "_s);
    x.writeStartElement(kW, u"r"_s);
    writeRunProperties(x, run);
    writeText(x, u"1"_s);
    x.writeEndElement();
    x.writeEndElement();
}

QString alignmentValue(DocxAlignment alignment) {
    switch (alignment) {
    case DocxAlignment::Left:
        return u"left"_s;
    case DocxAlignment::Center:
        return u"center"_s;
    case DocxAlignment::Right:
        return u"right"_s;
    case DocxAlignment::Justify:
        return u"both"_s;
    case DocxAlignment::Default:
        break;
    }
    return {};
}

void writeParagraphProperties(QXmlStreamWriter& x, const DocxParagraphFormat& format) {
    const bool exact = format.exactLineTwips > 0;
    if (format.alignment == DocxAlignment::Default && !exact && format.markPointSize <= 0 && !format.pageBreakBefore &&
        !format.keepLines)
        return;
    x.writeStartElement(kW, u"pPr"_s);
    // In the order the schema gives them.
    if (format.keepLines) element(x, u"keepLines"_s);
    if (format.pageBreakBefore) element(x, u"pageBreakBefore"_s);
    if (exact) {
        element(x, u"spacing"_s,
                {{u"before"_s, u"0"_s},
                 {u"after"_s, u"0"_s},
                 {u"line"_s, QString::number(format.exactLineTwips)},
                 {u"lineRule"_s, u"exact"_s}});
    }
    if (format.alignment != DocxAlignment::Default) element(x, u"jc"_s, {{u"val"_s, alignmentValue(format.alignment)}});
    if (format.markPointSize > 0) writeRunProperties(x, DocxRun{.pointSize = format.markPointSize});
    x.writeEndElement();
}

// Without media (header and footer parts) pictures are left out.
void writeParagraph(QXmlStreamWriter& x, const DocxParagraph& paragraph, Media* media,
                    const DocxParagraphFormat& format = {}) {
    x.writeStartElement(kW, u"p"_s);
    writeParagraphProperties(x, format);
    for (const DocxRun& run : paragraph) {
        if (run.field != DocxField::None) {
            writeField(x, run);
            continue;
        }
        if (!run.picture.isNull() && !media) continue;
        x.writeStartElement(kW, u"r"_s);
        writeRunProperties(x, run);
        if (run.picture.isNull())
            writeText(x, run.text);
        else
            writePicture(x, run, *media);
        x.writeEndElement();
    }
    x.writeEndElement();
}

void writeBorders(QXmlStreamWriter& x) {
    x.writeStartElement(kW, u"tblBorders"_s);
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        element(x, QString::fromLatin1(side),
                {{u"val"_s, u"single"_s}, {u"sz"_s, u"4"_s}, {u"space"_s, u"0"_s}, {u"color"_s, u"auto"_s}});
    }
    x.writeEndElement();
}

void writeTable(QXmlStreamWriter& x, const DocxTable& table, Media& media) {
    size_t columns = 1;
    for (const auto& row : table.rows)
        columns = std::max(columns, row.size());
    const QString width = QString::number(kTextWidth / int(columns));
    const QString dxa = u"dxa"_s;

    x.writeStartElement(kW, u"tbl"_s);
    x.writeStartElement(kW, u"tblPr"_s);
    element(x, u"tblW"_s, {{u"w"_s, QString::number(kTextWidth)}, {u"type"_s, dxa}});
    writeBorders(x);
    x.writeEndElement();
    x.writeStartElement(kW, u"tblGrid"_s);
    for (size_t c = 0; c < columns; ++c)
        element(x, u"gridCol"_s, {{u"w"_s, width}});
    x.writeEndElement();
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const bool first = r == 0;
        x.writeStartElement(kW, u"tr"_s);
        if (table.repeatFirstRow) {
            x.writeStartElement(kW, u"trPr"_s);
            element(x, u"cantSplit"_s);
            if (first) element(x, u"tblHeader"_s);
            x.writeEndElement();
        }
        for (const DocxCell& cell : table.rows[r]) {
            x.writeStartElement(kW, u"tc"_s);
            x.writeStartElement(kW, u"tcPr"_s);
            element(x, u"tcW"_s, {{u"w"_s, width}, {u"type"_s, dxa}});
            if (first && table.greyFirstRow)
                element(x, u"shd"_s, {{u"val"_s, u"clear"_s}, {u"color"_s, u"auto"_s}, {u"fill"_s, u"D9D9D9"_s}});
            x.writeEndElement();
            for (size_t i = 0; i < cell.paragraphs.size(); ++i)
                writeParagraph(x, cell.paragraphs[i], &media,
                               i < cell.formats.size() ? cell.formats[i] : DocxParagraphFormat());
            if (cell.paragraphs.empty()) writeParagraph(x, {}, &media); // a cell needs a paragraph
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndElement();
}

// headerId and footerId: relationship ids of the parts, empty when there is none.
void writeSection(QXmlStreamWriter& x, const QString& headerId, const QString& footerId) {
    x.writeStartElement(kW, u"sectPr"_s);
    // The references come first in a section's properties.
    if (!headerId.isEmpty()) {
        x.writeEmptyElement(kW, u"headerReference"_s);
        x.writeAttribute(kW, u"type"_s, u"default"_s);
        x.writeAttribute(kR, u"id"_s, headerId);
    }
    if (!footerId.isEmpty()) {
        x.writeEmptyElement(kW, u"footerReference"_s);
        x.writeAttribute(kW, u"type"_s, u"default"_s);
        x.writeAttribute(kR, u"id"_s, footerId);
    }
    element(x, u"pgSz"_s, {{u"w"_s, u"11906"_s}, {u"h"_s, u"16838"_s}});
    const QString margin = QString::number(1134);
    element(x, u"pgMar"_s,
            {{u"top"_s, margin},
             {u"right"_s, margin},
             {u"bottom"_s, margin},
             {u"left"_s, margin},
             {u"header"_s, u"709"_s},
             {u"footer"_s, u"709"_s},
             {u"gutter"_s, u"0"_s}});
    x.writeEndElement();
}

QByteArray contentTypes(bool header, bool footer) {
    QByteArray types = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Default Extension="png" ContentType="image/png"/>
<Override PartName="/word/document.xml"
    ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>
)";
    if (header) {
        types += R"(<Override PartName="/word/header1.xml"
    ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml"/>
)";
    }
    if (footer) {
        types += R"(<Override PartName="/word/footer1.xml"
    ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"/>
)";
    }
    return types + "</Types>\n";
}

// A header (w:hdr) or footer (w:ftr) part of one paragraph.
QByteArray pagePart(const QString& root, const DocxParagraph& runs, DocxAlignment alignment) {
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.writeStartDocument(u"1.0"_s, true);
    x.writeNamespace(kW, u"w"_s);
    x.writeStartElement(kW, root);
    writeParagraph(x, runs, nullptr, {alignment});
    x.writeEndDocument();
    return out;
}

QByteArray relationships(const std::vector<std::pair<QString, QString>>& typeAndTarget) {
    QByteArray out;
    QXmlStreamWriter x(&out);
    x.writeStartDocument(u"1.0"_s, true);
    x.writeDefaultNamespace(u"http://schemas.openxmlformats.org/package/2006/relationships"_s);
    x.writeStartElement(u"Relationships"_s);
    int id = 0;
    for (const auto& [type, target] : typeAndTarget) {
        x.writeEmptyElement(u"Relationship"_s);
        x.writeAttribute(u"Id"_s, u"rId%1"_s.arg(++id));
        x.writeAttribute(u"Type"_s, kRelTypes + type);
        x.writeAttribute(u"Target"_s, target);
    }
    x.writeEndDocument();
    return out;
}

} // namespace

bool DocxWriter::save(const QString& path, QString* error) const {
    QByteArray document;
    Media media;
    QXmlStreamWriter x(&document);
    x.writeStartDocument(u"1.0"_s, true);
    x.writeNamespace(kW, u"w"_s);
    x.writeNamespace(kR, u"r"_s);
    x.writeNamespace(kWp, u"wp"_s);
    x.writeNamespace(kA, u"a"_s);
    x.writeNamespace(kPic, u"pic"_s);
    x.writeStartElement(kW, u"document"_s);
    x.writeStartElement(kW, u"body"_s);
    for (const auto& block : body_) {
        if (const auto* p = std::get_if<Paragraph>(&block))
            writeParagraph(x, p->runs, &media, p->format);
        else
            writeTable(x, std::get<DocxTable>(block), media);
    }
    // Word ends a body with a paragraph; LibreOffice drops a table standing last when saving as .doc.
    if (body_.empty() || std::holds_alternative<DocxTable>(body_.back())) writeParagraph(x, {}, &media);
    // The pictures take rId1 to rIdN; the header and footer follow them.
    const size_t pictures = media.size();
    const QString headerId = header_ ? u"rId%1"_s.arg(pictures + 1) : QString();
    const QString footerId = footer_ ? u"rId%1"_s.arg(pictures + (header_ ? 2 : 1)) : QString();
    writeSection(x, headerId, footerId);
    x.writeEndDocument();

    std::vector<std::pair<QString, QString>> documentRels;
    ZipArchive::Entries entries = {
        {u"[Content_Types].xml"_s, contentTypes(header_.has_value(), footer_.has_value())},
        {u"_rels/.rels"_s, relationships({{u"officeDocument"_s, u"word/document.xml"_s}})},
        {u"word/document.xml"_s, document},
    };
    for (size_t i = 0; i < pictures; ++i) {
        const QString name = u"media/image%1.png"_s.arg(i + 1);
        documentRels.emplace_back(u"image"_s, name);
        entries.emplace_back(u"word/"_s + name, media[i]);
    }
    if (header_) {
        documentRels.emplace_back(u"header"_s, u"header1.xml"_s);
        entries.emplace_back(u"word/header1.xml"_s, pagePart(u"hdr"_s, header_->runs, header_->format.alignment));
    }
    if (footer_) {
        documentRels.emplace_back(u"footer"_s, u"footer1.xml"_s);
        entries.emplace_back(u"word/footer1.xml"_s, pagePart(u"ftr"_s, footer_->runs, footer_->format.alignment));
    }
    entries.emplace_back(u"word/_rels/document.xml.rels"_s, relationships(documentRels));
    return ZipArchive::write(path, entries, error);
}

} // namespace platform
