#pragma once
#include <QString>

class QPrinter;

namespace print {

class ResultDocument;

// Prints the body on as many pages as it needs, with the header at the top and the footer at the bottom of
// every page. False with a reason for the user when the printer does not print.
bool PrintResultDocument(const ResultDocument& document, QPrinter& printer, QString* error = nullptr);

} // namespace print
