#pragma once
#include "print/ResultDocument.h"

#include <optional>

namespace print {

// The body of a .docx as the paragraphs and tables of a result document: alignment, the size of the
// paragraph mark and each run's direct formatting, text, tabs and line breaks. Styles, pictures and
// fields are left out; a table inside a cell gives its paragraphs to that cell.
std::optional<std::vector<ResultDocument::Block>> ReadTemplateBody(const QString& path, QString* error = nullptr);

} // namespace print
