// Cell values shown as the spreadsheet program shows them under their number format.
#include "platform/office/NumberFormat.h"

#include <QRandomGenerator>
#include <QtTest>

using platform::NumberFormat;

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void custom_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero padding") << "000000" << 1.0 << "000001";
        QTest::newRow("zero padding, longer number") << "000000" << 12345678.0 << "12345678";
        QTest::newRow("padding rounds") << "000" << 7.5 << "008";
        QTest::newRow("literal between digits") << "000-0000" << 1234567.0 << "123-4567";
        QTest::newRow("literal prefix and suffix") << "\"第\"0\"名\"" << 3.0 << "第3名";
        QTest::newRow("escaped literal") << "0\\分" << 95.0 << "95分";
        QTest::newRow("thousands") << "#,##0" << 1234567.0 << "1,234,567";
        QTest::newRow("thousands, small") << "#,##0" << 12.0 << "12";
        QTest::newRow("thousands, zero") << "#,##0" << 0.0 << "0";
        QTest::newRow("thousands and decimals") << "#,##0.00" << 1234.5 << "1,234.50";
        QTest::newRow("negative thousands") << "#,##0" << -1234.0 << "-1,234";
        QTest::newRow("scaled by thousands") << "0.0," << 12345.0 << "12.3";
        QTest::newRow("fixed decimals") << "0.000" << 2.5 << "2.500";
        QTest::newRow("half away from zero") << "0.0" << -0.25 << "-0.3";
        QTest::newRow("optional decimals") << "0.0#" << 1.5 << "1.5";
        QTest::newRow("optional decimals used") << "0.0#" << 1.256 << "1.26";
        QTest::newRow("hash shows no zero") << "#" << 0.0 << "";
        QTest::newRow("aligned decimals") << "0.0?" << 1.5 << "1.5 ";
        QTest::newRow("percent") << "0%" << 0.256 << "26%";
        QTest::newRow("percent with decimals") << "0.00%" << 0.1234 << "12.34%";
        QTest::newRow("scientific") << "0.00E+00" << 12345.0 << "1.23E+04";
        QTest::newRow("scientific small") << "0.0E+0" << 0.00012 << "1.2E-4";
        QTest::newRow("engineering") << "##0.0E+0" << 12345.0 << "12.3E+3";
        QTest::newRow("currency") << "[$¥-804]#,##0.00" << 1234.5 << "¥1,234.50";
        QTest::newRow("padding for a bracket") << "#,##0_);(#,##0)" << 5.0 << "5 ";
        QTest::newRow("negative in brackets") << "#,##0_);(#,##0)" << -5.0 << "(5)";
        QTest::newRow("colours are no text") << "[Red]0.0;[Blue]\\-0.0" << -1.25 << "-1.3";
        QTest::newRow("zero section") << "0;-0;\"无\"" << 0.0 << "无";
        QTest::newRow("empty zero section") << "0;-0;" << 0.0 << "";
        QTest::newRow("condition") << "[>=60]\"及格\";\"不及格\"" << 59.0 << "不及格";
        QTest::newRow("condition holds") << "[>=60]\"及格\";\"不及格\"" << 75.0 << "及格";
        QTest::newRow("general with text") << "General\"分\"" << 2.5 << "2.5分";
        QTest::newRow("text format") << "@" << 1001.0 << "1001";
        QTest::newRow("fraction as general") << "# ?/?" << 0.5 << "0.5";
        QTest::newRow("general") << "General" << 0.1 << "0.1";
        QTest::newRow("at most 30 decimals")
            << "0." + QString(40, u'0') << 0.5 << "0." + QString("5").leftJustified(30, u'0');
        QTest::newRow("infinity") << "0.00E+00" << std::numeric_limits<double>::infinity() << "inf";
        QTest::newRow("overflowing percent") << QString(200, u'%') << 1.0 << "inf";
        // A workbook's own code may end in the middle of an escape; what stands before it still counts.
        QTest::newRow("escape at the end") << "0\\" << 5.0 << "5";
        QTest::newRow("padding at the end") << "0.0_" << 5.0 << "5.0";
        QTest::newRow("fill at the end") << "0*" << 5.0 << "5";
        QTest::newRow("escape alone") << "_" << 5.0 << "";
        QTest::newRow("escape ends the second section") << "0;0\\" << -5.0 << "5";

        QTest::newRow("Chinese date") << "yyyy\"年\"m\"月\"d\"日\"" << 45000.0 << "2023年3月15日";
        QTest::newRow("Chinese date, unquoted") << "yyyy年m月d日" << 45000.0 << "2023年3月15日";
        QTest::newRow("padded date") << "yyyy-mm-dd" << 45000.0 << "2023-03-15";
        QTest::newRow("two-digit year") << "yy/m/d" << 45000.0 << "23/3/15";
        QTest::newRow("month names") << "d-mmm-yy" << 45000.0 << "15-Mar-23";
        QTest::newRow("weekday") << "yyyy/m/d dddd" << 45000.0 << "2023/3/15 Wednesday";
        QTest::newRow("Chinese weekday") << "m月d日 aaaa" << 45000.0 << "3月15日 星期三";
        QTest::newRow("time without seconds") << "h:mm" << 0.5 + 45.0 / 86400 << "12:00";
        QTest::newRow("time with seconds") << "h:mm:ss" << 0.75 << "18:00:00";
        QTest::newRow("minutes before seconds") << "mm:ss" << 90.0 / 86400 << "01:30";
        QTest::newRow("twelve hours") << "h:mm AM/PM" << 0.75 << "6:00 PM";
        QTest::newRow("Chinese half day") << "上午/下午h\"时\"mm\"分\"" << 0.25 << "上午6时00分";
        QTest::newRow("elapsed hours") << "[h]:mm" << 1.5 << "36:00";
        QTest::newRow("tenths of seconds") << "mm:ss.0" << 1.25 / 86400 << "00:01.3";
        QTest::newRow("date and time") << "yyyy/m/d h:mm" << 45000.75 << "2023/3/15 18:00";
        QTest::newRow("rounds to the next day") << "yyyy/m/d h:mm:ss" << 45000.999999 << "2023/3/16 0:00:00";
        QTest::newRow("first day of 1900") << "yyyy/m/d" << 1.0 << "1900/1/1";
        QTest::newRow("negative date") << "yyyy/m/d" << -1.0 << "-1";
    }
    void custom() {
        QFETCH(QString, code);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberFormat::fromCode(code).text(value), text);
    }

    void builtIn_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("general") << 0 << 2.5 << "2.5";
        QTest::newRow("integer") << 1 << 2.5 << "3";
        QTest::newRow("thousands") << 3 << 1234567.0 << "1,234,567";
        QTest::newRow("short date") << 14 << 45000.0 << "2023/3/15";
        QTest::newRow("time") << 20 << 0.5 << "12:00";
        QTest::newRow("date and time") << 22 << 45000.5 << "2023/3/15 12:00";
        QTest::newRow("Chinese date") << 31 << 45000.0 << "2023年3月15日";
        QTest::newRow("Chinese month") << 57 << 45000.0 << "2023年3月";
        QTest::newRow("Chinese time") << 32 << 0.5 << "12时00分";
        QTest::newRow("text") << 49 << 1001.0 << "1001";
        QTest::newRow("unknown") << 163 << 7.0 << "7";
    }
    void builtIn() {
        QFETCH(int, id);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberFormat::builtIn(id).text(value), text);
    }

    // Patterns come from the files: any mix of pattern characters gives some text, and never a crash.
    void arbitraryPatterns() {
        const QString alphabet = QStringLiteral("0#?.,%E+-e/;@\"\\_*[]<>=$hmsdyaAMP/年:G ");
        QRandomGenerator random(4);
        const double values[] = {0, -1.5, 1234567.891, 1e300, -1e-300, 45000.75, 2958466};
        for (int i = 0; i < 3000; ++i) {
            QString code;
            for (int n = random.bounded(1, 24); n > 0; --n)
                code += alphabet[random.bounded(int(alphabet.size()))];
            const NumberFormat format = NumberFormat::fromCode(code);
            for (const double v : values)
                format.text(v);
        }
    }

    void dateSystem1904() { QCOMPARE(NumberFormat::builtIn(14).text(0, true), QString("1904/1/1")); }
};

QTEST_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
