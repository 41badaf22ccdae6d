#include "platform/system/EndSignals.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A log-out or `kill` asks the program to end: it must end the way its exit command does, saving
// the run and its settings, rather than die with them.
class TestEndSignals : public QObject {
    Q_OBJECT

private slots:
    void signalReachesTheEventLoop() {
        int ended = 0;
        platform::OnEndSignal([&ended] { ++ended; });
        std::raise(SIGTERM);
        QTRY_COMPARE(ended, 1);
    }

    void programSavesItsSettingsWhenTerminated_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void programSavesItsSettingsWhenTerminated() {
        QFETCH(int, signal);
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("Zandrel"));
        QVERIFY(QFile::copy(QStringLiteral(ZANDREL_SHIPPED_DIR "/Zandrel"), program));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("历史记录")));
        QProcess run;
        run.start(program, {});
        QVERIFY(run.waitForStarted());
        // Start-up writes nothing; the settings appear only when the exit routine has run.
        QTest::qWait(1500);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("SettingA.vq"))));
        ::kill(pid_t(run.processId()), signal);
        QVERIFY(run.waitForFinished(20000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("SettingA.vq"))));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Setting.vq"))));
    }
};

QTEST_MAIN(TestEndSignals)
#include "tst_endsignals.moc"
