#pragma once
#include "print/ResultDocument.h"
#include "print/ResultTable.h"

#include <QHash>
#include <optional>

namespace print {

// The print template "PrintMB.docx" filled in. Its placeholders are words in braces that a user may move
// anywhere in the template; a word processor may split them over several runs.
class TemplateDocument {
public:
    static constexpr const char* kFileName = "PrintMB.docx";
    // Where the program folder keeps the template it ships, copied to kFileName when that is missing.
    static constexpr const char* kShippedFile = "模板/PrintMB.docx";
    // The placeholder of the result table; it stands alone in its paragraph.
    static constexpr const char* kResultTable = "{ResultTable}";

    // The template of the program folder; a missing one is copied from the shipped template first.
    // Empty when there is neither.
    static QString path(const QString& appFolder);

    // values: placeholder ("{ReviewTime}") to its text. The result table replaces the paragraph holding
    // its placeholder, or follows the template table whose cell holds it. Fails with a reason.
    // The result table as the document shows it: the header row bold and repeated on every page.
    static ResultDocument::Table resultTable(const ResultTable& table, bool greyFirstRow);

    static std::optional<ResultDocument> build(const QString& templatePath, const QHash<QString, QString>& values,
                                               const ResultDocument::Table& resultTable, QString* error = nullptr);
};

} // namespace print
