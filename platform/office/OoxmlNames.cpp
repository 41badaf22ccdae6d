#include "platform/office/OoxmlNames.h"

#include "platform/office/ReadLimits.h"

namespace platform {

Ns NamespaceOf(QStringView uri) {
    using namespace Qt::StringLiterals;
    if (uri.isEmpty()) return Ns::None;
    struct Known {
        QLatin1StringView uri;
        Ns ns;
    };
    static constexpr Known known[] = {
        {"http://schemas.openxmlformats.org/wordprocessingml/2006/main"_L1, Ns::W},
        {"http://purl.oclc.org/ooxml/wordprocessingml/main"_L1, Ns::W},
        {"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"_L1, Ns::WP},
        {"http://purl.oclc.org/ooxml/drawingml/wordprocessingDrawing"_L1, Ns::WP},
        {"http://schemas.openxmlformats.org/drawingml/2006/main"_L1, Ns::A},
        {"http://purl.oclc.org/ooxml/drawingml/main"_L1, Ns::A},
        {"http://schemas.openxmlformats.org/officeDocument/2006/relationships"_L1, Ns::R},
        {"http://purl.oclc.org/ooxml/officeDocument/relationships"_L1, Ns::R},
        {"urn:schemas-microsoft-com:vml"_L1, Ns::V},
        {"http://schemas.openxmlformats.org/markup-compatibility/2006"_L1, Ns::MC},
        {"http://schemas.openxmlformats.org/officeDocument/2006/math"_L1, Ns::M},
        {"http://purl.oclc.org/ooxml/officeDocument/math"_L1, Ns::M},
    };
    for (const Known& k : known) {
        if (uri == k.uri) return k.ns;
    }
    return Ns::Other;
}

Tag TagOf(const QXmlStreamReader& xml) {
    return {NamespaceOf(xml.namespaceUri()), xml.name()};
}

QStringView Attribute(const QXmlStreamAttributes& attributes, Ns ns, QLatin1StringView name) {
    for (const QXmlStreamAttribute& a : attributes) {
        if (a.name() == name && NamespaceOf(a.namespaceUri()) == ns) return a.value();
    }
    return {};
}

QString XmlErrorText(const QXmlStreamReader& xml) {
    if (IsPastLimit(xml.errorString())) return xml.errorString(); // said for the user, line number or not
    return QStringLiteral("XML error at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
}

} // namespace platform
