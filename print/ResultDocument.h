#pragma once
#include "platform/office/DocxContent.h"

#include <QString>
#include <vector>

class QTextDocument;

namespace print {

// A document of formatted paragraphs with a page header and a page footer of one paragraph each. It is
// saved as .docx for the word processor and laid out as QTextDocuments for printing; runs marked with
// a DocxField stand for the page number and the page count.
class ResultDocument {
public:
    struct Paragraph {
        platform::DocxParagraph runs;
        platform::DocxAlignment alignment = platform::DocxAlignment::Default;
    };

    void addParagraph(platform::DocxParagraph runs, platform::DocxAlignment alignment) {
        body_.push_back({std::move(runs), alignment});
    }
    void setHeader(Paragraph header) { header_ = std::move(header); }
    void setFooter(Paragraph footer) { footer_ = std::move(footer); }

    const std::vector<Paragraph>& body() const { return body_; }
    const Paragraph& header() const { return header_; }
    const Paragraph& footer() const { return footer_; }

    bool saveDocx(const QString& path, QString* error = nullptr) const;

    // Replaces the document's content with the paragraphs, one block each; fields show the given page
    // number and count.
    static void fill(QTextDocument* doc, const std::vector<Paragraph>& paragraphs, int page, int pageCount);

private:
    std::vector<Paragraph> body_;
    Paragraph header_;
    Paragraph footer_;
};

} // namespace print
