#include "core/HistoryRecord.h"
#include "platform/office/Workbook.h"
#include "print/HistoryLine.h"
#include "print/ResultTable.h"

#include "XlsxFixture.h"

#include <QTemporaryDir>
#include <QtTest>

using print::PrepareResultTable;
using print::ResultTable;
using print::SheetRecords;

namespace {

// The experts' workbook of a review committee.
const SheetRecords kExperts{{"专家编号", "姓名", "单位", "电话"},
                            {{"1001", "张三", "一中", "111"},
                             {"1002", "李四", "二中", "222"},
                             {"1002", "王五", "三中", "333"}, // a duplicate number: the first row counts
                             {"1003 ", "赵六", "四中", "444"}}};

// A history file line, fields joined by one blank.
QString Line(int seq, const QString& result, const QString& time = QStringLiteral("2026/12/10 9:05:07"),
             const QString& mode = QStringLiteral("抽数字"), const QString& source = QStringLiteral("专家库")) {
    return QStringList{QStringLiteral("%1").arg(seq, 2, 10, QChar(u'0')), time, core::FixedWidth(mode, 8),
                       core::FixedWidth(source, 12), result}
        .join(u' ');
}

} // namespace

class TestResultTable : public QObject {
    Q_OBJECT

private slots:
    void splitsHistoryLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields"); // seq, time, mode, source, result
        QTest::newRow("numbers") << Line(1, "1001")
                                 << QStringList{"01", "2026/12/10 9:05:07", "抽数字     ", "专家库         ", "1001"};
        QTest::newRow("an empty result") << Line(2, "")
                                         << QStringList{"02", "2026/12/10 9:05:07", "抽数字     ", "专家库         ",
                                                        ""};
        QTest::newRow("names, blanks in the source")
            << Line(100, "张 三 ", "2026/1/2 13:04:05", "抽文本(名字)", "名 单.txt")
            << QStringList{"100", "2026/1/2 13:04:05", "抽文本(名字) ", "名 单.txt     ", "张 三 "};
        QTest::newRow("a source name cut")
            << Line(3, "甲", "2026/1/2 8:04:05", "抽题目", "一二三四五六七八九十甲乙丙")
            << QStringList{"03", "2026/1/2 8:04:05", "抽题目     ", "一二三四五六七八九十甲乙", "甲"};
        QTest::newRow("another shape") << "张三" << QStringList{"", "", "", "", "张三"};
        QTest::newRow("no time") << "01 张三" << QStringList{"", "", "", "", "01 张三"};
    }
    void splitsHistoryLines() {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        const print::HistoryLine h = print::HistoryLine::split(line);
        QCOMPARE((QStringList{h.seq, h.time, h.mode, h.source, h.result}), fields);
    }

    void joinsResults_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("keepSeq");
        QTest::addColumn<bool>("keepTime");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<int>("unmatched");
        const QStringList fields{"姓名", "单位", "电话"};
        QTest::newRow("matched") << QStringList{Line(1, "1001")} << false << false << fields
                                 << QList<QStringList>{{"张三", "一中", "111"}} << 0;
        QTest::newRow("kept items first") << QStringList{Line(1, "1001"), Line(2, "1001")} << true << true
                                          << QStringList{"抽取序号", "抽取时间", "姓名", "单位", "电话"}
                                          << QList<QStringList>{{"01", "2026/12/10 9:05:07", "张三", "一中", "111"},
                                                                {"02", "2026/12/10 9:05:07", "张三", "一中", "111"}}
                                          << 0;
        QTest::newRow("only the time kept")
            << QStringList{Line(7, "1001")} << false << true << QStringList{"抽取时间", "姓名", "单位", "电话"}
            << QList<QStringList>{{"2026/12/10 9:05:07", "张三", "一中", "111"}} << 0;
        QTest::newRow("duplicate match values: the first") << QStringList{Line(1, "1002")} << false << false << fields
                                                           << QList<QStringList>{{"李四", "二中", "222"}} << 0;
        QTest::newRow("trailing blanks on both sides") << QStringList{Line(1, "1003  ")} << false << false << fields
                                                       << QList<QStringList>{{"赵六", "四中", "444"}} << 0;
        QTest::newRow("leading blank differs")
            << QStringList{Line(1, " 1001")} << false << false << fields << QList<QStringList>{{"", "", ""}} << 1;
        QTest::newRow("unmatched keeps its row")
            << QStringList{Line(1, "9999"), Line(2, "1001"), Line(3, "8888")} << true << false
            << QStringList{"抽取序号", "姓名", "单位", "电话"}
            << QList<QStringList>{{"01", "", "", ""}, {"02", "张三", "一中", "111"}, {"03", "", "", ""}} << 2;
        QTest::newRow("other lines are results, empty lines left out")
            << QStringList{"1001", "", "  ", "1002"} << true << true
            << QStringList{"抽取序号", "抽取时间", "姓名", "单位", "电话"}
            << QList<QStringList>{{"", "", "张三", "一中", "111"}, {"", "", "李四", "二中", "222"}} << 0;
    }
    void joinsResults() {
        QFETCH(QStringList, lines);
        QFETCH(bool, keepSeq);
        QFETCH(bool, keepTime);
        QFETCH(QStringList, header);
        QFETCH(QList<QStringList>, rows);
        QFETCH(int, unmatched);
        const ResultTable t = PrepareResultTable(lines.join(QStringLiteral("\r\n")), kExperts,
                                                 {"专家编号", {"姓名", "单位", "电话"}, keepSeq, keepTime});
        QCOMPARE(t.header, header);
        QCOMPARE(t.rows, rows);
        QCOMPARE(t.unmatched, unmatched);
    }

    void unmatchedShowsTheResultInTheMatchField() {
        const ResultTable t =
            PrepareResultTable(Line(1, "9999 ") + "\n" + Line(2, "1002"), kExperts, {"专家编号", {"专家编号", "姓名"}});
        QCOMPARE(t.header, (QStringList{"专家编号", "姓名"}));
        QCOMPARE(t.rows, (QList<QStringList>{{"9999", ""}, {"1002", "李四"}}));
        QCOMPARE(t.unmatched, 1);
    }

    // Numbers match by the text the sheet shows, as the draw wrote them.
    void numericMatchField() {
        QTemporaryDir dir;
        const QString path = dir.filePath("experts.xlsx");
        platform::ZipArchive::Entries parts = XlsxPackage({{"专家", {{"专家编号", "姓名"}}}});
        parts.back().second =
            R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
            R"(<row r="1"><c r="A1" t="inlineStr"><is><t>专家编号</t></is></c>)"
            R"(<c r="B1" t="inlineStr"><is><t>姓名</t></is></c></row>)"
            R"(<row r="2"><c r="A2"><v>1001</v></c><c r="B2" t="inlineStr"><is><t>张三</t></is></c></row>)"
            R"(<row r="3"><c r="A3"><v>7.5</v></c><c r="B3" t="inlineStr"><is><t>李四</t></is></c></row>)"
            R"(</sheetData></worksheet>)";
        QVERIFY(platform::ZipArchive::write(path, parts));
        const auto workbook = platform::Workbook::open(path);
        QVERIFY(workbook);
        const SheetRecords sheet = SheetRecords::read(*workbook, 0);
        QCOMPARE(sheet.fields, (QStringList{"专家编号", "姓名"}));
        const ResultTable t = PrepareResultTable(Line(1, "1001") + "\n" + Line(2, "7.5") + "\n" + Line(3, "1001.0"),
                                                 sheet, {"专家编号", {"姓名"}});
        QCOMPARE(t.rows, (QList<QStringList>{{"张三"}, {"李四"}, {""}}));
        QCOMPARE(t.unmatched, 1);
    }

    // Fields end at the first empty cell of row 1, records before the first empty first cell.
    void sheetRecordsFollowTheWorkbookRules() {
        QTemporaryDir dir;
        const QString path = dir.filePath("book.xlsx");
        QVERIFY(WriteXlsx(
            path,
            {{"表", {{"学号", "姓名", "", "备注"}, {"1", "甲"}, {"2", "乙", "", "x"}, {"", "丙"}, {"4", "丁"}}}}));
        const auto workbook = platform::Workbook::open(path);
        QVERIFY(workbook);
        const SheetRecords sheet = SheetRecords::read(*workbook, 0);
        QCOMPARE(sheet.fields, (QStringList{"学号", "姓名"}));
        QCOMPARE(sheet.rows, (QList<QStringList>{{"1", "甲"}, {"2", "乙"}}));
    }
};

QTEST_MAIN(TestResultTable)
#include "tst_resulttable.moc"
