#include "core/PrintSettings.h"

#include <QtTest>

using core::PrintSettings;

class TestPrintSettings : public QObject {
    Q_OBJECT

private slots:
    void roundTrip() {
        PrintSettings s;
        s.OutputOption = 1;
        s.Workbook = QStringLiteral("/home/秘书/评审 专家=库.xlsx");
        s.Sheet = QStringLiteral("专家");
        s.MatchField = QStringLiteral("专家编号");
        s.Fields = {QStringLiteral("姓名"), QStringLiteral("工作 单位"), QStringLiteral("电话")};
        s.KeepSeq = true;
        s.GreyFirstRow = false;
        const PrintSettings back = PrintSettings::read(s.write());
        QCOMPARE(back.OutputOption, 1);
        QCOMPARE(back.Workbook, s.Workbook);
        QCOMPARE(back.Sheet, s.Sheet);
        QCOMPARE(back.MatchField, s.MatchField);
        QCOMPARE(back.Fields, s.Fields);
        QVERIFY(back.KeepSeq);
        QVERIFY(!back.KeepTime);
        QVERIFY(!back.GreyFirstRow);
    }

    void defaults_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no file") << "";
        QTest::newRow("unknown keys and stray lines") << "Colour=red\r\nno equals sign\r\n\r\nOutputOption=7";
    }
    void defaults() {
        QFETCH(QString, text);
        const PrintSettings s = PrintSettings::read(text);
        QCOMPARE(s.OutputOption, 0);
        QVERIFY(s.Workbook.isEmpty());
        QVERIFY(s.Fields.isEmpty());
        QVERIFY(!s.KeepSeq && !s.KeepTime);
        QVERIFY(s.GreyFirstRow);
    }
};

QTEST_MAIN(TestPrintSettings)
#include "tst_printsettings.moc"
