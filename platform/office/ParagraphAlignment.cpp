#include "platform/office/ParagraphAlignment.h"

#include "platform/office/OoxmlNames.h"

#include <QXmlStreamReader>

namespace platform {

Qt::Alignment ReadParagraphAlignment(QXmlStreamReader& xml) {
    using namespace Qt::StringLiterals;
    Qt::Alignment alignment;
    while (xml.readNextStartElement()) {
        if (TagOf(xml).is(Ns::W, "jc"_L1)) {
            const QStringView v = Attribute(xml.attributes(), Ns::W, "val"_L1);
            if (v == "center"_L1)
                alignment = Qt::AlignHCenter;
            else if (v == "right"_L1 || v == "end"_L1)
                alignment = Qt::AlignRight;
            else if (v == "both"_L1 || v == "distribute"_L1 || v.startsWith("thai"_L1))
                alignment = Qt::AlignJustify;
            else if (v == "left"_L1 || v == "start"_L1)
                alignment = Qt::AlignLeft;
        }
        xml.skipCurrentElement();
    }
    return alignment;
}

} // namespace platform
