#include "platform/office/WorkbookSheet.h"

#include <algorithm>

namespace platform {

void WorkbookSheet::setText(int row, int column, QString text) {
    if (row < 1 || column < 1 || text.isEmpty()) return;
    cells_.insert(key(row, column), std::move(text));
    rows_ = std::max(rows_, row);
    columns_ = std::max(columns_, column);
}

QString WorkbookSheet::text(int row, int column) const {
    return cells_.value(key(row, column));
}

void WorkbookSheet::forEachCell(const std::function<void(int, int, const QString&)>& visit) const {
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it)
        visit(int(it.key() >> 32), int(quint32(it.key())), it.value());
}

} // namespace platform
