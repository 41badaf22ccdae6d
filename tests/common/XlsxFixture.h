#pragma once
// Small .xlsx workbooks for tests: the workbook part, its relationships and one part per sheet.
#include "platform/office/ZipArchive.h"

#include <QList>
#include <QStringList>

struct XlsxSheet {
    QString name;
    QList<QStringList> rows; // from row 1; an empty text leaves its cell out
};

// "A", ..., "Z", "AA", ... for 1-based columns.
inline QString XlsxColumnName(int column) {
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

// The cells are inline strings, kept exactly as given, blanks included.
inline QByteArray XlsxSheetXml(const QList<QStringList>& rows) {
    QString data;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        data += QStringLiteral("<row r=\"%1\">").arg(r + 1);
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].isEmpty())
                data += QStringLiteral(R"(<c r="%1%2" t="inlineStr"><is><t xml:space="preserve">%3</t></is></c>)")
                            .arg(XlsxColumnName(int(c + 1)))
                            .arg(r + 1)
                            .arg(rows[r][c].toHtmlEscaped());
        data += QStringLiteral("</row>");
    }
    return QStringLiteral(R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                          "<sheetData>%1</sheetData></worksheet>")
        .arg(data)
        .toUtf8();
}

inline platform::ZipArchive::Entries XlsxPackage(const QList<XlsxSheet>& sheets) {
    const QString relNs = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
    QString list, rels;
    platform::ZipArchive::Entries parts;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const QString part = QStringLiteral("worksheets/sheet%1.xml").arg(i + 1);
        list += QStringLiteral(R"(<sheet name="%1" sheetId="%2" r:id="rId%2"/>)")
                    .arg(sheets[i].name.toHtmlEscaped())
                    .arg(i + 1);
        rels +=
            QStringLiteral(R"(<Relationship Id="rId%1" Type="%2/worksheet" Target="%3"/>)").arg(i + 1).arg(relNs, part);
        parts.push_back({QStringLiteral("xl/") + part, XlsxSheetXml(sheets[i].rows)});
    }
    const QString workbook =
        QStringLiteral(R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="%1">)"
                       "<sheets>%2</sheets></workbook>")
            .arg(relNs, list);
    const QString relationships =
        QStringLiteral(R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                       "%1</Relationships>")
            .arg(rels);
    parts.insert(parts.begin(), {{QStringLiteral("xl/workbook.xml"), workbook.toUtf8()},
                                 {QStringLiteral("xl/_rels/workbook.xml.rels"), relationships.toUtf8()}});
    return parts;
}

// Writes the workbook to the path; false when it cannot be written.
inline bool WriteXlsx(const QString& path, const QList<XlsxSheet>& sheets) {
    return platform::ZipArchive::write(path, XlsxPackage(sheets));
}
