#include "Form1Fixture.h"
#include "core/StoredColor.h"

namespace {

QColor TextColour(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

} // namespace

class TestDisplay : public QObject {
    Q_OBJECT
private slots:
    void missingColoursAreDefaultedAndWritten() {
        Fixture f;
        QCOMPARE(TextColour(f.form->Label结果), QColor(255, 255, 255));
        QCOMPARE(TextColour(f.form->Label结果2), QColor(255, 0, 0));
        QCOMPARE(f.folder.read(QStringLiteral("TXTColorSet.dat")), QByteArray("16777215\r\n255\r\n"));
    }

    // A number that is no colour counts as a failed file: the defaults come back and are written.
    void colourFileValues_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<quint32>("rolling");
        QTest::addColumn<quint32>("flash");
        QTest::newRow("valid") << QByteArray("65280\r\n0\r\n") << 65280u << 0u;
        QTest::newRow("white and black bounds") << QByteArray("16777215\r\n0") << 16777215u << 0u;
        QTest::newRow("negative") << QByteArray("-1\r\n0\r\n") << 16777215u << 255u;
        QTest::newRow("too large") << QByteArray("0\r\n99999999999\r\n") << 16777215u << 255u;
        QTest::newRow("just beyond white") << QByteArray("16777216\r\n0\r\n") << 16777215u << 255u;
    }
    void colourFileValues() {
        QFETCH(QByteArray, file);
        QFETCH(quint32, rolling);
        QFETCH(quint32, flash);
        Fixture f({}, false);
        f.folder.write(QStringLiteral("TXTColorSet.dat"), file);
        f.load();
        QCOMPARE(f.state.RollingColor, rolling);
        QCOMPARE(f.state.FlashColor, flash);
        QCOMPARE(TextColour(f.form->Label结果), core::FromStoredColor(rolling));
        if (rolling == 16777215u && flash == 255u)
            QCOMPARE(f.folder.read(QStringLiteral("TXTColorSet.dat")), QByteArray("16777215\r\n255\r\n"));
    }

    void blinkAlternates() {
        Fixture f;
        f.form->Timer闪_Timer();
        const QColor first = TextColour(f.form->Label结果2);
        f.form->Timer闪_Timer();
        const QColor second = TextColour(f.form->Label结果2);
        QVERIFY(first != second);
        QVERIFY((QList<QColor>{first, second}).contains(QColor(255, 0, 0)));
        QVERIFY((QList<QColor>{first, second}).contains(QColor(255, 255, 255)));
    }

    void choosingColours() {
        Fixture f;
        f.form->menu_设置滚动时颜色_Click(); // Cancel keeps everything
        QCOMPARE(f.dialogs.colorPresets, QList<QColor>{QColor(255, 255, 255)});
        QCOMPARE(f.state.RollingColor, 16777215u);
        f.dialogs.colorAnswers << QColor(0, 128, 255);
        f.form->menu_设置滚动时颜色_Click();
        QCOMPARE(f.state.RollingColor, quint32(0xFF8000)); // blue * 65536 + green * 256 + red
        QCOMPARE(TextColour(f.form->Label结果), QColor(0, 128, 255));
        QCOMPARE(f.folder.read(QStringLiteral("TXTColorSet.dat")), QByteArray("16744448\r\n255\r\n"));
        f.form->menu_恢复默认文字颜色_Click();
        QCOMPARE(f.state.RollingColor, 16777215u);
    }

    void fontFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("bold");
        QTest::newRow("size 0") << QByteArray("0\r\n0\r\nSerif\r\n0\r\n0\r\n0\r\n") << "Serif" << 80.0 << false;
        QTest::newRow("size above 2160") << QByteArray("-1\r\n0\r\nSerif\r\n3000\r\n0\r\n0\r\n") << "Serif" << 80.0
                                         << true;
        QTest::newRow("empty name") << QByteArray("0\r\n0\r\n\r\n40.5\r\n0\r\n0\r\n") << "宋体" << 40.5 << false;
        QTest::newRow("short file keeps the rest") << QByteArray("-1\r\n") << "宋体" << 80.0 << true;
    }
    void fontFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, family);
        QFETCH(double, size);
        QFETCH(bool, bold);
        Fixture f({}, false);
        f.folder.write(QStringLiteral("FontSet.dat"), file);
        f.load();
        const QFont font = f.form->Label结果->font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), size);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(f.form->Label结果2->font(), font);
    }

    void boldFontSurvivesARestart() {
        Fixture f;
        QFont bold = f.form->Label结果->font();
        bold.setBold(true);
        bold.setPointSizeF(60);
        f.dialogs.fontAnswers << bold;
        f.form->menu_设置显示字体_Click();
        QCOMPARE(f.folder.read(QStringLiteral("FontSet.dat")), QByteArray("-1\r\n0\r\n宋体\r\n60\r\n0\r\n0\r\n"));
        f.restart();
        QVERIFY(f.form->Label结果->font().bold());
        QCOMPARE(f.form->Label结果->font().pointSizeF(), 60.0);
    }

    void sizeSteps_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("after");
        QTest::newRow("350 + 5 stays") << 350.0 << 0 << 350.0;
        QTest::newRow("9 - 5 stays") << 9.0 << 1 << 9.0;
        QTest::newRow("80 + 5") << 80.0 << 0 << 85.0;
        QTest::newRow("10 - 5") << 10.0 << 1 << 5.0;
    }
    void sizeSteps() {
        QFETCH(double, size);
        QFETCH(int, index);
        QFETCH(double, after);
        Fixture f;
        QFont font = f.form->Label结果->font();
        font.setPointSizeF(size);
        f.dialogs.fontAnswers << font;
        f.form->menu_设置显示字体_Click();
        f.form->menu字号增减_Click(index);
        QCOMPARE(f.form->Label结果->font().pointSizeF(), after);
        QCOMPARE(f.form->Label结果2->font().pointSizeF(), after);
    }

    void alignment() {
        Fixture f;
        f.form->menu_文字对齐_sub_Click(1);
        QVERIFY(f.form->Label结果->alignment() & Qt::AlignRight);
        QCOMPARE(f.form->Label结果2->alignment(), f.form->Label结果->alignment());
        f.restart(); // kept with the main settings
        QVERIFY(f.form->Label结果2->alignment() & Qt::AlignRight);
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
