#include "core/PictureList.h"

#include "MetafileFixture.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void isPictureFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::newRow("jpg") << "a.jpg" << true;
        QTest::newRow("upper-case JPG") << "李四.JPG" << true;
        QTest::newRow("bmp in a path") << "/x/y/张三.bmp" << true;
        QTest::newRow("gif") << "a.Gif" << true;
        QTest::newRow("five-character jpeg") << "a.jpeg" << false;
        QTest::newRow("png") << "a.png" << false;
        QTest::newRow("text") << "a.txt" << false;
    }
    void isPictureFile() {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QCOMPARE(core::IsPictureFile(name), picture);
    }

    void folderOfANameFile() {
        QCOMPARE(core::PictureFolder(QStringLiteral("/app/"), QStringLiteral("一班.名单.txt")),
                 QStringLiteral("/app/图片列表/一班/"));
    }

    void matchingByMainNameIgnoringCase() {
        QTemporaryDir dir;
        for (const char* f : {"李四.JPG", "张.三.jpg", "张三.jpg", "张三.bmp", "tom.gif", "王五.png", "赵六.txt"}) {
            QImage(4, 3, QImage::Format_RGB32).save(dir.filePath(QString::fromUtf8(f)), "BMP");
        }
        const QStringList found = core::MatchingPictureFiles(
            dir.path(), {QStringLiteral("李四"), QStringLiteral("张"), QStringLiteral("张三"), QStringLiteral("Tom"),
                         QStringLiteral("王五"), QStringLiteral("赵六"), QStringLiteral("张.三")});
        QCOMPARE(found.size(), 5);
        QVERIFY(found.contains(QStringLiteral("李四.JPG")));
        QVERIFY(found.contains(QStringLiteral("张.三.jpg"))); // its main name is 张
        QVERIFY(found.contains(QStringLiteral("张三.bmp")) && found.contains(QStringLiteral("张三.jpg")));
        QVERIFY(found.contains(QStringLiteral("tom.gif")));
        QVERIFY(core::MatchingPictureFiles(dir.path(), {QStringLiteral("nobody")}).isEmpty());
    }

    // Metafiles load like any picture; what cannot load says why, in Chinese.
    void load_data() {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QColor>("centre");    // invalid: the load fails
        QTest::addColumn<QString>("reason");
        QTest::newRow("wmf") << WmfRectangle(80, 40, Qt::red) << QColor(Qt::red) << "";
        QTest::newRow("emf") << EmfRectangle(80, 40, Qt::blue) << QColor(Qt::blue) << "";
        QTest::newRow("damaged") << QByteArray("\xFF\xD8\xFF not really a jpeg") << QColor()
                                 << "图片已损坏，或其格式不受支持";
        QTest::newRow("damaged metafile")
            << WmfRectangle(80, 40, Qt::red).left(30) << QColor() << "图片已损坏，或其格式不受支持";
        QTest::newRow("missing") << QByteArray() << QColor() << "文件不存在";
    }
    void load() {
        QFETCH(QByteArray, bytes);
        QFETCH(QColor, centre);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("张三.wmf"));
        QFile file(path);
        if (!bytes.isNull()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
        }
        core::PictureList list;
        QString error;
        QCOMPARE(list.add(path, &error), centre.isValid());
        QCOMPARE(error, reason);
        if (!centre.isValid()) return;
        const QSize size = list[1].Picture.size(); // the EMF converter may lose the last pixel
        QVERIFY2(qAbs(size.width() - 80) <= 1 && qAbs(size.height() - 40) <= 1, qPrintable(QDebug::toString(size)));
        QCOMPARE(list[1].Picture.pixelColor(40, 20), centre);
    }

    void missingConverterIsNamed() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("张三.emf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(EmfRectangle(8, 4, Qt::red));
        file.close();
        const QByteArray searchPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        QString error;
        const bool loaded = core::PictureList().add(path, &error);
        qputenv("PATH", searchPath);
        QVERIFY(!loaded);
        QCOMPARE(error, QStringLiteral("未安装显示EMF图片所需的程序 emf2svg-conv（软件包 emf2svg）"));
    }

    void unreadableFileSaysSo() {
        if (geteuid() == 0) QSKIP("root reads every file");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("张三.jpg"));
        QImage(4, 4, QImage::Format_RGB32).save(path, "JPG");
        QFile::setPermissions(path, QFile::WriteOwner);
        QString error;
        QVERIFY(!core::PictureList().add(path, &error));
        QCOMPARE(error, QStringLiteral("没有权限访问该文件"));
    }

    void listKeepsAnEmptyFirstElement() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("张三.jpg"));
        QImage(40, 30, QImage::Format_RGB32).save(path, "BMP"); // the content decides the format
        core::PictureList list;
        QCOMPARE(list.upperBound(), 0);
        QVERIFY(list.add(path, nullptr));
        QVERIFY(list.add(path, nullptr));
        QCOMPARE(list.upperBound(), 2);
        QCOMPARE(list[2].Index, 2);
        QCOMPARE(list[1].Name, QStringLiteral("张三"));
        QCOMPARE(list[1].Picture.size(), QSize(40, 30));
        QString error;
        QVERIFY(!list.add(dir.filePath(QStringLiteral("none.jpg")), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(list.upperBound(), 2);
        list.clear();
        QCOMPARE(list.upperBound(), 0);
        QVERIFY(list[0].Picture.isNull());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
