#pragma once
#include "platform/office/DocxContent.h"

#include <deque>
#include <variant>

namespace platform {

// Writes a minimal .docx (A4, no styles part) of paragraphs and bordered tables:
//     DocxWriter w;
//     w.addParagraph("title");
//     w.addTable().addRow({DocxCell::text("1"), DocxCell::runs({{.text = "bold", .bold = true}})});
//     w.save(path, &error);
class DocxWriter {
public:
    void addParagraph(const QString& text) { addParagraph(DocxParagraph{DocxRun{.text = text}}); }
    void addParagraph(DocxParagraph runs) { body_.emplace_back(std::move(runs)); }
    // The reference stays valid while more content is added.
    DocxTable& addTable() { return std::get<DocxTable>(body_.emplace_back(DocxTable())); }

    bool save(const QString& path, QString* error = nullptr) const;

private:
    std::deque<std::variant<DocxParagraph, DocxTable>> body_;
};

} // namespace platform
