#include "core/RunHistory.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QDateTime kTime(QDate(2026, 3, 7), QTime(9, 5, 7));

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void lineLayout_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("line");
        QTest::newRow("numbers") << "抽数字"
                                 << "高二(01)班"
                                 << "01 2026/3/7 9:05:07 抽数字      高二(01)班      17";
        QTest::newRow("names, short source") << "抽文本(名字)"
                                             << "一班.txt"
                                             << "01 2026/3/7 9:05:07 抽文本(名字)  一班.txt       17";
        QTest::newRow("14-character source cut to 12") << "抽题目"
                                                       << "abcdefghijklmn"
                                                       << "01 2026/3/7 9:05:07 抽题目      abcdefghijkl 17";
        // A character beyond the Basic Multilingual Plane counts once and is never split.
        QTest::newRow("wide character padded") << "抽文本(名字)"
                                               << "赵𬶨.txt"
                                               << "01 2026/3/7 9:05:07 抽文本(名字)  赵𬶨.txt       17";
        QTest::newRow("wide character kept whole at the cut")
            << "抽文本(名字)"
            << "abcdefghijk𬶨mn"
            << "01 2026/3/7 9:05:07 抽文本(名字)  abcdefghijk𬶨 17";
        QTest::newRow("wide character after the cut")
            << "抽文本(名字)"
            << "高二(01)班赵𬶨同学们好"
            << "01 2026/3/7 9:05:07 抽文本(名字)  高二(01)班赵𬶨同学们 17";
    }
    void lineLayout() {
        QFETCH(QString, mode);
        QFETCH(QString, source);
        QFETCH(QString, line);
        core::RunHistory h;
        QCOMPARE(core::RunHistory::formatLine(h.append(mode, source, QStringLiteral("17"), kTime)), line);
    }

    void sequenceNumbers() {
        core::RunHistory h;
        for (int i = 0; i < 100; ++i)
            h.append(QStringLiteral("抽数字"), QString(), QString::number(i), kTime);
        QVERIFY(core::RunHistory::formatLine(h.at(8)).startsWith(QStringLiteral("09 ")));
        QVERIFY(core::RunHistory::formatLine(h.at(9)).startsWith(QStringLiteral("10 ")));
        QVERIFY(core::RunHistory::formatLine(h.at(99)).startsWith(QStringLiteral("100 ")));
    }

    void fileName() {
        QCOMPARE(core::RunHistory::fileName(kTime), QStringLiteral("2026_03_07_09时05分07秒.txt"));
        QCOMPARE(core::RunHistory::fileName(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58))),
                 QStringLiteral("2026_12_31_23时59分58秒.txt"));
    }

    void saveWritesExactBytesAndForgetsRecords() {
        ProgramFolder folder;
        core::RunHistory h;
        h.append(QStringLiteral("抽文本(名字)"), QStringLiteral("一班.txt"), QStringLiteral("张三"), kTime);
        h.append(QStringLiteral("抽文本(名字)"), QStringLiteral("一班.txt"), QStringLiteral("李四"), kTime);
        h.append(QStringLiteral("抽文本(名字)"), QStringLiteral("一班.txt"), QStringLiteral("王 五"), kTime);
        QVERIFY(h.save(folder.path(), kTime).ok);
        QCOMPARE(h.count(), 0);
        const QByteArray expected = QStringLiteral("01 2026/3/7 9:05:07 抽文本(名字)  一班.txt       张三\r\n"
                                                   "02 2026/3/7 9:05:07 抽文本(名字)  一班.txt       李四\r\n"
                                                   "03 2026/3/7 9:05:07 抽文本(名字)  一班.txt       王 五\r\n\r\n")
                                        .toUtf8();
        QCOMPARE(folder.read(QStringLiteral("历史记录/2026_03_07_09时05分07秒.txt")), expected);

        // Nothing pending: nothing written.
        QVERIFY(h.save(folder.path(), kTime.addSecs(1)).ok);
        QCOMPARE(QDir(folder.file(QStringLiteral("历史记录"))).entryList(QDir::Files).size(), 1);
    }

    void saveCreatesTheFolder() {
        ProgramFolder folder;
        QDir(folder.file(QStringLiteral("历史记录"))).removeRecursively();
        core::RunHistory h;
        h.append(QStringLiteral("抽数字"), QStringLiteral("p"), QStringLiteral("1"), kTime);
        QVERIFY(h.save(folder.path(), kTime).ok);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("历史记录/2026_03_07_09时05分07秒.txt"))));
    }

    void failedSaveKeepsTheRecords() {
        ProgramFolder folder;
        QDir(folder.file(QStringLiteral("历史记录"))).removeRecursively();
        folder.write(QStringLiteral("历史记录"), "a file where the folder should be");
        core::RunHistory h;
        h.append(QStringLiteral("抽数字"), QStringLiteral("p"), QStringLiteral("1"), kTime);
        const core::RunHistory::SaveResult r = h.save(folder.path(), kTime);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(h.count(), 1);
    }

    void nothingPendingIsNoFailure() {
        ProgramFolder folder;
        QDir(folder.file(QStringLiteral("历史记录"))).removeRecursively();
        folder.write(QStringLiteral("历史记录"), "a file where the folder should be");
        core::RunHistory h;
        QVERIFY(h.save(folder.path(), kTime).ok);
    }

    void lastMatches_data() {
        QTest::addColumn<QString>("recordSource");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same") << "一班.txt"
                              << "抽文本(名字)"
                              << "一班.txt" << true;
        QTest::newRow("other file") << "一班.txt"
                                    << "抽文本(名字)"
                                    << "二班.txt" << false;
        QTest::newRow("other mode") << "一班.txt"
                                    << "抽题目"
                                    << "一班.txt" << false;
        QTest::newRow("14 characters compared by 12") << "abcdefghijklmn"
                                                      << "抽文本(名字)"
                                                      << "abcdefghijklmn" << true;
        QTest::newRow("differs after 12") << "abcdefghijklmn"
                                          << "抽文本(名字)"
                                          << "abcdefghijklXY" << true;
        QTest::newRow("trailing blanks of the name") << "ab"
                                                     << "抽文本(名字)"
                                                     << "ab  " << true;
        QTest::newRow("wide character at the cut") << "abcdefghijk𬶨mn"
                                                   << "抽文本(名字)"
                                                   << "abcdefghijk𬶨" << true;
    }
    void lastMatches() {
        QFETCH(QString, recordSource);
        QFETCH(QString, mode);
        QFETCH(QString, source);
        QFETCH(bool, matches);
        core::RunHistory h;
        h.append(QStringLiteral("抽文本(名字)"), recordSource, QStringLiteral("x"), kTime);
        QCOMPARE(h.lastMatches(mode, source), matches);
    }
};

QTEST_APPLESS_MAIN(TestHistory)
#include "tst_history.moc"
