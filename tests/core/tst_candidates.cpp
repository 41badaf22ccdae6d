#include "core/CandidateList.h"
#include "core/CandidateSources.h"
#include "core/NumberText.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList Texts(const std::vector<double>& numbers) {
    QStringList out;
    for (double v : numbers)
        out << core::FormatNumber(v);
    return out;
}

} // namespace

class TestCandidates : public QObject {
    Q_OBJECT
private slots:
    void numberRange_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("excluded");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("1..60 without 3 and 5") << 1.0 << 60.0 << 1.0 << "3 5" << 58 << "1"
                                               << "60";
        QTest::newRow("half steps") << 1.0 << 2.0 << 0.5 << "" << 3 << "1"
                                    << "2";
        QTest::newRow("empty span") << 5.0 << 5.0 << 1.0 << "" << 0 << ""
                                    << "";
        QTest::newRow("reversed") << 6.0 << 5.0 << 1.0 << "" << 0 << ""
                                  << "";
        QTest::newRow("span 10000 accepted") << 0.0 << 10000.0 << 1.0 << "" << 10001 << "0"
                                             << "10000";
        QTest::newRow("span 10000.5 refused") << 0.0 << 10000.5 << 1.0 << "" << 0 << ""
                                              << "";
        QTest::newRow("step below 0.001 refused") << 0.0 << 1.0 << 0.0009 << "" << 0 << ""
                                                  << "";
        QTest::newRow("two blanks exclude 0") << 0.0 << 3.0 << 1.0 << "1  2" << 1 << "3"
                                              << "3";
        QTest::newRow("trailing blank excludes 0") << 0.0 << 2.0 << 1.0 << "2 " << 1 << "1"
                                                   << "1";
        QTest::newRow("excluded text read by leading number") << 1.0 << 3.0 << 1.0 << "2abc" << 2 << "1"
                                                              << "3";
        // Each number is from + i * step as a person would type it, never a sum that drifts.
        QTest::newRow("typed tenth excluded") << 0.0 << 1.0 << 0.1 << "0.3" << 10 << "0"
                                              << "1";
        QTest::newRow("typed hundredths excluded") << 0.15 << 0.45 << 0.15 << "0.45" << 2 << "0.15"
                                                   << "0.3";
        QTest::newRow("end reached by tenths") << 0.5 << 1.7 << 0.3 << "" << 5 << "0.5"
                                               << "1.7";
        QTest::newRow("end reached by thousandths") << 0.0 << 1.0 << 0.001 << "" << 1001 << "0"
                                                    << "1";
        QTest::newRow("span 10000 by thousandths") << 0.0 << 10000.0 << 0.001 << "" << 10000001 << "0"
                                                   << "10000";
        QTest::newRow("decimals of from count") << 0.25 << 3.0 << 1.0 << "2.25" << 2 << "0.25"
                                                << "1.25";
        QTest::newRow("negative from") << -1.0 << 1.0 << 0.1 << "-0.7" << 20 << "-1"
                                       << "1";
        // From about 9e15 up adding 1 changes nothing: the range must still end.
        QTest::newRow("huge numbers end") << 1e16 << 1e16 + 10000 << 1.0 << "" << 10001 << "1e+16"
                                          << "1.000000000001e+16";
        QTest::newRow("huge numbers by thousandths") << 1e16 << 1e16 + 10 << 0.001 << "" << 10001 << "1e+16"
                                                     << "1e+16";
    }
    void numberRange() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, step);
        QFETCH(QString, excluded);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const std::vector<double> list = core::NumberRange(from, to, step, excluded);
        QCOMPARE(qsizetype(list.size()), qsizetype(count));
        QCOMPARE(list.empty() ? QString() : core::FormatNumber(list.front()), first);
        QCOMPARE(list.empty() ? QString() : core::FormatNumber(list.back()), last);
    }

    void rangeOrderAndAccumulatedText() {
        const QStringList list = Texts(core::NumberRange(1, 60, 1, QStringLiteral("3 5")));
        QCOMPARE(list.mid(0, 5), (QStringList{"1", "2", "4", "6", "7"}));
    }

    void rangeTextsAreTyped_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("step");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("tenths") << 0.0 << 0.6 << 0.1 << QStringList{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6"};
        QTest::newRow("zero crossed") << -0.3 << 0.2 << 0.1 << QStringList{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2"};
        QTest::newRow("from and step decimals") << 1.05 << 1.5 << 0.1 << QStringList{"1.05", "1.15", "1.25", "1.35",
                                                                                     "1.45"};
        QTest::newRow("small exponent") << 0.001 << 0.004 << 0.001 << QStringList{"0.001", "0.002", "0.003", "0.004"};
    }
    void rangeTextsAreTyped() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, step);
        QFETCH(QStringList, texts);
        const std::vector<double> numbers = core::NumberRange(from, to, step, QString());
        QCOMPARE(Texts(numbers), texts);
        // The value is the one its text reads, so a typed exclusion matches it.
        for (double v : numbers)
            QVERIFY2(v == core::FormatNumber(v).toDouble(), qPrintable(QString::number(v, 'g', 17)));
    }

    void everyNumberExcludedByItsText() {
        const std::vector<double> all = core::NumberRange(-1, 1, 0.01, QString());
        const QStringList texts = Texts(all);
        QVERIFY(core::NumberRange(-1, 1, 0.01, texts.join(u' ')).empty());
    }

    void nameLines() {
        QCOMPARE(core::NameLines(QStringLiteral("张三\r\n\r\n李四\r\n  \r\n\r\n张三")),
                 (QStringList{"张三", "李四", "  ", "张三"}));
        QVERIFY(core::NameLines(QString()).isEmpty());
    }

    void removeFirstTakesOnlyTheFirstEqualEntry() {
        core::CandidateList list;
        list.setTexts({"a", "b", "a", "c"});
        QVERIFY(list.removeFirst(QStringLiteral("a")));
        QCOMPARE(list.texts(), (QStringList{"b", "a", "c"}));
        QVERIFY(!list.removeFirst(QStringLiteral("x")));
    }

    void numericEntriesFoundByText() {
        core::CandidateList list;
        list.setNumbers(core::NumberRange(0, 1, 0.1, QString()));
        QCOMPARE(list.indexOf(QStringLiteral("0.3")), 3); // its text is 0.3, whatever its bits
        QCOMPARE(list.indexOf(QStringLiteral("0.30")), -1);
        QVERIFY(list.removeFirst(QStringLiteral("0.3")));
        QCOMPARE(list.count(), 10);
        list.append(QStringLiteral("0.3"));
        QCOMPARE(list.text(10), QStringLiteral("0.3"));
        list.append(QStringLiteral("张三")); // a text that is no number still fits
        QCOMPARE(list.text(11), QStringLiteral("张三"));
        QCOMPARE(list.text(0), QStringLiteral("0"));
    }

    void blockListIgnoresCaseAndTakesAllCopies() {
        core::CandidateList list;
        list.setTexts({"Tom", "tom", "TOM", "Ann", "张三", "Tom"});
        list.removeAllOf({"tom", "张三", ""});
        QCOMPARE(list.texts(), QStringList{"Ann"});
    }

    void modelShowsEveryEntry() {
        core::CandidateList list;
        list.setNumbers(core::NumberRange(1, 3, 1, QString()));
        QCOMPARE(list.rowCount(), 3);
        QCOMPARE(list.data(list.index(2), Qt::DisplayRole).toString(), QStringLiteral("3"));
    }

    void pickIsUniform() {
        core::CandidateList list;
        list.setTexts({"a", "b", "c"});
        QRandomGenerator rng(12345);
        QMap<QString, int> seen;
        const int n = 30000;
        for (int i = 0; i < n; ++i)
            ++seen[list.pick(rng)];
        for (const char* t : {"a", "b", "c"}) {
            const double share = double(seen[QString::fromUtf8(t)]) / n;
            QVERIFY2(qAbs(share - 1.0 / 3) < 0.015, qPrintable(QStringLiteral("%1: %2").arg(t).arg(share)));
        }
    }

    void pickFromOneEntry() {
        core::CandidateList list;
        list.setTexts({"only"});
        QRandomGenerator rng(1);
        QCOMPARE(list.pick(rng), QStringLiteral("only"));
    }

    void shuffleIsUniform() {
        QRandomGenerator rng(777);
        QMap<QString, int> orders;
        const int n = 60000;
        for (int i = 0; i < n; ++i) {
            core::CandidateList list;
            list.setTexts({"a", "b", "c"});
            list.shuffle(rng);
            ++orders[list.texts().join(QString())];
        }
        QCOMPARE(orders.size(), 6);
        for (int c : orders)
            QVERIFY2(qAbs(double(c) / n - 1.0 / 6) < 0.01, qPrintable(QString::number(c)));
    }

    // A list view measures and elides its texts on every paint: a candidate of
    // megabytes is shown cut there, and stays whole for the draw.
    void longTextIsShownCut_data() {
        const qsizetype n = core::CandidateList::kShownLength;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString atLimit(n, u'x');
        QTest::newRow("at the limit") << atLimit << atLimit;
        QTest::newRow("one more") << atLimit + u'y' << QString(n, u'x') + QChar(0x2026);
        QTest::newRow("a million characters") << QString(1'000'000, u'张') << QString(n, u'张') + QChar(0x2026);
        // U+20BB7 is two UTF-16 units; the cut never splits it.
        const QString pair = QString::fromUcs4(U"\U00020BB7");
        QTest::newRow("a pair across the cut")
            << QString(n - 1, u'a') + pair + u'b' << QString(n - 1, u'a') + QChar(0x2026);
    }
    void longTextIsShownCut() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        core::CandidateList list;
        list.setTexts({QStringLiteral("a"), text});
        const QModelIndex row = list.index(1);
        QCOMPARE(list.data(row, Qt::DisplayRole).toString(), shown);
        QCOMPARE(list.data(row, Qt::ToolTipRole).toString(), shown);
        QCOMPARE(list.text(1), text);
        QCOMPARE(list.texts().last(), text);
        list.removeAt(0);
        QRandomGenerator rng(1);
        QCOMPARE(list.pick(rng), text);
    }
};

QTEST_APPLESS_MAIN(TestCandidates)
#include "tst_candidates.moc"
