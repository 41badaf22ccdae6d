// The reasons the user reads when a file cannot be opened, read or written.
#include "platform/system/FailureReason.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class TestFailureReason : public QObject {
    Q_OBJECT

private slots:
    void reason_data() {
        QTest::addColumn<QString>("path"); // relative to a fresh folder holding "file" and "folder/"
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "none.txt" << false << "文件不存在";
        QTest::newRow("missing folder") << "nowhere/none.txt" << true << "文件夹不存在";
        QTest::newRow("a folder") << "folder" << false << "这是一个文件夹，不是文件";
    }
    void reason() {
        QFETCH(QString, path);
        QFETCH(bool, write);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QFile file(dir.filePath(path));
        QVERIFY(!file.open(write ? QIODevice::WriteOnly : QIODevice::ReadOnly));
        QCOMPARE(platform::FileFailureReason(file), reason);
    }

    void noPermission() {
        if (geteuid() == 0) QSKIP("root may open every file");
        QTemporaryDir dir;
        QFile file(dir.filePath("locked.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFile::WriteOwner));
        QVERIFY(!file.open(QIODevice::ReadOnly));
        QCOMPARE(platform::FileFailureReason(file), QString("没有权限访问该文件"));
    }

    void diskFull() {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) QSKIP("no /dev/full");
        QCOMPARE(full.write(QByteArray(4096, 'x')), qint64(-1));
        QCOMPARE(platform::FileFailureReason(full), QString("磁盘空间不足，或系统资源不足"));
    }
};

QTEST_MAIN(TestFailureReason)
#include "tst_failurereason.moc"
