#include "core/Masking.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

class TestMasking : public QObject {
    Q_OBJECT
private slots:
    void maskText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("wei1");
        QTest::addColumn<int>("wei2");
        QTest::addColumn<int>("wei3");
        QTest::addColumn<int>("wei4");
        QTest::addColumn<QString>("myChar");
        QTest::addColumn<QString>("masked");
        QTest::newRow("style 0 hides all") << "abc" << 0 << 0 << 0 << 0 << 0 << "*"
                                           << "***";
        QTest::newRow("style 0 two-character mask") << "abc" << 0 << 0 << 0 << 0 << 0 << "#@"
                                                    << "#@#@#@";
        QTest::newRow("style 1 keeps the last character") << "张三丰" << 1 << 5 << 0 << 0 << 0 << "*"
                                                          << "**丰";
        QTest::newRow("style 1 within the text") << "abcde" << 1 << 2 << 0 << 0 << 0 << "*"
                                                 << "**cde";
        QTest::newRow("style 2 hides the last two") << "abcde" << 2 << 0 << 2 << 0 << 0 << "*"
                                                    << "abc**";
        QTest::newRow("style 2 cut to keep one") << "ab" << 2 << 0 << 9 << 0 << 0 << "*"
                                                 << "a*";
        QTest::newRow("style 3 positions 2 to 4") << "abcdef" << 3 << 0 << 0 << 2 << 4 << "*"
                                                  << "a***ef";
        QTest::newRow("style 3 end beyond the text") << "abcde" << 3 << 0 << 0 << 2 << 9 << "*"
                                                     << "a***e";
        QTest::newRow("style 3 start 1 counts as 2") << "abcdef" << 3 << 0 << 0 << 1 << 4 << "*"
                                                     << "a***ef";
        // Both bounds fall to 0 and one mask character goes in front.
        QTest::newRow("style 3 one character") << "a" << 3 << 0 << 0 << 2 << 4 << "*"
                                               << "*a";
        // A character beyond the Basic Multilingual Plane is one character, hidden or shown whole.
        QTest::newRow("wide character style 0") << "赵𬶨" << 0 << 0 << 0 << 0 << 0 << "*"
                                                << "**";
        QTest::newRow("wide character style 1") << "𬶨丽" << 1 << 1 << 0 << 0 << 0 << "*"
                                                << "*丽";
        QTest::newRow("wide character style 2 shown") << "赵𬶨丽" << 2 << 0 << 1 << 0 << 0 << "*"
                                                      << "赵𬶨*";
        QTest::newRow("wide character style 2 hidden") << "赵丽𬶨" << 2 << 0 << 1 << 0 << 0 << "*"
                                                       << "赵丽*";
        QTest::newRow("wide character style 3") << "赵𬶨丽华" << 3 << 0 << 0 << 2 << 2 << "*"
                                                << "赵*丽华";
        QTest::newRow("wide character style 3 kept at the end") << "赵丽华𬶨" << 3 << 0 << 0 << 2 << 9 << "*"
                                                                << "赵**𬶨";
        QTest::newRow("unknown style is empty") << "abc" << 5 << 0 << 0 << 0 << 0 << "*"
                                                << "";
        QTest::newRow("empty text") << "" << 1 << 3 << 0 << 0 << 0 << "*"
                                    << "";
    }
    void maskText() {
        QFETCH(QString, text);
        QFETCH(int, style);
        QFETCH(int, wei1);
        QFETCH(int, wei2);
        QFETCH(int, wei3);
        QFETCH(int, wei4);
        QFETCH(QString, myChar);
        QFETCH(QString, masked);
        QRandomGenerator rng(1);
        QCOMPARE(core::MaskText(text, style, wei1, wei2, wei3, wei4, 1, myChar, rng), masked);
    }

    void randomSymbolsComeFromThePool() {
        QRandomGenerator rng(3);
        const QString s = core::MaskText(QStringLiteral("abcdef"), 3, 0, 0, 2, 4, 0, QString(), rng);
        QCOMPARE(s.size(), 6);
        QCOMPARE(s.left(1), QStringLiteral("a"));
        QCOMPARE(s.right(2), QStringLiteral("ef"));
        for (QChar c : s.mid(1, 3))
            QVERIFY(core::kMaskSymbols.contains(c));
        QCOMPARE(core::kMaskSymbols.size(), 19);

        QSet<QChar> seen;
        for (QChar c : core::RandomSymbols(2000, rng))
            seen.insert(c);
        QCOMPARE(seen.size(), 19); // the first and last symbols come up too
        QCOMPARE(core::RandomSymbols(0, rng), QString());
        QCOMPARE(core::RepeatText(-1, QStringLiteral("x")), QString());
    }
};

QTEST_APPLESS_MAIN(TestMasking)
#include "tst_masking.moc"
