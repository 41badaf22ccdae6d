#include "platform/system/ShellOpen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace platform;

// The desktop's launcher is replaced by a script on PATH that notes its argument and ends as told.
class TestShellOpen : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QByteArray path_;

    void installLauncher(const QByteArray& ending) {
        QFile script(dir_.filePath("bin/xdg-open"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + QFile::encodeName(dir_.filePath("argument")) + "'\n" +
                     ending + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(dir_.path()).mkpath("bin"));
        QFile file(dir_.filePath("名单.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        path_ = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir_.filePath("bin")) + ":/usr/bin:/bin");
    }
    void cleanupTestCase() { qputenv("PATH", path_); }
    void cleanup() {
        QFile::remove(dir_.filePath("bin/xdg-open"));
        QFile::remove(dir_.filePath("argument"));
    }

    void launcherDecides_data() {
        QTest::addColumn<QByteArray>("ending");
        QTest::addColumn<bool>("opened");
        QTest::newRow("handed over") << QByteArray("sleep 0.2; exit 0") << true;
        QTest::newRow("no program for the type") << QByteArray("sleep 0.2; exit 3") << false;
        QTest::newRow("program failed") << QByteArray("sleep 0.2; exit 4") << false;
        // A launcher that waits for the program it started has handed the file over.
        QTest::newRow("still running") << QByteArray("exec sleep 30") << true;
    }
    void launcherDecides() {
        QFETCH(QByteArray, ending);
        QFETCH(bool, opened);
        installLauncher(ending);
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(20);
        QCOMPARE(OpenWithShell(dir_.filePath("名单.txt")), opened);
        QVERIFY2(ticks > 0, "events stopped while the launcher ran");
        QFile argument(dir_.filePath("argument"));
        QVERIFY(argument.open(QIODevice::ReadOnly));
        QCOMPARE(QFile::decodeName(argument.readAll()), dir_.filePath("名单.txt"));
    }

    void nothingToLaunch_data() {
        QTest::addColumn<bool>("launcher");
        QTest::addColumn<QString>("file");
        QTest::newRow("no launcher installed") << false << "名单.txt";
        QTest::newRow("missing file") << true << "没有.txt";
    }
    void nothingToLaunch() {
        QFETCH(bool, launcher);
        QFETCH(QString, file);
        if (launcher) installLauncher("exit 0");
        QVERIFY(!OpenWithShell(dir_.filePath(file)));
        QVERIFY(!QFile::exists(dir_.filePath("argument")));
    }
};

QTEST_MAIN(TestShellOpen)
#include "tst_shellopen.moc"
