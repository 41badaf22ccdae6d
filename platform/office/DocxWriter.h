#pragma once
#include "platform/office/DocxContent.h"

#include <deque>
#include <optional>
#include <variant>

namespace platform {

// Writes a minimal .docx (A4, no styles part) of paragraphs and bordered tables, with an optional page
// header and footer of one paragraph each:
//     DocxWriter w;
//     w.addParagraph("title");
//     w.addTable().addRow({DocxCell::text("1"), DocxCell::runs({{.text = "bold", .bold = true}})});
//     w.setFooter({{.text = "page "}, {.field = DocxField::Page}}, DocxAlignment::Center);
//     w.save(path, &error);
// Pictures in the header or footer are left out.
class DocxWriter {
public:
    void addParagraph(const QString& text) { addParagraph(DocxParagraph{DocxRun{.text = text}}); }
    void addParagraph(DocxParagraph runs) { addParagraph(std::move(runs), DocxAlignment::Default); }
    void addParagraph(DocxParagraph runs, DocxAlignment alignment) {
        addParagraph(std::move(runs), DocxParagraphFormat{.alignment = alignment});
    }
    void addParagraph(DocxParagraph runs, const DocxParagraphFormat& format) {
        body_.emplace_back(Paragraph{std::move(runs), format});
    }
    // The reference stays valid while more content is added.
    DocxTable& addTable() { return std::get<DocxTable>(body_.emplace_back(DocxTable())); }
    void setHeader(DocxParagraph runs, DocxAlignment alignment) { header_ = Paragraph{std::move(runs), {alignment}}; }
    void setFooter(DocxParagraph runs, DocxAlignment alignment) { footer_ = Paragraph{std::move(runs), {alignment}}; }

    bool save(const QString& path, QString* error = nullptr) const;

private:
    struct Paragraph {
        DocxParagraph runs;
        DocxParagraphFormat format;
    };

    std::deque<std::variant<Paragraph, DocxTable>> body_;
    std::optional<Paragraph> header_;
    std::optional<Paragraph> footer_;
};

} // namespace platform
