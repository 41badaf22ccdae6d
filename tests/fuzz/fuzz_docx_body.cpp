// word/document.xml of a question bank, and the cells it yields as rich text.
#include "FuzzInput.h"
#include "platform/office/BodyReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<platform::WordBody> body = platform::BodyReader::read(InputBytes(data, size));
    if (!body) return 0;
    platform::CellResources resources{std::move(body->formats), {}};
    resources.pictures.resize(body->pictureIds.size());
    QTextDocument doc;
    for (const auto& row : body->rows) {
        for (const platform::CellContent& cell : row) {
            cell.text();
            cell.firstParagraphText();
            cell.fill(&doc, resources);
        }
    }
    return 0;
}
