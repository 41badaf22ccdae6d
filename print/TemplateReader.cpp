#include "print/TemplateReader.h"

#include "platform/office/OoxmlNames.h"
#include "platform/office/RunProperties.h"
#include "platform/office/ZipArchive.h"

#include <QXmlStreamReader>

namespace print {

namespace {

using namespace Qt::StringLiterals;
using platform::DocxAlignment;
using platform::DocxRun;
using platform::Ns;
using platform::TagOf;

using Paragraph = ResultDocument::Paragraph;

// What a paragraph holds that is no text of the page: deleted text, field codes, ruby annotations.
bool IsSkipped(QStringView name) {
    for (QLatin1StringView s : {"del"_L1, "moveFrom"_L1, "instrText"_L1, "delText"_L1, "rt"_L1, "sdtPr"_L1,
                                "sdtEndPr"_L1, "txbxContent"_L1, "drawing"_L1, "pict"_L1, "object"_L1}) {
        if (name == s) return true;
    }
    return false;
}

DocxAlignment AlignmentOf(QStringView value) {
    if (value == "center"_L1) return DocxAlignment::Center;
    if (value == "right"_L1 || value == "end"_L1) return DocxAlignment::Right;
    if (value == "both"_L1 || value == "distribute"_L1) return DocxAlignment::Justify;
    if (value == "left"_L1 || value == "start"_L1) return DocxAlignment::Left;
    return DocxAlignment::Default;
}

DocxRun RunOf(const platform::RunProperties& p) {
    return DocxRun{.bold = p.bold,
                   .italic = p.italic,
                   .underline = p.underline,
                   .strikeOut = p.strikeOut,
                   .color = p.hasColor ? QColor(p.color) : QColor(),
                   .pointSize = p.halfPoints / 2.0,
                   .font = p.eastAsiaFont.isEmpty() ? p.font : p.eastAsiaFont};
}

class Reader {
public:
    explicit Reader(const QByteArray& xml) : xml_(xml) {}

    std::optional<std::vector<ResultDocument::Block>> read(QString* error) {
        std::vector<ResultDocument::Block> blocks;
        if (xml_.readNextStartElement() && TagOf(xml_).is(Ns::W, "document"_L1)) {
            while (xml_.readNextStartElement()) {
                if (TagOf(xml_).is(Ns::W, "body"_L1))
                    readBody(blocks);
                else
                    xml_.skipCurrentElement();
            }
        } else if (!xml_.hasError()) {
            xml_.raiseError(QStringLiteral("the root element is not w:document"));
        }
        if (xml_.hasError()) {
            if (error) *error = platform::XmlErrorText(xml_);
            return std::nullopt;
        }
        return blocks;
    }

private:
    void readBody(std::vector<ResultDocument::Block>& blocks) {
        while (xml_.readNextStartElement()) {
            const platform::Tag tag = TagOf(xml_);
            if (tag.is(Ns::W, "p"_L1)) {
                blocks.emplace_back(readParagraph());
            } else if (tag.is(Ns::W, "tbl"_L1)) {
                blocks.emplace_back(readTable());
            } else if (tag.is(Ns::W, "sdt"_L1) || tag.is(Ns::W, "sdtContent"_L1)) {
                readBody(blocks);
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    ResultDocument::Table readTable() {
        ResultDocument::Table table;
        while (xml_.readNextStartElement()) {
            if (!TagOf(xml_).is(Ns::W, "tr"_L1)) {
                xml_.skipCurrentElement();
                continue;
            }
            auto& row = table.rows.emplace_back();
            while (xml_.readNextStartElement()) {
                if (TagOf(xml_).is(Ns::W, "tc"_L1))
                    readCell(row.emplace_back());
                else
                    xml_.skipCurrentElement();
            }
        }
        return table;
    }

    void readCell(ResultDocument::Cell& cell) {
        while (xml_.readNextStartElement()) {
            const platform::Tag tag = TagOf(xml_);
            if (tag.is(Ns::W, "p"_L1)) {
                cell.push_back(readParagraph());
            } else if (tag.is(Ns::W, "tbl"_L1)) {
                for (auto& row : readTable().rows)
                    for (auto& inner : row)
                        cell.insert(cell.end(), inner.begin(), inner.end());
            } else if (tag.is(Ns::W, "tcPr"_L1)) {
                xml_.skipCurrentElement();
            } else {
                readCell(cell); // content controls and the like around the paragraphs
            }
        }
    }

    Paragraph readParagraph() {
        Paragraph p;
        readContent(p);
        return p;
    }

    // Paragraph content; hyperlinks, insertions, fields and content controls only wrap runs.
    void readContent(Paragraph& p) {
        while (xml_.readNextStartElement()) {
            const platform::Tag tag = TagOf(xml_);
            if (tag.is(Ns::W, "pPr"_L1))
                readParagraphProperties(p);
            else if (tag.is(Ns::W, "r"_L1))
                readRun(p);
            else if (tag.ns != Ns::W || IsSkipped(tag.name))
                xml_.skipCurrentElement();
            else
                readContent(p);
        }
    }

    void readParagraphProperties(Paragraph& p) {
        while (xml_.readNextStartElement()) {
            const platform::Tag tag = TagOf(xml_);
            if (tag.is(Ns::W, "jc"_L1)) {
                p.alignment = AlignmentOf(platform::Attribute(xml_.attributes(), Ns::W, "val"_L1));
                xml_.skipCurrentElement();
            } else if (tag.is(Ns::W, "rPr"_L1)) {
                p.pointSize = platform::RunProperties::read(xml_).halfPoints / 2.0;
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    void readRun(Paragraph& p) {
        DocxRun run;
        while (xml_.readNextStartElement()) {
            const platform::Tag tag = TagOf(xml_);
            if (tag.ns != Ns::W) {
                xml_.skipCurrentElement();
            } else if (tag.name == "rPr"_L1) {
                run = RunOf(platform::RunProperties::read(xml_));
            } else if (tag.name == "t"_L1) {
                run.text += xml_.readElementText();
            } else {
                if (tag.name == "tab"_L1) run.text += u'\t';
                if (tag.name == "br"_L1 || tag.name == "cr"_L1) run.text += u'\n';
                xml_.skipCurrentElement();
            }
        }
        if (!run.text.isEmpty()) p.runs.push_back(std::move(run));
    }

    QXmlStreamReader xml_;
};

} // namespace

std::optional<std::vector<ResultDocument::Block>> ReadTemplateBody(const QString& path, QString* error) {
    const auto archive = platform::ZipArchive::open(path, error);
    if (!archive) return std::nullopt;
    const auto xml = archive->read(u"word/document.xml"_s, error);
    if (!xml) return std::nullopt;
    return Reader(*xml).read(error);
}

} // namespace print
