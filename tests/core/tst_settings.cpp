#include "core/GeneralOptions.h"
#include "core/LockPassword.h"
#include "core/MainSettings.h"
#include "core/NumberProjects.h"

#include <QStringEncoder>
#include <QTest>
#include <QtEndian>

#include <cstring>

namespace {

// A record as an older installation wrote it: GB18030 text, blank-padded.
QByteArray LegacyRecord(const QString& name, double min, double max, double step, const QString& exclude) {
    QStringEncoder gb("GB18030");
    QByteArray r = QByteArray(gb.encode(name)).leftJustified(20, ' ', true);
    for (double v : {min, max, step}) {
        char le[8];
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        qToLittleEndian(bits, le);
        r.append(le, 8);
    }
    r.append(QByteArray(gb.encode(exclude)).leftJustified(500, ' ', true));
    return r;
}

// A record as an earlier build of this program wrote it: UTF-8 text.
QByteArray Utf8Record(const QString& name, const QString& exclude) {
    QByteArray r = name.toUtf8().leftJustified(20, ' ', true);
    r.append(QByteArray(24, '\0'));
    r.append(exclude.toUtf8().leftJustified(500, ' ', true));
    return r;
}

QByteArray Count(qint16 n) {
    char c[2];
    qToLittleEndian(n, c);
    return QByteArray(c, 2);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void legacyProjectsFileReads() {
        // Two records counted, a third left behind by an older, longer save.
        const QByteArray bytes = Count(2) +
                                 LegacyRecord(QStringLiteral("高二(01)班"), 1, 60, 1, QStringLiteral("3 5")) +
                                 LegacyRecord(QStringLiteral("抽奖"), 0.5, 100, 0.5, QString()) +
                                 LegacyRecord(QStringLiteral("old"), 1, 2, 1, QString());
        QString error;
        const auto p = core::NumberProjects::fromBytes(bytes, &error);
        QVERIFY2(p.has_value(), qPrintable(error));
        QCOMPARE(p->size(), 2);
        QCOMPARE((*p)[0].Name, QStringLiteral("高二(01)班"));
        QCOMPARE((*p)[0].Exclude, QStringLiteral("3 5"));
        QCOMPARE((*p)[1].Min, 0.5);
        QCOMPARE((*p)[1].Step, 0.5);
        QCOMPARE(p->find(QStringLiteral("抽奖")), 1);
        QCOMPARE(p->find(QStringLiteral("抽奖 ")), -1); // the given name is not trimmed
    }

    void projectsRoundTripWithExactLength() {
        core::NumberProjects p;
        p.append({QStringLiteral("一班"), 1, 60, 1, QStringLiteral("7")});
        p.append({QStringLiteral("b"), -5, 5, 0.1, QString()});
        const QByteArray bytes = p.toBytes();
        QCOMPARE(bytes.size(), 2 + 2 * 544);
        // Text fields in GB18030, as older installations wrote them.
        QCOMPARE(bytes.mid(2, 20), QByteArray("\xD2\xBB\xB0\xE0").leftJustified(20, ' '));
        const auto back = core::NumberProjects::fromBytes(bytes, nullptr);
        QVERIFY(back);
        QCOMPARE((*back)[0].Name, QStringLiteral("一班"));
        QCOMPARE((*back)[1].Min, -5.0);
        QCOMPARE((*back)[1].Step, 0.1);
    }

    // Ten Chinese characters fit in the name, 250 in the excluded numbers; names that differ
    // only in their last characters stay apart.
    void longChineseNamesStayApart() {
        const QString exclude = QString(QStringLiteral("一")).repeated(250);
        core::NumberProjects p;
        p.append({QStringLiteral("高二年级一班数学兴趣"), 1, 60, 1, exclude});
        p.append({QStringLiteral("高二年级一班数学小组"), 1, 50, 1, QString()});
        const auto back = core::NumberProjects::fromBytes(p.toBytes(), nullptr);
        QVERIFY(back);
        QCOMPARE((*back)[0].Name, QStringLiteral("高二年级一班数学兴趣"));
        QCOMPARE((*back)[0].Exclude, exclude);
        QCOMPARE((*back)[1].Name, QStringLiteral("高二年级一班数学小组"));
        QCOMPARE(back->find(QStringLiteral("高二年级一班数学小组")), 1);
    }

    // Files of older installations (GBK) and of earlier builds of this program (UTF-8) both read.
    void projectsFileEncodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("GBK short names that are valid UTF-8")
            << Count(2) + LegacyRecord(QStringLiteral("小学"), 1, 2, 1, QString()) +
                   LegacyRecord(QStringLiteral("一"), 1, 2, 1, QStringLiteral("1"))
            << QStringList{"小学", "一"};
        QTest::newRow("GBK ten characters")
            << Count(1) + LegacyRecord(QStringLiteral("高二年级一班数学兴趣"), 1, 2, 1, QString())
            << QStringList{"高二年级一班数学兴趣"};
        QTest::newRow("UTF-8 of an earlier build")
            << Count(2) + Utf8Record(QStringLiteral("小学"), QString()) +
                   Utf8Record(QStringLiteral("高二年级一班"), QStringLiteral("3 5"))
            << QStringList{"小学", "高二年级一班"};
        QTest::newRow("UTF-8 single character")
            << Count(1) + Utf8Record(QStringLiteral("一"), QString()) << QStringList{"一"};
    }
    void projectsFileEncodings() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        const auto p = core::NumberProjects::fromBytes(bytes, nullptr);
        QVERIFY(p);
        QStringList read;
        for (qsizetype i = 0; i < p->size(); ++i)
            read << (*p)[i].Name;
        QCOMPARE(read, names);
    }

    void fitBytesCutsAtCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("short") << "abc"
                               << "abc";
        QTest::newRow("ascii 22") << "abcdefghijklmnopqrstuv"
                                  << "abcdefghijklmnopqrst";
        // Two bytes a Chinese character: ten fit
        QTest::newRow("ten Chinese characters") << "高二年级一班数学兴趣"
                                                << "高二年级一班数学兴趣";
        QTest::newRow("twelve Chinese characters") << "高二年级一班数学兴趣小组"
                                                   << "高二年级一班数学兴趣";
        QTest::newRow("mixed, no half character") << "abc一二三四五六七八九"
                                                  << "abc一二三四五六七八";
        // Four bytes in GB18030
        QTest::newRow("wide character fits") << "一二三四五六七八𬶨"
                                             << "一二三四五六七八𬶨";
        QTest::newRow("wide character kept whole") << "一二三四五六七八九𬶨"
                                                   << "一二三四五六七八九";
        QTest::newRow("emoji kept whole") << "abcdefghijklmnopq😀"
                                          << "abcdefghijklmnopq";
    }
    void fitBytesCutsAtCharacters() {
        QFETCH(QString, text);
        QFETCH(QString, fitted);
        QCOMPARE(core::FitBytes(text, 20), fitted);
    }

    void mainSettingsWrittenInPrintForm() {
        core::MainSettings s;
        s.ProjectIndex = 1;
        s.DrawMode = 2;
        s.FileName = QStringLiteral("题库.docx");
        s.ExcludeDrawn = 1;
        s.DisplayHeight = 3300;
        s.SplitterLeft = 12000;
        s.SavedAt = QDateTime(QDate(2026, 12, 10), QTime(8, 0, 0));
        const QStringList lines = s.toText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines, (QStringList{"3", "3", " 0 ", "0", " 1 ", " 0 ", "4", " 0 ", " 0 ", " 0 ", " 2 ", "题库.docx",
                                     " 1 ", " 2 ", " 3300 ", " 12000 ", "2026/12/10 8:00:00"}));
        const core::MainSettings back = core::MainSettings::fromLines(s.toText().split(QStringLiteral("\r\n")));
        QCOMPARE(back.linesRead, 17);
        QCOMPARE(back.ProjectIndex, qint16(1));
        QCOMPARE(back.FileName, s.FileName);
        QCOMPARE(back.DisplayHeight, qint16(3300));
    }

    void olderMainSettingsRead() {
        // As an older installation wrote it; a short file keeps the later defaults.
        const core::MainSettings s = core::MainSettings::fromLines(
            QStringLiteral("5\r\n2\r\n 3 \r\n1\r\n-1 \r\n 1 \r\n4\r\n 1 \r\n 0 \r\n 1 \r\n 1 ")
                .split(QStringLiteral("\r\n")));
        QCOMPARE(s.linesRead, 11);
        QCOMPARE(s.DrawCount, QStringLiteral("5"));
        QCOMPARE(s.IntervalOption, qint16(3));
        QCOMPARE(s.ProjectIndex, qint16(-1));
        QCOMPARE(s.No2InRow, qint16(1));
        QCOMPARE(s.RangeOption, qint16(1));
        QCOMPARE(s.DrawMode, qint16(1));
        QCOMPARE(s.FileName, QString());
        QCOMPARE(s.Alignment, qint16(2));
        // A value beyond 16 bits is unusable: the default stays.
        QCOMPARE(core::MainSettings::fromLines({"", "", "99999"}).IntervalOption, qint16(0));
        // An empty first line keeps its place: the second line is still the second setting.
        const core::MainSettings shifted = core::MainSettings::fromLines({"", "7", " 2 "});
        QCOMPARE(shifted.DrawCount, QString());
        QCOMPARE(shifted.PerRow, QStringLiteral("7"));
        QCOMPARE(shifted.IntervalOption, qint16(2));
    }

    void generalOptions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("myChar");
        QTest::addColumn<QStringList>("unknown");
        QTest::newRow("values") << "RandomWaitingList=True\r\nRandomFlashingStyle=3\r\nRandomFlashing_MyChar=#" << true
                                << 3 << "#" << QStringList();
        QTest::newRow("exact True only") << "RandomWaitingList=true" << false << 0 << "" << QStringList();
        QTest::newRow("value cut at a second =") << "RandomFlashing_MyChar=a=b" << false << 0 << "a" << QStringList();
        QTest::newRow("empty lines and keys without = skipped")
            << "\r\nRandomWaitingList\r\n\r\nRandomFlashingStyle=2.5" << false << 2 << "" << QStringList();
        QTest::newRow("unknown key reported, reading goes on")
            << "Colour=1\r\nRandomWaitingList=True\r\nx" << true << 0 << "" << QStringList{"Colour=1", "x"};
    }
    void generalOptions() {
        QFETCH(QString, text);
        QFETCH(bool, waiting);
        QFETCH(int, style);
        QFETCH(QString, myChar);
        QFETCH(QStringList, unknown);
        core::GeneralOptions o;
        QCOMPARE(o.read(text), unknown);
        QCOMPARE(o.RandomWaitingList, waiting);
        QCOMPARE(int(o.RandomFlashingStyle), style);
        QCOMPARE(o.RandomFlashing_MyChar, myChar);
    }

    void generalOptionsRoundTrip() {
        core::GeneralOptions o;
        o.RandomFlashing = true;
        o.RandomFlashing_Wei_4 = 7;
        o.RandomFlashing_MyChar = QStringLiteral("★");
        o.AutoSetFontSize = true;
        core::GeneralOptions back;
        QVERIFY(back.read(o.write()).isEmpty());
        QCOMPARE(back.write(), o.write());
        QVERIFY(o.write().contains(QStringLiteral("RandomFlashing=True\r\n")));
    }

    void lockPassword() {
        core::LockPassword none = core::LockPassword::fromFileText(QString());
        QVERIFY(!none.isSet());
        QCOMPARE(none.fileText(), QString());

        core::LockPassword legacy = core::LockPassword::fromFileText(QStringLiteral("1234"));
        QVERIFY(legacy.matches(QStringLiteral("1234")));
        QVERIFY(!legacy.matches(QStringLiteral("123")));
        const QString stored = legacy.fileText();
        QVERIFY(!stored.contains(QStringLiteral("1234")));
        const core::LockPassword hashed = core::LockPassword::fromFileText(stored);
        QVERIFY(hashed.matches(QStringLiteral("1234")));
        QVERIFY(!hashed.matches(QStringLiteral("12345")));
        QCOMPARE(hashed.fileText(), stored);

        core::LockPassword a, b;
        a.set(QStringLiteral("same"));
        b.set(QStringLiteral("same"));
        QVERIFY(a.fileText() != b.fileText()); // salted
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
