#include "WriteLimit.h"
#include "core/FileNames.h"
#include "core/ListSearch.h"
#include "core/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

class TestTextFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("f.txt"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private slots:
    void readTextFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading empty line dropped, inner kept") << QByteArray("\r\na\r\n\r\nb\r\n") << "a\r\n\r\nb";
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << "a\r\nb";
        QTest::newRow("bare line feeds") << QByteArray("a\nb\n") << "a\r\nb";
        QTest::newRow("blank line is kept") << QByteArray("  \r\nx\r\n") << "  \r\nx";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("utf8 with mark") << QByteArray("\xEF\xBB\xBF张三\r\n") << "张三";
        QTest::newRow("gb18030") << QByteArray(QStringEncoder("GB18030").encode(QStringLiteral("张三\r\n李四")))
                                 << "张三\r\n李四";
        // GBK texts whose bytes also form valid UTF-8 (Latin, Greek or Cyrillic when read so).
        for (const char* text :
             {"小学", "一", "十", "英", "女", "小学\r\n一女", "一二", "英文", "没", "十一\r\n", "x小学"}) {
            const QString s = QString::fromUtf8(text);
            QTest::newRow(qPrintable(QStringLiteral("gbk ") + s))
                << QByteArray(QStringEncoder("GB18030").encode(s)) << s.trimmed();
        }
        // UTF-8 without a mark, as editors write it.
        for (const char* text : {"小学", "一", "张三\r\n李四", "约翰·史密斯", "赵𬶨", "3×4=12", "abc"}) {
            const QString s = QString::fromUtf8(text);
            QTest::newRow(qPrintable(QStringLiteral("utf8 ") + s)) << QByteArray(text) << s;
        }
    }
    void readTextFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(core::ReadTextFile(write(bytes)), text);
    }

    void readTextLinesKeepsEveryLine() {
        QCOMPARE(core::ReadTextLines(write("\r\n5\r\n\r\nx\r\n")), (QStringList{"", "5", "", "x"}));
        QCOMPARE(core::ReadTextLines(write("a\nb")), (QStringList{"a", "b"}));
        QVERIFY(core::ReadTextLines(dir_.filePath(QStringLiteral("none"))).isEmpty());
    }

    void missingFileIsEmpty() { QCOMPARE(core::ReadTextFile(dir_.filePath(QStringLiteral("none"))), QString()); }

    void writeAddsLineEndAndRoundTrips() {
        const QString path = dir_.filePath(QStringLiteral("w.txt"));
        QVERIFY(core::WriteTextFile(QStringLiteral("张三\r\n李四"), path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("张三\r\n李四\r\n"));
        QCOMPARE(core::ReadTextFile(path), QStringLiteral("张三\r\n李四"));
    }

    // What a reader would take for GBK is written with a byte-order mark; everything else as it is.
    void writtenTextsAreNeverMistaken_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("marked");
        QTest::newRow("Chinese") << "小学" << false;
        QTest::newRow("ascii") << "1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("Latin letters") << "café" << true;
        QTest::newRow("Cyrillic") << "Сѧ" << true;
        QTest::newRow("degree") << "1°" << true;
    }
    void writtenTextsAreNeverMistaken() {
        QFETCH(QString, text);
        QFETCH(bool, marked);
        const QString path = dir_.filePath(QStringLiteral("m.txt"));
        QVERIFY(core::WriteTextFile(text, path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().startsWith("\xEF\xBB\xBF"), marked);
        QCOMPARE(core::ReadTextFile(path), text);
    }

    void writeFailureHasReason() {
        QString error;
        QVERIFY(!core::WriteTextFile(QStringLiteral("x"), QStringLiteral("/dev/null/x.txt"), &error));
        QVERIFY(!error.isEmpty());
    }

    // A disk that fills up at the n-th byte: the old file stays whole and no temporary file is left.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("written");
        QTest::newRow("no byte") << 0 << false;
        QTest::newRow("first byte") << 1 << false;
        QTest::newRow("half") << 20 << false;
        QTest::newRow("all but the last byte") << 41 << false;
        QTest::newRow("every byte") << 42 << true;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, limit);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zmkm.dat"));
        const QByteArray old = QByteArray(60, 'o');
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        const QString text = QStringLiteral("新的内容") + QString(28, u'n'); // 42 bytes with CR LF
        QString error;
        bool ok;
        {
            WriteLimit full(limit);
            ok = core::WriteTextFile(text, path, &error);
        }
        QCOMPARE(ok, written);
        QCOMPARE(error.isEmpty(), written);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        if (written)
            QCOMPARE(core::ReadTextFile(path), text);
        else
            QCOMPARE(f.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("zmkm.dat")});
    }

    void stripExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("main");
        QTest::newRow("first dot") << "a.b.txt"
                                   << "a";
        QTest::newRow("leading dot") << ".x"
                                     << ".x";
        QTest::newRow("no dot") << "name"
                                << "name";
        QTest::newRow("chinese") << "张.三.jpg"
                                 << "张";
    }
    void stripExtension() {
        QFETCH(QString, name);
        QFETCH(QString, main);
        QCOMPARE(core::StripExtension(name), main);
    }

    void sanitizeAndTrim() {
        QCOMPARE(core::SanitizeFileName(QStringLiteral("a/b:c?")), QStringLiteral("a-b-c-"));
        QCOMPARE(core::SanitizeFileName(QStringLiteral("2026_12_10_09时05分07秒.txt")),
                 QStringLiteral("2026_12_10_09时05分07秒.txt"));
        QCOMPARE(core::TrimTrailingBlanks(QStringLiteral("ab ") + QChar(0) + QChar(255) + u' '), QStringLiteral("ab"));
        QCOMPARE(core::TrimTrailingBlanks(QStringLiteral("   ")), QString());
    }

    void findListItem() {
        const QStringList items = {QStringLiteral("x"), QStringLiteral("ABC"), QStringLiteral("abc")};
        QCOMPARE(core::FindListItem(items, QStringLiteral("abc"), false), 1);
        QCOMPARE(core::FindListItem(items, QStringLiteral("abc"), true), 2);
        QCOMPARE(core::FindListItem(items, QStringLiteral("Abc"), true), -1);
    }

    void recreateFolderEmptiesReadOnlyContent() {
        const QString folder = dir_.filePath(QStringLiteral("h"));
        QDir().mkpath(folder + QStringLiteral("/sub"));
        const QString file = folder + QStringLiteral("/sub/r.txt");
        QVERIFY(core::WriteTextFile(QStringLiteral("x"), file));
        QFile::setPermissions(file, QFile::ReadOwner);
        QFile::setPermissions(folder + QStringLiteral("/sub"), QFile::ReadOwner | QFile::ExeOwner);
        core::RecreateFolder(folder);
        QVERIFY(QDir(folder).exists());
        QCOMPARE(core::CountFiles(folder), 0);
        QVERIFY(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    // Clearing a folder never reaches through a link: the link goes, its target stays as it was.
    void clearingNeverFollowsLinks_data() {
        QTest::addColumn<QString>("link");   // where the link stands under the folder h ("" is h itself)
        QTest::addColumn<QString>("target"); // what it points to under the outside folder
        QTest::addColumn<bool>("recreate");  // RecreateFolder, else RemoveFolder
        QTest::newRow("the folder is a link, recreated") << QString() << QString() << true;
        QTest::newRow("the folder is a link, removed") << QString() << QString() << false;
        QTest::newRow("a link to a folder") << QStringLiteral("d") << QString() << true;
        QTest::newRow("a link to a read-only file") << QStringLiteral("f") << QStringLiteral("keep.txt") << true;
        QTest::newRow("a link in a read-only folder") << QStringLiteral("ro/d") << QStringLiteral("sub") << false;
        QTest::newRow("a dangling link") << QStringLiteral("x") << QStringLiteral("none") << true;
    }
    void clearingNeverFollowsLinks() {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(bool, recreate);
        QTemporaryDir outsideDir, programDir;
        const QString outside = outsideDir.path() + u'/';
        const QString h = programDir.filePath(QStringLiteral("h"));
        QVERIFY(core::WriteTextFile(QStringLiteral("keep"), outside + QStringLiteral("keep.txt")));
        QDir().mkpath(outside + QStringLiteral("sub"));
        QVERIFY(core::WriteTextFile(QStringLiteral("inner"), outside + QStringLiteral("sub/inner.txt")));
        QFile::setPermissions(outside + QStringLiteral("keep.txt"), QFile::ReadOwner);
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
        QFile::setPermissions(outside + QStringLiteral("sub"), readOnly);
        QFile::setPermissions(outside, readOnly);
        const auto reopen = qScopeGuard([&] {
            QFile::setPermissions(outside, readOnly | QFile::WriteOwner);
            QFile::setPermissions(outside + QStringLiteral("sub"), readOnly | QFile::WriteOwner);
        });
        auto modes = [&] {
            return QList<QFile::Permissions>{QFile::permissions(outside), QFile::permissions(outside + "keep.txt"),
                                             QFile::permissions(outside + "sub"),
                                             QFile::permissions(outside + "sub/inner.txt")};
        };
        const auto before = modes();

        const QString at = link.isEmpty() ? h : h + u'/' + link;
        QDir().mkpath(QFileInfo(at).path());
        QVERIFY(QFile::link(outside + target, at));
        if (!link.isEmpty()) // the folder's own files go, read-only folder or not
            QVERIFY(core::WriteTextFile(QStringLiteral("mine"), QFileInfo(at).path() + QStringLiteral("/mine.txt")));
        if (link.contains(u'/')) QFile::setPermissions(QFileInfo(at).path(), readOnly);

        if (recreate)
            core::RecreateFolder(h + u'/');
        else
            core::RemoveFolder(h + u'/');

        QCOMPARE(core::ReadTextFile(outside + QStringLiteral("keep.txt")), QStringLiteral("keep"));
        QCOMPARE(core::ReadTextFile(outside + QStringLiteral("sub/inner.txt")), QStringLiteral("inner"));
        QCOMPARE(modes(), before);
        QVERIFY(!QFileInfo(h).isSymLink());
        QCOMPARE(QFileInfo(h).isDir(), recreate);
        if (recreate) QVERIFY(QDir(h).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
