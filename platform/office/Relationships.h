#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace platform {

struct Relationship {
    QString id;
    QString type;
    QString target; // a part name such as "word/media/image1.png"; external targets are left out
};

// The relationships of a .rels part; targets are resolved against the folder of the part they belong to
// ("" for the package, "word" for word/document.xml).
std::optional<std::vector<Relationship>> ReadRelationships(const QByteArray& xml, const QString& sourceFolder,
                                                           QString* error = nullptr);

} // namespace platform
