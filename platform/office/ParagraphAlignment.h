#pragma once
#include <Qt>

class QXmlStreamReader;

namespace platform {

// The alignment a Word paragraph's properties (w:pPr) give it, read up to their end; 0 when they set none.
Qt::Alignment ReadParagraphAlignment(QXmlStreamReader& xml);

} // namespace platform
