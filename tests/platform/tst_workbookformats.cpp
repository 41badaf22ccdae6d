// A class workbook shows the same cell texts as the spreadsheet program, saved as .xlsx or as .xls.
#include "platform/office/Workbook.h"
#include "platform/office/XlsFormats.h"
#include "platform/office/ZipArchive.h"

#include "OfficeFixture.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace platform;

namespace {

const QStringList kHeader = {"学号", "生日", "到校", "学费", "出勤", "入学", "人数", "编号"};
const QStringList kShown = {"000001", "2023年3月15日", "7:30", "1,234.50", "25.6%", "2023/3/15", "1,234,567", "A-007"};

// One header row and one data row, each data cell in its own number format.
ZipArchive::Entries ClassWorkbook() {
    const QString main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const QString rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const QString pkg = "http://schemas.openxmlformats.org/package/2006/relationships";
    const QStringList values = {"1", "45000", "0.3125", "1234.5", "0.256", "45000", "1234567", "7"};
    QString header, data;
    for (int i = 0; i < kHeader.size(); ++i) {
        const QString column = QChar(u'A' + i);
        header += QString(R"(<c r="%1" t="inlineStr"><is><t>%2</t></is></c>)").arg(column + "1", kHeader[i]);
        data += QString(R"(<c r="%1" s="%2"><v>%3</v></c>)").arg(column + "2").arg(i + 1).arg(values[i]);
    }
    const QString styles =
        "<styleSheet " + main +
        "><numFmts>"
        R"(<numFmt numFmtId="164" formatCode="000000"/>)"
        R"(<numFmt numFmtId="165" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/>)"
        R"(<numFmt numFmtId="166" formatCode="h:mm"/>)"
        R"(<numFmt numFmtId="167" formatCode="0.0%"/>)"
        R"(<numFmt numFmtId="168" formatCode="&quot;A-&quot;000"/>)"
        R"(<numFmt numFmtId="169" formatCode="yyyy/m/d"/>)"
        "</numFmts><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Arial\"/></font></fonts>"
        "<fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill></fills>"
        "<borders count=\"1\"><border/></borders><cellStyleXfs count=\"1\"><xf/></cellStyleXfs><cellXfs>"
        R"(<xf numFmtId="0"/><xf numFmtId="164" applyNumberFormat="1"/><xf numFmtId="165" applyNumberFormat="1"/>)"
        R"(<xf numFmtId="166" applyNumberFormat="1"/><xf numFmtId="4" applyNumberFormat="1"/>)"
        R"(<xf numFmtId="167" applyNumberFormat="1"/><xf numFmtId="169" applyNumberFormat="1"/>)"
        R"(<xf numFmtId="3" applyNumberFormat="1"/><xf numFmtId="168" applyNumberFormat="1"/>)"
        "</cellXfs></styleSheet>";
    return {
        {"[Content_Types].xml",
         R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
         R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
         R"(<Default Extension="xml" ContentType="application/xml"/>)"
         R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
         R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
         R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
         "</Types>"},
        {"_rels/.rels", QString("<Relationships xmlns=\"%1\"><Relationship Id=\"r1\" Type=\"%2/officeDocument\" "
                                "Target=\"xl/workbook.xml\"/></Relationships>")
                            .arg(pkg, rel)
                            .toUtf8()},
        {"xl/workbook.xml",
         QString(
             "<workbook %1 xmlns:r=\"%2\"><sheets><sheet name=\"名单\" sheetId=\"1\" r:id=\"r1\"/></sheets></workbook>")
             .arg(main, rel)
             .toUtf8()},
        {"xl/_rels/workbook.xml.rels",
         QString("<Relationships xmlns=\"%1\"><Relationship Id=\"r1\" Type=\"%2/worksheet\" "
                 "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"r2\" Type=\"%2/styles\" Target=\"styles.xml\"/>"
                 "</Relationships>")
             .arg(pkg, rel)
             .toUtf8()},
        {"xl/styles.xml", styles.toUtf8()},
        {"xl/worksheets/sheet1.xml",
         QString("<worksheet %1><sheetData><row r=\"1\">%2</row><row r=\"2\">%3</row></sheetData></worksheet>")
             .arg(main, header, data)
             .toUtf8()},
    };
}

QStringList Row(const Workbook& book, int row) {
    QStringList cells;
    for (int c = 1; c <= book.columnCount(0); ++c)
        cells << book.cellText(0, row, c);
    return cells;
}

} // namespace

class TestWorkbookFormats : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    Workbook open(const QString& path) {
        QString error;
        std::optional<Workbook> book = Workbook::open(path, &error);
        if (!book) qFatal("cannot read %s: %s", qPrintable(path), qPrintable(error));
        return std::move(*book);
    }

private slots:
    void xlsx() {
        const QString path = dir_.filePath("班级.xlsx");
        QVERIFY(ZipArchive::write(path, ClassWorkbook()));
        const Workbook book = open(path);
        QCOMPARE(Row(book, 1), kHeader);
        QCOMPARE(Row(book, 2), kShown);
    }

    // The same workbook saved as .xls by LibreOffice, read through FreeXL and the workbook's own formats.
    void xlsSavedByLibreOffice() {
        const QString path = dir_.filePath("班级2.xlsx");
        QVERIFY(ZipArchive::write(path, ClassWorkbook()));
        QString why;
        const QString xls = ConvertWithLibreOffice(path, "xls", &why);
        if (xls.isEmpty()) QSKIP(qPrintable(why));
        const Workbook book = open(xls);
        QCOMPARE(Row(book, 1), kHeader);
        QCOMPARE(Row(book, 2), kShown);

        // Damaged copies: the formats are read past no end, whatever FreeXL makes of the rest.
        QFile file(xls);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QRandomGenerator random(10);
        for (int i = 0; i < 200; ++i) {
            QByteArray damaged = bytes.left(i < 100 ? bytes.size() * i / 100 : bytes.size());
            for (int flip = 0; i >= 100 && flip < 20; ++flip)
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
            QFile out(dir_.filePath("damaged.xls"));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(damaged);
            out.close();
            XlsFormats::read(out.fileName()).format("名单", 1, 0).text(1);
        }
    }
};

QTEST_MAIN(TestWorkbookFormats)
#include "tst_workbookformats.moc"
