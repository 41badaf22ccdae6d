#include "print/ResultTable.h"

#include "print/HistoryLine.h"

#include <QRegularExpression>

namespace print {

namespace {

QString WithoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.first(end);
}

} // namespace

ResultTable PrepareResultTable(const QString& records, const SheetRecords& sheet, const ResultTable::Columns& columns) {
    ResultTable table;
    if (columns.keepSeq) table.header << QStringLiteral("抽取序号");
    if (columns.keepTime) table.header << QStringLiteral("抽取时间");
    table.header += columns.fields;

    const qsizetype match = sheet.fields.indexOf(columns.matchField);
    QList<qsizetype> picked;
    for (const QString& field : columns.fields)
        picked << sheet.fields.indexOf(field);

    static const QRegularExpression lineEnd(QStringLiteral("\r\n|[\r\n]"));
    for (const QString& text : records.split(lineEnd)) {
        if (text.trimmed().isEmpty()) continue;
        const HistoryLine line = HistoryLine::split(text);
        const QString result = WithoutTrailingBlanks(line.result);
        const QStringList* record = nullptr;
        for (const QStringList& row : sheet.rows) {
            if (match >= 0 && WithoutTrailingBlanks(row.value(match)) == result) {
                record = &row;
                break;
            }
        }
        if (!record) ++table.unmatched;

        QStringList row;
        if (columns.keepSeq) row << line.seq;
        if (columns.keepTime) row << line.time;
        for (qsizetype i = 0; i < picked.size(); ++i) {
            if (record)
                row << record->value(picked[i]);
            else
                row << (picked[i] >= 0 && picked[i] == match ? result : QString());
        }
        table.rows << row;
    }
    return table;
}

} // namespace print
