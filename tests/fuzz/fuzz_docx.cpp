// A whole question bank package: relationships, the document part, its pictures.
#include "FuzzInput.h"
#include "platform/office/WordDocument.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<platform::WordDocument> doc =
        platform::WordDocument::open(InputFile(data, size, QStringLiteral(".docx")));
    if (!doc) return 0;
    QTextDocument cell;
    for (int r = 0; r < doc->rowCount(); ++r) {
        for (int c = 0; c < doc->columnCount(); ++c) {
            doc->firstParagraphText(r, c);
            doc->fillCell(r, c, &cell);
        }
    }
    return 0;
}
