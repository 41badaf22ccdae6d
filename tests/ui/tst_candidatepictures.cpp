// Candidate pictures: metafiles load like the rest, and a picture that cannot load does not stop the others.
#include "Form1Fixture.h"
#include "MetafileFixture.h"

#include <QtTest>

using core::MsgResult;

class TestCandidatePictures : public QObject {
    Q_OBJECT

private slots:
    void damagedPictureIsNamedAndTheLoadGoesOn() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/班.txt"), "张三\r\n李四\r\n王五\r\n");
        f.folder.write(QStringLiteral("图片列表/班/张三.wmf"), WmfRectangle(80, 40, Qt::red));
        f.folder.write(QStringLiteral("图片列表/班/李四.jpg"), "\xFF\xD8\xFF broken");
        f.folder.write(QStringLiteral("图片列表/班/王五.emf"), EmfRectangle(80, 40, Qt::blue));
        f.form->Option抽取方式_Click(1);
        f.dialogs.answers << MsgResult::OK;
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("班.txt"), true));
        QCOMPARE(f.dialogs.messages.size(), 2);
        QCOMPARE(f.dialogs.messages[1].text,
                 QStringLiteral("在导入图片过程中遇到问题：\r\n李四.jpg：图片已损坏，或其格式不受支持"));
        QVERIFY(f.form->CurHasLoadedPicList);
        QCOMPARE(f.state.PictureList.upperBound(), 2);
        QCOMPARE(f.state.PictureList[1].Name, QStringLiteral("张三"));
        QCOMPARE(f.state.PictureList[2].Name, QStringLiteral("王五"));
        QCOMPARE(f.state.PictureList[2].Picture.pixelColor(40, 20), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestCandidatePictures)
#include "tst_candidatepictures.moc"
