#pragma once
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

namespace platform {

// The vocabularies a Word document mixes; Transitional and Strict spellings map to the same value.
enum class Ns { None, Other, W, WP, A, R, V, MC, M };

Ns NamespaceOf(QStringView uri);

// The current element of a reader, classified once so that dispatch stays cheap.
struct Tag {
    Ns ns;
    QStringView name;
    bool is(Ns n, QLatin1StringView local) const { return ns == n && name == local; }
};

Tag TagOf(const QXmlStreamReader& xml);

// The value of the attribute with this local name in this vocabulary; empty when absent.
QStringView Attribute(const QXmlStreamAttributes& attributes, Ns ns, QLatin1StringView name);

// "XML error at line N: <reason>"; a reason past a read limit as it is.
QString XmlErrorText(const QXmlStreamReader& xml);

} // namespace platform
