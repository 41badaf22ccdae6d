#pragma once
#include <QString>

class QPrinter;

namespace print {

class ResultDocument;

// Prints the pages of the saved document, each with its header and footer, as a job named title.
// False with a reason for the user when the printer does not print.
bool PrintResultDocument(const ResultDocument& document, QPrinter& printer, const QString& title,
                         QString* error = nullptr);

} // namespace print
