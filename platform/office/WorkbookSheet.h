#pragma once
#include <QHash>
#include <QString>
#include <functional>
#include <utility>

namespace platform {

// One sheet of a workbook: its name and the displayed text of its non-empty cells, 1-based like the
// spreadsheet's own addressing. Cells live in a hash so that a sparse sheet costs only what it holds.
class WorkbookSheet {
public:
    explicit WorkbookSheet(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    // Empty text is not stored, so it never widens the used range.
    void setText(int row, int column, QString text);
    QString text(int row, int column) const;
    // Every stored cell, in no particular order.
    void forEachCell(const std::function<void(int row, int column, const QString& text)>& visit) const;
    qsizetype cellCount() const { return cells_.size(); }
    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

private:
    static quint64 key(int row, int column) { return quint64(quint32(row)) << 32 | quint32(column); }

    QString name_;
    QHash<quint64, QString> cells_;
    int rows_ = 0;
    int columns_ = 0;
};

} // namespace platform
