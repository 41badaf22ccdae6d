#include "platform/system/ProcessSearch.h"
#include "platform/system/Processes.h"
#include "platform/system/WindowSearch.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>
#include <vector>

namespace {

QByteArray ProcFile(qint64 pid, const char* entry) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(entry)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool OwnedByThisUser(qint64 pid) {
    for (const QByteArray& line : ProcFile(pid, "status").split('\n'))
        if (line.startsWith("Uid:")) return line.mid(4).simplified().split(' ').value(0).toUInt() == getuid();
    return false;
}

} // namespace

class TestProcesses : public QObject {
    Q_OBJECT
    // Beside the test, since /tmp may forbid running programs.
    QTemporaryDir dir_{QCoreApplication::applicationDirPath() + QStringLiteral("/processes-XXXXXX")};
    // Unique per run so that parallel runs never touch each other's sleepers; longer than comm's 15 characters.
    QString name_;
    std::vector<std::unique_ptr<QProcess>> sleepers_;

    QProcess* StartSleeper() {
        QProcess* p = sleepers_.emplace_back(std::make_unique<QProcess>()).get();
        p->start(dir_.filePath(name_), {QStringLiteral("600")});
        return p->waitForStarted() ? p : nullptr;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        name_ = QStringLiteral("zandrel%1sleeper").arg(QCoreApplication::applicationPid());
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), dir_.filePath(name_)));
    }

    void cleanup() {
        for (const auto& sleeper : sleepers_) {
            sleeper->kill();
            sleeper->waitForFinished();
        }
        sleepers_.clear();
    }

    void emptyNameFindsAndEndsNothing() {
        QProcess* sleeper = StartSleeper();
        QVERIFY(sleeper);
        // Checked first: a name matching everything must fail here, before anything is asked to end.
        QVERIFY(platform::FindProcesses(QString(), false).isEmpty());
        QVERIFY(!platform::FindOrKillProcess(QString(), false, true));
        QVERIFY(!platform::FindOrKillProcess(QString(), true, true));
        QVERIFY(!sleeper->waitForFinished(0));
    }

    void matchesByNameOrPrefix_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("found");
        QTest::newRow("whole name, other case") << name_.toUpper() << true << true;
        QTest::newRow("prefix") << name_.chopped(4).toUpper() << false << true;
        QTest::newRow("prefix when exact") << name_.chopped(4) << true << false;
        QTest::newRow("ending only") << name_.mid(1) << false << false;
        QTest::newRow("longer than the name") << name_ + QLatin1Char('x') << false << false;
    }
    void matchesByNameOrPrefix() {
        QFETCH(QString, name);
        QFETCH(bool, exact);
        QFETCH(bool, found);
        QProcess* sleeper = StartSleeper();
        QVERIFY(sleeper);
        QCOMPARE(platform::FindProcesses(name, exact).contains(sleeper->processId()), found);
        QCOMPARE(platform::FindOrKillProcess(name, exact, false), found);
        QVERIFY(!sleeper->waitForFinished(0));
    }

    void killEndsEveryMatch() {
        const QList<QProcess*> sleepers{StartSleeper(), StartSleeper()};
        QVERIFY(!sleepers.contains(nullptr));
        QVERIFY(platform::FindOrKillProcess(name_.chopped(4), false, true));
        for (QProcess* sleeper : sleepers) {
            QVERIFY(sleeper->waitForFinished());
            QCOMPARE(sleeper->exitStatus(), QProcess::CrashExit);
        }
        QVERIFY(!platform::FindOrKillProcess(name_, true, false));
    }

    // A copy of this test under a unique name asks to end every process of its own name, itself included.
    void sparesItself() {
        const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        if (qEnvironmentVariableIsSet("ZANDREL_SPARE_SELF")) {
            QVERIFY(platform::FindOrKillProcess(exeName, true, true));
            return;
        }
        const QString copy = dir_.filePath(QStringLiteral("zandrel%1self").arg(QCoreApplication::applicationPid()));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZANDREL_SPARE_SELF"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(copy, {QStringLiteral("sparesItself")});
        QVERIFY(child.waitForFinished());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll().constData());
    }

    void othersProcessesAreFoundButSpared() {
        if (getuid() == 0) QSKIP("Running as root: init belongs to this user too, so the uid check is not observable");
        if (OwnedByThisUser(1)) QSKIP("init runs as this user here");
        const QString initName = QString::fromLocal8Bit(ProcFile(1, "comm")).trimmed();
        const QList<qint64> matches = platform::FindProcesses(initName, false);
        QVERIFY(matches.contains(1));
        for (const qint64 pid : matches)
            if (OwnedByThisUser(pid)) QSKIP("a process of this user shares init's name and must not be ended");
        QVERIFY(platform::FindOrKillProcess(initName, false, true));
        QVERIFY(platform::ProcessExists(1));
    }

    void windowsAreNotFoundWithoutX11() {
        if (QGuiApplication::platformName() == QLatin1String("xcb")) QSKIP("runs on X11");
        QCOMPARE(platform::FindWindowByTitlePart(0, QString()), quintptr(0));
        QCOMPARE(platform::FindWindowByTitlePart(0, QStringLiteral("Writer")), quintptr(0));
        QVERIFY(!platform::ActivateWindow(1));
    }
};

QTEST_MAIN(TestProcesses)
#include "tst_processes.moc"
