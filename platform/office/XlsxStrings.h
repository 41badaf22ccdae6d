#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <optional>

namespace platform {

// The text of the <si> or <is> element the reader stands on: its <t>, or the <t> of its rich runs joined,
// spaces kept; phonetic runs are left out and "_x000D_"-style escapes decoded. Leaves the reader on its end.
QString ReadStringItem(QXmlStreamReader& xml);

// The shared string table of a workbook (xl/sharedStrings.xml), indexed as cells of type "s" refer to it.
std::optional<QStringList> ReadSharedStrings(const QByteArray& xml, QString* error = nullptr);

} // namespace platform
