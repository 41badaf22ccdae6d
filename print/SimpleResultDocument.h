#pragma once
#include "print/ResultDocument.h"

#include <QDateTime>

namespace print {

// The report of the output option "仅输出简单记录文本": the title, the source line, the records as they
// stand (one paragraph per line), a note and the print time; the program title heads every page and the
// footer counts the pages.
ResultDocument SimpleResultDocument(const QString& sourceLine, const QString& records, const QDateTime& printTime);

// The program title heads every page and the footer counts the pages.
void SetPageHeaderAndFooter(ResultDocument& doc);

} // namespace print
