#include "Form1Fixture.h"
#include "ModalScript.h"
#include "XlsxFixture.h"
#include "ui/Form从Excel导入姓名或文本.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;
using Import = ui::Form从Excel导入姓名或文本;

namespace {

const QStringList kHeader = {"学号", "姓名", "性别"};

QStringList Items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList Items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Ticks the 1-based columns.
void Tick(Import& dialog, const QList<int>& columns) {
    for (const int c : columns)
        dialog.List选择字段->item(c - 1)->setCheckState(Qt::Checked);
}

// The dialog on its own, with a stand-in for the main window's file list.
struct DialogFixture {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    QTemporaryDir outside;
    QString current;
    QStringList added;

    QString book(const QList<XlsxSheet>& sheets, const QString& name = QStringLiteral("一班.xlsx")) {
        const QString path = outside.filePath(name);
        if (!WriteXlsx(path, sheets)) qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    Import::NameFiles files(const QString& folderName = QStringLiteral("文本[姓名]文件/")) {
        return {folder.file(folderName), [this] { return current; }, [this](const QString& n) { added << n; }};
    }
    QString saved(const QString& name) const { return folder.file(QStringLiteral("文本[姓名]文件/") + name); }
};

// A loaded import of one sheet with the header and rows, with the columns ticked and the preview made.
std::unique_ptr<Import> Previewed(DialogFixture& f, const QList<QStringList>& rows, const QList<int>& ticked,
                                  const QString& bookName = QStringLiteral("一班.xlsx")) {
    auto dialog =
        std::make_unique<Import>(f.dialogs, f.book({{"S", QList<QStringList>{kHeader} + rows}}, bookName), f.files());
    if (!dialog->Form_Load()) qFatal("fixture workbook unreadable");
    Tick(*dialog, ticked);
    dialog->Command更新结果_Click();
    return dialog;
}

const QList<QStringList> kTwoRows = {{"1001", "张三", "男"}, {"1002", "李四", "女"}};

} // namespace

class TestExcelImport : public QObject {
    Q_OBJECT
private slots:
    void loadListsTheSheetsInOrder() {
        DialogFixture f;
        const QString path = f.book({{"Zeta", {{"学号", "姓名"}}}, {"名单", {{"x"}}}, {"Alpha", {}}});
        Import dialog(f.dialogs, path, f.files());
        QVERIFY(dialog.Form_Load());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("从Excel工作簿导入姓名（文本）"));
        QCOMPARE(dialog.objectName(), QStringLiteral("Form从Excel导入姓名或文本"));
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(dialog.Label文件路径->text(), path);
        QCOMPARE(Items(dialog.Combo选择工作表), (QStringList{"Zeta", "名单", "Alpha"}));
        QCOMPARE(dialog.Combo选择工作表->currentIndex(), 0);
        QCOMPARE(Items(dialog.List选择字段), (QStringList{"学号", "姓名"}));
        QCOMPARE(dialog.Text字段间连接符->text(), QStringLiteral("-"));

        dialog.Combo选择工作表->setCurrentIndex(1);
        QCOMPARE(Items(dialog.List选择字段), QStringList{"x"});
        dialog.Combo选择工作表->setCurrentIndex(2);
        QCOMPARE(dialog.List选择字段->count(), 0);
    }

    void fieldsEndAtTheFirstEmptyHeader_data() {
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("gap") << QStringList{"学号", "姓名", "", "性别"} << QStringList{"学号", "姓名"};
        QTest::newRow("first empty") << QStringList{"", "姓名"} << QStringList{};
        QTest::newRow("no gap") << kHeader << kHeader;
    }
    void fieldsEndAtTheFirstEmptyHeader() {
        QFETCH(QStringList, header);
        QFETCH(QStringList, fields);
        DialogFixture f;
        Import dialog(f.dialogs, f.book({{"S", {header, {"1", "2", "3", "4"}}}}), f.files());
        QVERIFY(dialog.Form_Load());
        QCOMPARE(Items(dialog.List选择字段), fields);
        for (int i = 0; i < dialog.List选择字段->count(); ++i)
            QCOMPARE(dialog.List选择字段->item(i)->checkState(), Qt::Unchecked);
    }

    void preview_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("preview");
        QTest::newRow("columns 2 and 3") << QList<QStringList>{{"1001", "张三", "男"}} << QList<int>{2, 3} << "-"
                                         << "张三-男";
        QTest::newRow("other separator") << kTwoRows << QList<int>{1, 2} << "、"
                                         << "1001、张三\n1002、李四";
        QTest::newRow("one column") << kTwoRows << QList<int>{2} << "-"
                                    << "张三\n李四";
        QTest::newRow("blanks trimmed") << QList<QStringList>{{"1", " 张三 ", " 男"}} << QList<int>{2, 3} << "-"
                                        << "张三-男";
        QTest::newRow("empty first ticked cell has no separator")
            << QList<QStringList>{{"1", "", "男"}} << QList<int>{2, 3} << "-"
            << "男";
        QTest::newRow("ends at the first empty first cell")
            << QList<QStringList>{{"1", "甲"}, {"2", "乙"}, {"", "丙"}, {"4", "丁"}} << QList<int>{2} << "-"
            << "甲\n乙";
        QTest::newRow("empty row in the middle")
            << QList<QStringList>{{"1", "甲"}, {"2", ""}, {"3", "丙"}} << QList<int>{2} << "-"
            << "甲\n\n丙";
        QTest::newRow("empty first row leaves no line")
            << QList<QStringList>{{"1", ""}, {"2", "乙"}} << QList<int>{2} << "-"
            << "乙";
        QTest::newRow("line break read as a blank")
            << QList<QStringList>{{"1", "欧阳\n小明", "男"}, {"2", "李\r\n四", "女\n"}} << QList<int>{2, 3} << "-"
            << "欧阳 小明-男\n李 四-女";
        QTest::newRow("no data rows") << QList<QStringList>{} << QList<int>{2} << "-"
                                      << "";
    }
    void preview() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QList<int>, ticked);
        QFETCH(QString, separator);
        QFETCH(QString, preview);
        DialogFixture f;
        Import dialog(f.dialogs, f.book({{"S", QList<QStringList>{kHeader} + rows}}), f.files());
        QVERIFY(dialog.Form_Load());
        QVERIFY(!dialog.Command确定导入->isEnabled());
        Tick(dialog, ticked);
        QCOMPARE(dialog.Frame字段间连接符->isVisibleTo(&dialog), ticked.size() > 1);
        dialog.Text字段间连接符->setText(separator);
        QTest::mouseClick(dialog.Command更新结果, Qt::LeftButton);
        QCOMPARE(dialog.Text导入结果预览->toPlainText(), preview);
        QCOMPARE(dialog.Command确定导入->isEnabled(), !preview.isEmpty());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void separatorShowsForMoreThanOneField() {
        DialogFixture f;
        Import dialog(f.dialogs, f.book({{"S", {kHeader}}}), f.files());
        QVERIFY(dialog.Form_Load());
        QVERIFY(!dialog.Frame字段间连接符->isVisibleTo(&dialog));
        Tick(dialog, {1, 3});
        QVERIFY(dialog.Frame字段间连接符->isVisibleTo(&dialog));
        dialog.List选择字段->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!dialog.Frame字段间连接符->isVisibleTo(&dialog));
    }

    void previewNeedsATickedField() {
        DialogFixture f;
        const auto dialog = Previewed(f, kTwoRows, {2});
        dialog->List选择字段->item(1)->setCheckState(Qt::Unchecked);
        dialog->Command更新结果_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{"至少要选择一个字段！"});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(dialog->Text导入结果预览->toPlainText(), QString());
        QVERIFY(!dialog->Command确定导入->isEnabled());
    }

    void emptyPreviewImportsNothing() {
        DialogFixture f;
        const auto dialog = Previewed(f, {}, {2});
        dialog->Command确定导入_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{"没东西可导入！"});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QVERIFY(f.added.isEmpty());
        QCOMPARE(QDir(f.folder.file(QStringLiteral("文本[姓名]文件"))).entryList(QDir::Files), QStringList{});
    }

    void savedFileName_data() {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("typed"); // null: the default is kept
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QString>("file");
        QTest::newRow("xls") << "一班.xls" << QString() << "一班"
                             << "一班.txt";
        QTest::newRow("xlsx") << "一班.xlsx" << QString() << "一班"
                              << "一班.txt";
        QTest::newRow("every .xls") << "a.xls.b.xls" << QString() << "a.b"
                                    << "a.b.txt";
        QTest::newRow("upper-case extension kept") << "BOOK.XLS" << QString() << "BOOK.XLS"
                                                   << "BOOK.XLS.txt";
        QTest::newRow("typed .txt") << "一班.xls"
                                    << "三班.txt"
                                    << "一班"
                                    << "三班.txt";
        QTest::newRow("typed .TXT") << "一班.xls"
                                    << "三班.TXT"
                                    << "一班"
                                    << "三班.TXT.txt";
    }
    void savedFileName() {
        QFETCH(QString, book);
        QFETCH(QString, typed);
        QFETCH(QString, defaultName);
        QFETCH(QString, file);
        DialogFixture f;
        const auto dialog = Previewed(f, kTwoRows, {2}, book);
        QCOMPARE(dialog->Text导入后的文件名->text(), defaultName);
        if (!typed.isNull()) dialog->Text导入后的文件名->setText(typed);
        dialog->Command确定导入_Click();
        QVERIFY(QFile::exists(f.saved(file)));
        QCOMPARE(f.added, QStringList{file});
    }

    void savedBytesAreUtf8WithCrLf() {
        DialogFixture f;
        const auto dialog = Previewed(f, kTwoRows + QList<QStringList>{{"1003", "", ""}}, {2, 3});
        dialog->show();
        QTest::mouseClick(dialog->Command确定导入, Qt::LeftButton);
        QCOMPARE(f.folder.read(QStringLiteral("文本[姓名]文件/一班.txt")),
                 QStringLiteral("张三-男\r\n李四-女\r\n\r\n").toUtf8());
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.added, QStringList{"一班.txt"});
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
    }

    void editedPreviewIsSaved() {
        DialogFixture f;
        const auto dialog = Previewed(f, kTwoRows, {2});
        dialog->Text导入结果预览->setPlainText(QStringLiteral("王五\n赵六"));
        dialog->Command确定导入_Click();
        QCOMPARE(f.folder.read(QStringLiteral("文本[姓名]文件/一班.txt")), QStringLiteral("王五\r\n赵六\r\n").toUtf8());
    }

    void existingFileIsReplacedOnlyAfterTheQuestion_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cancel") << false << QByteArray("old\r\n");
        QTest::newRow("ok") << true << QStringLiteral("张三\r\n李四\r\n").toUtf8();
    }
    void existingFileIsReplacedOnlyAfterTheQuestion() {
        QFETCH(bool, replace);
        QFETCH(QByteArray, bytes);
        DialogFixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/一班.txt"), "old\r\n");
        const auto dialog = Previewed(f, kTwoRows, {2});
        dialog->show();
        f.dialogs.answers << (replace ? MsgResult::OK : MsgResult::Cancel);
        dialog->Command确定导入_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("文件") + f.saved(QStringLiteral("一班.txt")) +
                                                QStringLiteral(" 已经存在，覆盖？")});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
        QCOMPARE(f.dialogs.messages[0].buttons, MsgButtons::OKCancel);
        QCOMPARE(f.folder.read(QStringLiteral("文本[姓名]文件/一班.txt")), bytes);
        QCOMPARE(f.added, replace ? QStringList{"一班.txt"} : QStringList{});
        QCOMPARE(dialog->isVisible(), !replace);
    }

    void failedWriteIsReportedAndNotListed() {
        DialogFixture f;
        auto dialog = std::make_unique<Import>(f.dialogs, f.book({{"S", QList<QStringList>{kHeader} + kTwoRows}}),
                                               f.files(QStringLiteral("missing/")));
        QVERIFY(dialog->Form_Load());
        Tick(*dialog, {2});
        dialog->Command更新结果_Click();
        dialog->show();
        dialog->Command确定导入_Click();
        const QString start = QStringLiteral("无法写入文件：") + f.folder.file(QStringLiteral("missing/一班.txt")) +
                              QStringLiteral("\r\n");
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.startsWith(start));
        QVERIFY(f.dialogs.messages[0].text.size() > start.size()); // the reason follows
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QVERIFY(f.added.isEmpty());
        QVERIFY(dialog->isVisible());
    }

    void unsafeNamesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("up and out") << "../../x";
        QTest::newRow("folder") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dots") << "..";
        QTest::newRow("blank") << "  ";
    }
    void unsafeNamesAreRefused() {
        QFETCH(QString, name);
        DialogFixture f;
        const auto dialog = Previewed(f, kTwoRows, {2});
        dialog->Text导入后的文件名->setText(name);
        dialog->Command确定导入_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("文件名不合法：") + name});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QVERIFY(f.added.isEmpty());
        QVERIFY(!QFile::exists(f.files().folder + name + QStringLiteral(".txt")));
        QCOMPARE(QDir(f.folder.file(QStringLiteral("文本[姓名]文件"))).entryList(QDir::Files), QStringList{});
    }

    void cancelClosesWithoutSaving() {
        DialogFixture f;
        const auto dialog = Previewed(f, kTwoRows, {2});
        dialog->show();
        QTest::mouseClick(dialog->Command取消, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.added.isEmpty());
        QVERIFY(!QFile::exists(f.saved(QStringLiteral("一班.txt"))));
    }

    void importFromTheMainWindow() {
        Fixture f;
        QTemporaryDir outside;
        const QString path = outside.filePath(QStringLiteral("一班.xlsx"));
        QVERIFY(WriteXlsx(path, {{"S", QList<QStringList>{kHeader} + kTwoRows}}));
        f.form->Option抽取方式_Click(1);
        f.dialogs.fileAnswers << path;
        bool mainHidden = false;
        WhenModal<Import>([&](Import& dialog) {
            mainHidden = !f.form->isVisible();
            QCOMPARE(dialog.Label文件路径->text(), path);
            Tick(dialog, {2});
            dialog.Command更新结果_Click();
            dialog.Command确定导入_Click();
        });
        f.form->Command增加文件_Click();
        QVERIFY(mainHidden);
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.form->ExcelImportPath, path);
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("一班.txt"));
        QCOMPARE(f.form->candidates().texts(), (QStringList{"张三", "李四"}));
    }

    void importOverTheSelectedFileAsksForAReset() {
        Fixture f;
        f.useNameFile(QStringLiteral("一班.txt"), "甲\r\n");
        QTemporaryDir outside;
        const QString path = outside.filePath(QStringLiteral("一班.xls"));
        QVERIFY(WriteXlsx(path, {{"S", QList<QStringList>{kHeader} + kTwoRows}}));
        f.dialogs.fileAnswers << path;
        f.dialogs.answers << MsgResult::OK; // replace
        WhenModal<Import>([](Import& dialog) {
            Tick(dialog, {2});
            dialog.Command更新结果_Click();
            dialog.Command确定导入_Click();
        });
        f.form->Command增加文件_Click();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QCOMPARE(f.dialogs.messages[1].text, QStringLiteral("导入完成后，请在主窗口中按一次【重置候选列表】！"));
        QCOMPARE(f.dialogs.messages[1].icon, MsgIcon::Information);
        QCOMPARE(f.form->Combo选择姓名文件->count(), 1);
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("一班.txt"));
        QCOMPARE(f.form->candidates().texts(), (QStringList{"张三", "李四"}));
    }

    void unreadableWorkbookIsReported_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // the start of the reason, in Chinese
        QTest::newRow("text named .xls") << QByteArray("not a workbook\n") << "这不是Excel工作簿（.xlsx、.xls）文件";
        QTest::newRow("empty") << QByteArray() << "这不是Excel工作簿（.xlsx、.xls）文件";
        QTest::newRow("damaged") << QByteArray("PK\x03\x04 broken") << "工作簿已损坏，或其格式不受支持（";
        // Read by the .xls reader's own process, which hands back the library's reason.
        QTest::newRow("damaged .xls") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8).leftJustified(600, '\0')
                                      << "工作簿已损坏，或其格式不受支持（FreeXL error";
    }
    void unreadableWorkbookIsReported() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Fixture f;
        QTemporaryDir outside;
        const QString path = outside.filePath(QStringLiteral("坏.XLS"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        f.form->Option抽取方式_Click(1);
        f.dialogs.fileAnswers << path;
        f.form->Command增加文件_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages[0].text.startsWith(QStringLiteral("无法读取Excel工作簿：") + path +
                                                       QStringLiteral("\r\n") + reason),
                 qPrintable(f.dialogs.messages[0].text));
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QVERIFY(f.form->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(f.form->Combo选择姓名文件->count(), 0);

        Import dialog(f.dialogs, path, {});
        QVERIFY(!dialog.Form_Load());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.Combo选择工作表->count(), 0);
    }
};

QTEST_MAIN(TestExcelImport)
#include "tst_excelimport.moc"
