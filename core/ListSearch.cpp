#include "core/ListSearch.h"

namespace core {

int FindListItem(const QStringList& items, const QString& text, bool exact) {
    const Qt::CaseSensitivity cs = exact ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < items.size(); ++i)
        if (items[i].compare(text, cs) == 0) return i;
    return -1;
}

} // namespace core
