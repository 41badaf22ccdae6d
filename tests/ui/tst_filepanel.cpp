#include "Form1Fixture.h"
#include "ModalScript.h"
#include "XlsxFixture.h"
#include "ui/BatchPanel.h"
#include "ui/Form从Excel导入姓名或文本.h"

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using core::MsgIcon;
using core::MsgResult;

namespace {

// A file somewhere outside the program folder, as a user would import it.
QString OutsideFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QStringList Items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

class TestFilePanel : public QObject {
    Q_OBJECT
private slots:
    void modeSwitchListsTheFolder() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/a.txt"), "x\r\n");
        f.folder.write(QStringLiteral("文本[姓名]文件/b.doc"), "x");
        f.folder.write(QStringLiteral("题目文件/bank.docx"), "x");
        f.folder.write(QStringLiteral("题目文件/~$bank.docx"), "x");
        f.folder.write(QStringLiteral("题目文件/old.doc"), "x");
        f.form->Option抽取方式_Click(1);
        QCOMPARE(Items(f.form->Combo选择姓名文件), QStringList{"a.txt"});
        QVERIFY(f.form->Command查看图片列表->isVisibleTo(f.form.get()));
        QCOMPARE(f.form->Combo选择姓名文件->currentIndex(), -1);
        f.form->Option抽取方式_Click(2);
        QCOMPARE(Items(f.form->Combo选择姓名文件), (QStringList{"bank.docx", "old.doc"}));
        QVERIFY(!f.form->Command查看图片列表->isVisibleTo(f.form.get()));
        f.form->Option抽取方式_Click(0);
        QCOMPARE(Items(f.form->Combo选择姓名文件).size(), 2); // left as it was, hidden
    }

    void newFileFromTheTemplate() {
        Fixture f;
        f.form->Option抽取方式_Click(1);
        f.dialogs.inputAnswers << QStringLiteral("三班");
        f.dialogs.answers << MsgResult::Cancel; // the edit question
        QTest::mouseClick(f.form->Command新建文件, Qt::LeftButton);
        QCOMPARE(f.dialogs.inputs[0].prompt, QStringLiteral("请输入一个名称："));
        QCOMPARE(f.folder.read(QStringLiteral("文本[姓名]文件/三班.txt")),
                 f.folder.read(QStringLiteral("模板/XingMing.txt")));
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("三班.txt"));
        QVERIFY(!f.form->candidates().isEmpty());
        QCOMPARE(f.dialogs.texts(),
                 QStringList{"可以从其它Word/Excel文件中复制信息。编辑好后，保存并关掉文件，再按一次[重置候选列表]。"});

        // The same name again replaces the file with the template, without asking.
        f.folder.write(QStringLiteral("文本[姓名]文件/三班.txt"), "changed\r\n");
        f.dialogs.inputAnswers << QStringLiteral("三班");
        QTest::mouseClick(f.form->Command新建文件, Qt::LeftButton);
        QCOMPARE(f.folder.read(QStringLiteral("文本[姓名]文件/三班.txt")),
                 f.folder.read(QStringLiteral("模板/XingMing.txt")));
        QCOMPARE(f.form->Combo选择姓名文件->count(), 1);
    }

    void unsafeNamesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << "../../etc/x";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dots") << "..";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("line break") << "甲\n1"; // it could not be stored as one line of the settings
    }
    void unsafeNamesAreRefused() {
        QFETCH(QString, name);
        Fixture f;
        f.form->Option抽取方式_Click(1);
        f.dialogs.inputAnswers << name;
        f.form->Command新建文件_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{"出错，可能是你输入的文件名不合法？可能是你的文件没关好？\r\n52"});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(f.form->Combo选择姓名文件->count(), 0);
        QCOMPARE(QDir(f.folder.file(QStringLiteral("文本[姓名]文件"))).entryList(QDir::Files).size(), 0);
    }

    // A name that cannot stand as line 12 of "SettingA.vq" is never offered; the folder's other files are.
    void namesWithLineBreaksAreNotListed_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("shown"); // as the message names it
        QTest::addColumn<QString>("good");
        QTest::newRow("line feeds") << 1 << QStringLiteral("甲\n1\n2.txt") << QStringLiteral("甲↵1↵2.txt")
                                    << QStringLiteral("乙.txt");
        QTest::newRow("carriage return") << 1 << QStringLiteral("甲\r1.txt") << QStringLiteral("甲↵1.txt")
                                         << QStringLiteral("乙.txt");
        QTest::newRow("question bank") << 2 << QStringLiteral("题\r\n库.docx") << QStringLiteral("题↵库.docx")
                                       << QStringLiteral("题库.docx");
    }
    void namesWithLineBreaksAreNotListed() {
        QFETCH(int, mode);
        QFETCH(QString, bad);
        QFETCH(QString, shown);
        QFETCH(QString, good);
        Fixture f;
        const QString folder = mode == 1 ? QStringLiteral("文本[姓名]文件/") : QStringLiteral("题目文件/");
        f.folder.write(folder + bad, "x\r\n");
        f.folder.write(folder + good, "x\r\n");
        f.form->Option抽取方式_Click(mode);
        QCOMPARE(Items(f.form->Combo选择姓名文件), QStringList{good});
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
        QCOMPARE(f.dialogs.messages[0].text,
                 QStringLiteral("文件夹") + f.folder.file(folder) +
                     QStringLiteral("中有名称含换行的文件，不能列入文件列表，请给它们改名：\r\n") + shown);
        // Said once: switching back and forth lists the folder again without a second message.
        f.form->Option抽取方式_Click(0);
        f.form->Option抽取方式_Click(mode);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(Items(f.form->Combo选择姓名文件), QStringList{good});
    }

    void importRefusesANameWithALineBreak() {
        Fixture f;
        QTemporaryDir outside;
        f.form->Option抽取方式_Click(1);
        f.dialogs.fileAnswers << OutsideFile(outside, QStringLiteral("五\n班.txt"), "甲\r\n");
        f.form->Command增加文件_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{"文件名含有换行，不能导入。请给文件改名后再导入。"});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(f.form->Combo选择姓名文件->count(), 0);
        QCOMPARE(QDir(f.folder.file(QStringLiteral("文本[姓名]文件"))).entryList(QDir::Files), QStringList{});
    }

    void importCopiesAndAsksBeforeReplacing() {
        Fixture f;
        QTemporaryDir outside;
        const QString source = OutsideFile(outside, QStringLiteral("四班.txt"), "甲\r\n乙\r\n");
        f.form->Option抽取方式_Click(1);
        f.dialogs.fileAnswers << source;
        f.form->menu_增加文件->trigger();
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("四班.txt"));
        QCOMPARE(f.form->candidates().texts(), (QStringList{"甲", "乙"}));

        f.dialogs.fileAnswers << source;
        f.dialogs.answers << MsgResult::Cancel;
        f.form->Command增加文件_Click();
        QCOMPARE(f.dialogs.texts().last(), QStringLiteral("文件") +
                                               f.folder.file(QStringLiteral("文本[姓名]文件/四班.txt")) +
                                               QStringLiteral("已经存在，覆盖？"));
        QCOMPARE(f.form->Combo选择姓名文件->count(), 1);
    }

    void namesDifferingInCaseAreTwoFiles() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/a.txt"), "small\r\n");
        QTemporaryDir outside;
        const QString source = OutsideFile(outside, QStringLiteral("A.txt"), "BIG\r\n");
        f.form->Option抽取方式_Click(1);
        f.dialogs.fileAnswers << source;
        f.form->Command增加文件_Click();
        QCOMPARE(Items(f.form->Combo选择姓名文件).size(), 2);
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("A.txt"));
        QCOMPARE(f.form->candidates().texts(), QStringList{"BIG"});
    }

    void workbookInNamesModeIsNotCopied() {
        Fixture f;
        QTemporaryDir outside;
        const QString book = outside.filePath(QStringLiteral("NAMES.XLS"));
        QVERIFY(WriteXlsx(book, {{"S", {{"姓名"}, {"张三"}}}}));
        f.form->Option抽取方式_Click(1);
        f.dialogs.fileAnswers << book;
        // In names mode a workbook, whatever the case of its extension, opens the import instead.
        QString shownPath;
        WhenModal<ui::Form从Excel导入姓名或文本>(
            [&](ui::Form从Excel导入姓名或文本& dialog) { shownPath = dialog.Label文件路径->text(); });
        f.form->Command增加文件_Click();
        QCOMPARE(shownPath, book);
        QCOMPARE(f.form->ExcelImportPath, book);
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(QDir(f.folder.file(QStringLiteral("文本[姓名]文件"))).entryList(QDir::Files), QStringList{});
        QCOMPARE(f.form->Combo选择姓名文件->count(), 0);
        // In question mode any file is copied unchanged.
        f.form->Option抽取方式_Click(2);
        f.dialogs.fileAnswers << book;
        f.form->Command增加文件_Click();
        QVERIFY(QFile::exists(f.folder.file(QStringLiteral("题目文件/NAMES.XLS"))));
    }

    // Only a new file from the template goes back to "单组多批次"; an import keeps the batch method, and the
    // group lists take in the new file.
    void importKeepsTheBatchMethod_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("listed");
        QTest::newRow("name file") << "五班.txt"
                                   << "五班.txt";
        QTest::newRow("workbook") << "五班.xlsx"
                                  << "五班.txt";
    }
    void importKeepsTheBatchMethod() {
        QFETCH(QString, source);
        QFETCH(QString, listed);
        Fixture f;
        QTemporaryDir outside;
        const QString path = outside.filePath(source);
        f.form->Option抽取方式_Click(1);
        ui::BatchPanel* batch = f.form->Frame批量抽取;
        batch->Option批量抽取的方式_Click(1);
        f.dialogs.fileAnswers << path;
        if (source.endsWith(QStringLiteral(".xlsx"))) {
            QVERIFY(WriteXlsx(path, {{"S", {{"姓名"}, {"张三"}}}}));
            WhenModal<ui::Form从Excel导入姓名或文本>([](ui::Form从Excel导入姓名或文本& dialog) {
                dialog.List选择字段->item(0)->setCheckState(Qt::Checked);
                dialog.Command更新结果_Click();
                dialog.Command确定导入_Click();
            });
        } else {
            OutsideFile(outside, source, "张三\r\n");
        }
        f.form->Command增加文件_Click();
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), listed);
        QVERIFY(batch->Option批量抽取的方式[1]->isChecked());
        QCOMPARE(Items(batch->Combo多组复合中的组选择[0]), QStringList{listed});

        f.dialogs.inputAnswers << QStringLiteral("六班");
        f.form->Command新建文件_Click();
        QVERIFY(batch->Option批量抽取的方式[0]->isChecked());
    }

    // Files and folders handed to the desktop: when no program takes them, the user learns where they are.
    void openingWithTheDesktop_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("opens");
        for (const char* command : {"编辑文件", "查看图片", "查看历史记录", "查看高级抽取记录"}) {
            QTest::addRow("%s, opened", command) << QString::fromUtf8(command) << true;
            QTest::addRow("%s, no program", command) << QString::fromUtf8(command) << false;
        }
    }
    void openingWithTheDesktop() {
        QFETCH(QString, command);
        QFETCH(bool, opens);
        Fixture f;
        f.opens = opens;
        f.useNameFile(QStringLiteral("班.txt"), "甲\r\n");
        QString path;
        if (command == QStringLiteral("编辑文件")) {
            f.dialogs.answers << MsgResult::OK;
            f.form->Command编辑文件_Click();
            path = f.folder.file(QStringLiteral("文本[姓名]文件/班.txt"));
        } else if (command == QStringLiteral("查看图片")) {
            f.form->Command查看图片列表_Click();
            path = f.folder.file(QStringLiteral("图片列表/班/"));
        } else if (command == QStringLiteral("查看历史记录")) {
            f.form->menu_查看历史记录->trigger();
            path = f.folder.file(QStringLiteral("历史记录/"));
        } else {
            f.folder.write(QStringLiteral("aqr/记录.aqr"), "1 2 3\r\n");
            f.form->Frame批量抽取->RefreshAdvancedRecordList();
            f.form->Frame批量抽取->Command查看高级抽取记录文件_Click();
            path = QDir::tempPath() + QStringLiteral("/zkptem/记录.txt");
        }
        QCOMPARE(QDir::cleanPath(f.opened.value(0)), QDir::cleanPath(path));
        QStringList told;
        for (const QString& text : f.dialogs.texts())
            if (text.startsWith(QStringLiteral("没能用系统关联的程序打开："))) told << text;
        if (opens)
            QCOMPARE(told, QStringList{});
        else
            QCOMPARE(told, QStringList{QStringLiteral("没能用系统关联的程序打开：\r\n") + f.opened.value(0) +
                                       QStringLiteral("\r\n可能没有安装能打开它的程序，请手动打开它。")});
    }

    void deleteSelectsTheNeighbour_data() {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QString>("selected");
        QTest::newRow("last of three selects the second") << 2 << "b.txt";
        QTest::newRow("first selects the next") << 0 << "b.txt";
    }
    void deleteSelectsTheNeighbour() {
        QFETCH(int, deleted);
        QFETCH(QString, selected);
        Fixture f;
        for (const char* n : {"a.txt", "b.txt", "c.txt"})
            f.folder.write(QStringLiteral("文本[姓名]文件/") + QString::fromLatin1(n), QByteArray(n) + "\r\n");
        f.form->Option抽取方式_Click(1);
        const QString name = f.form->Combo选择姓名文件->itemText(deleted);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, name, true));
        f.dialogs.answers << MsgResult::Yes;
        f.form->menu_删除当前文件->trigger();
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("真的要删除文件：") +
                                                 f.folder.file(QStringLiteral("文本[姓名]文件/")) + name +
                                                 QStringLiteral(" 吗？"));
        QCOMPARE(f.dialogs.messages[0].defaultButton, std::optional(MsgResult::No));
        QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("文本[姓名]文件/")) + name));
        QCOMPARE(f.form->Combo选择姓名文件->count(), 2);
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), selected);
        QCOMPARE(f.form->candidates().texts(), QStringList{QStringLiteral("b.txt")});
    }

    void deletingAlsoOffersThePictures() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/一班.txt"), "甲\r\n");
        f.folder.write(QStringLiteral("图片列表/一班/x.txt"), "x");
        f.form->Option抽取方式_Click(1);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("一班.txt"), true));
        f.dialogs.answers << MsgResult::Yes << MsgResult::OK;
        f.form->Command删除文件_Click();
        QCOMPARE(f.dialogs.texts().last(),
                 QStringLiteral("同时删除一班.txt对应的图片文件吗？\r\n删除后将不可再恢复！"));
        QVERIFY(!QDir(f.folder.file(QStringLiteral("图片列表/一班"))).exists());
        QCOMPARE(f.form->Combo选择姓名文件->count(), 0);
        QVERIFY(f.form->candidates().isEmpty());
    }

    void aFileThatCannotBeDeletedStaysListed() {
        Fixture f;
        f.form->Option抽取方式_Click(1);
        QDir().mkpath(f.folder.file(QStringLiteral("文本[姓名]文件/stuck.txt/inside")));
        f.form->Combo选择姓名文件->addItem(QStringLiteral("stuck.txt"));
        f.form->Combo选择姓名文件->setCurrentIndex(0);
        f.dialogs.answers << MsgResult::Yes;
        f.form->Command删除文件_Click();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].text.startsWith(QStringLiteral("无法删除文件：")));
        QCOMPARE(f.form->Combo选择姓名文件->count(), 1);
    }

    void matchingPicturesAreOfferedAndLoaded() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/班.txt"), "张三\r\n李四\r\n王五\r\n");
        QDir().mkpath(f.folder.file(QStringLiteral("图片列表/班")));
        for (const char* p : {"张三.jpg", "李四.BMP", "other.jpg"})
            QImage(40, 30, QImage::Format_RGB32)
                .save(f.folder.file(QStringLiteral("图片列表/班/")) + QString::fromUtf8(p), "BMP");
        f.form->Option抽取方式_Click(1);
        f.dialogs.answers << MsgResult::OK;
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("班.txt"), true));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(
            f.dialogs.messages[0].text,
            QStringLiteral("全屏显示时可同时滚动对应图片。\r\n现在导入与“班.txt”中文本（名字）匹配的2张图片吗？\r\n"
                           "根据图片数量，在此过程中可能停止响应几分钟。。。"));
        QCOMPARE(f.dialogs.messages[0].defaultButton, std::optional(MsgResult::Cancel));
        QVERIFY(f.form->CurHasLoadedPicList);
        QCOMPARE(f.state.PictureList.upperBound(), 2);

        // Cancel (the default) on the next rebuild loads nothing.
        f.form->CommandReset_Click();
        QVERIFY(!f.form->CurHasLoadedPicList);
        QCOMPARE(f.state.PictureList.upperBound(), 0);

        f.dialogs.messages.clear();
        f.form->DoNotLoadPicList = true;
        f.form->CommandReset_Click();
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void pictureFolderCheck() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/班.txt"), "张三\r\n李四\r\n");
        f.form->Option抽取方式_Click(1);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("班.txt"), true));
        f.form->Command查看图片列表_Click();
        QVERIFY(QDir(f.folder.file(QStringLiteral("图片列表/班"))).exists());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.startsWith(
            QStringLiteral("共需2张图片(不包括已被屏蔽了的名单)"
                           "，目前已有0张有效图片。请您认真核对缺了哪个？\r\n\r\n请将图片复制到已打开的文件夹：")));
        QVERIFY(f.dialogs.messages[0].text.endsWith(
            QStringLiteral("\r\n\r\n处理好后，关闭文件夹窗口，按一次[重置候选列表]。")));
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Information);
    }
};

QTEST_MAIN(TestFilePanel)
#include "tst_filepanel.moc"
