#pragma once
#include <QStringList>

namespace core {

// First index of an item equal to the text (case ignored unless exact), or -1.
int FindListItem(const QStringList& items, const QString& text, bool exact);

} // namespace core
