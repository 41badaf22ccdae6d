#include "core/NumberText.h"

#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "60" << 60.0;
        QTest::newRow("print form") << " 3 " << 3.0;
        QTest::newRow("negative") << "-2.5abc" << -2.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e3x" << 1000.0;
        QTest::newRow("bare exponent letter") << "2e" << 2.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("blank inside stops") << "1 2" << 1.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(core::LeadingNumber(text), value);
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("2.6") << 2.6 << 3.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
    }
    void roundHalfEven() {
        QFETCH(double, x);
        QFETCH(double, rounded);
        QCOMPARE(core::RoundHalfEven(x), rounded);
    }

    void int16Range() {
        QCOMPARE(core::LeadingInt16("32767"), qint16(32767));
        QCOMPARE(core::LeadingInt16("32768"), qint16(0));
        QCOMPARE(core::LeadingInt16("-32768.4"), qint16(-32768));
        QVERIFY(!core::ToInt16(1e10).has_value());
    }

    void formatNumber_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1.0 << "1";
        QTest::newRow("half") << 2.5 << "2.5";
        QTest::newRow("accumulated") << 0.1 + 0.2 << "0.3";
        QTest::newRow("million") << 1000000.0 << "1000000";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("negative") << -12.75 << "-12.75";
        QTest::newRow("thousandth") << 0.001 << "0.001";
    }
    void formatNumber() {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(core::FormatNumber(x), text);
    }

    void printNumber() {
        QCOMPARE(core::PrintNumber(0), QStringLiteral(" 0 "));
        QCOMPARE(core::PrintNumber(15), QStringLiteral(" 15 "));
        QCOMPARE(core::PrintNumber(-3), QStringLiteral("-3 "));
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
