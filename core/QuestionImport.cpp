#include "core/QuestionImport.h"

#include "core/NumberText.h"
#include "platform/office/WordDocument.h"
#include "platform/richtext/Rtf.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace core {

QString QuestionTableProblem(const platform::WordDocument* doc) {
    if (!doc || doc->tableCount() == 0) return QStringLiteral("该文件没有任何设置题目的表格！");
    if (doc->rowCount() < 2) return QStringLiteral("表格至少要有两行！");
    if (doc->columnCount() < 2) return QStringLiteral("表格至少要有两列！至少要有题号及题目！");
    return {};
}

QString QuestionNumber(const platform::WordDocument& doc, int row) {
    const QString first = doc.firstParagraphText(row, 0);
    const qsizetype end = first.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    return end < 0 ? first : first.left(end);
}

QList<QuestionItem> ReadQuestions(const platform::WordDocument& doc, const std::function<void(int, int)>& progress) {
    QList<QuestionItem> out;
    const int rows = doc.rowCount();
    out.reserve(rows - 1);
    QTextDocument cell;
    auto rtf = [&](int row, int column) {
        if (column >= doc.columnCount()) return QByteArray();
        doc.fillCell(row, column, &cell);
        return cell.isEmpty() ? QByteArray() : platform::WriteRtf(cell);
    };
    auto number = [&](int row, int column) {
        return column < doc.columnCount() ? ToInt16(LeadingNumber(doc.text(row, column))).value_or(0) : qint16(0);
    };
    for (int r = 1; r < rows; ++r) {
        progress(r, rows - 1);
        out.append(QuestionItem{QuestionNumber(doc, r), rtf(r, 1), rtf(r, 2), rtf(r, 3), number(r, 4), number(r, 5)});
    }
    return out;
}

} // namespace core
