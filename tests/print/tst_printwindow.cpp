#include "core/HistoryRecord.h"
#include "core/MainSettings.h"
#include "core/TextFiles.h"
#include "print/Form打印抽取结果.h"
#include "print/Printers.h"
#include "ui/BatchPanel.h"
#include "ui/WindowHelpers.h"

#include "DocxParagraphs.h"
#include "Form1Fixture.h"
#include "PdfText.h"
#include "XlsxFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

namespace {

// Printers that print into a PDF file.
class PdfPrinters : public print::Printers {
public:
    QStringList list;
    QString pdf;
    QStringList names() const override { return list; }
    void choose(QPrinter& printer) const override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    }
};

const QString kNoPrinter = QStringLiteral("没有打印机可用！\r\n没安装打印机？打印机没连接？打印机有卡纸等错误？");
const QString kEmpty = QStringLiteral("没有内容可打印呢。请注意相关设置！");
const QString kWait = QStringLiteral("接下来，在生成打印文档的过程中可能要花费1至3分钟，请稍候...\r\n"
                                     "请留意打印机的动向及相关提示....\r\n请按[确定]");
const QString kConfirmPrint = QStringLiteral("文档已经准备好，请再次确认打印机已经准备好？\r\n"
                                             "打印机已经准备好，按[确定]；要取消打印按[取消]。");

// The main window with its print window wired as the program wires it.
struct PrintFixture {
    Fixture f;
    PdfPrinters printers;
    std::unique_ptr<print::Form打印抽取结果> window;
    QStringList opened;
    bool opens = true; // whether the document's program takes it

    explicit PrintFixture(QStringList printerNames = {QStringLiteral("办公室打印机"), QStringLiteral("PDF")}) {
        printers.list = std::move(printerNames);
        printers.pdf = f.folder.file(QStringLiteral("printed.pdf"));
        f.form->setPrintWindowOpener([this](int source) {
            if (!window) {
                window = std::make_unique<print::Form打印抽取结果>(
                    f.state, f.dialogs, printers, [this] { return f.form->Frame批量抽取->Text高级结果->toPlainText(); },
                    f.form.get());
                window->setDocumentOpener([this](const QString& path) {
                    opened << path;
                    return opens;
                });
                window->setProgramExit([this] { f.form->CommandExit_Click(); });
            }
            window->Open(source);
        });
    }
    // Opens the print window from the history menu.
    void open() {
        f.form->menu_打印历史记录->trigger();
        QVERIFY(window);
    }
    QString view() const { return window->RichTextBox打印内容显示->toPlainText(); }
    QString document() const { return f.folder.file(QStringLiteral("zkpprint_temp.docx")); }
    QStringList status() const { return {window->StatusBar状态提示[0]->text(), window->StatusBar状态提示[1]->text()}; }

    // The experts' workbook of a review committee, chosen in the print window.
    QString experts() const { return f.folder.file(QStringLiteral("专家库.xlsx")); }
    void chooseExperts() {
        QVERIFY(WriteXlsx(experts(), {{"说明", {{"本簿为专家库"}}},
                                      {"专家",
                                       {{"专家编号", "姓名", "单位", "电话"},
                                        {"1001", "张三", "一中", "111"},
                                        {"1002", "李四", "二中", "222"},
                                        {"1003", "王五", "三中", "333"},
                                        {"1004", "赵六", "四中", "444"},
                                        {"1005", "钱七", "五中", "555"},
                                        {"1006", "孙八", "六中", "666"}}}}));
        window->Option输出选项[1]->click();
        f.dialogs.fileAnswers << experts();
        QTest::mouseClick(window->Command选择数据库, Qt::LeftButton);
    }
    void chooseSheet(int index) {
        window->Combo选择工作表->setCurrentIndex(index);
        emit window->Combo选择工作表->activated(index);
    }
    void pickFields(const QStringList& fields) {
        for (const QString& field : fields) {
            window->List可选项目->setCurrentItem(window->List可选项目->findItems(field, Qt::MatchExactly).value(0));
            QTest::mouseClick(window->Command添加项目, Qt::LeftButton);
        }
    }
    // The experts' sheet linked by 专家编号, printing the fields given.
    void linkExperts(const QStringList& fields) {
        chooseExperts();
        chooseSheet(1);
        window->Combo抽取结果匹配数据库字段->setCurrentIndex(0);
        pickFields(fields);
    }
    QStringList picked() const {
        QStringList out;
        for (int i = 0; i < window->List已选项目->count(); ++i)
            out << window->List已选项目->item(i)->text();
        return out;
    }
    // A history file of five drawn expert numbers, as the run writes it.
    QStringList writeDrawnExperts() {
        const QStringList drawn{"1003", "1001", "1005", "1002", "1004"};
        QStringList lines;
        for (int i = 0; i < drawn.size(); ++i)
            lines << QStringLiteral("0%1 2026/12/10 9:05:0%1 ").arg(i + 1) +
                         core::FixedWidth(QStringLiteral("抽数字"), 8) + u' ' +
                         core::FixedWidth(QStringLiteral("专家库"), 12) + u' ' + drawn[i];
        f.folder.write(QStringLiteral("历史记录/2026_12_10_09时05分10秒.txt"), (lines.join("\r\n") + "\r\n").toUtf8());
        return drawn;
    }
};

} // namespace

class TestPrintWindow : public QObject {
    Q_OBJECT

private slots:
    void historyMenuOpensTheLatestRecords() {
        PrintFixture p;
        p.f.folder.write(QStringLiteral("历史记录/2020_01_01_08时00分00秒.txt"), "01 old\r\n");
        p.f.form->Option抽取方式_Click(0);
        const QString first = p.f.draw();
        p.f.draw();
        p.open();
        QVERIFY(!p.f.form->isVisible());
        QVERIFY(p.window->isVisible());
        QCOMPARE(p.window->windowTitle(), QStringLiteral("打印抽取结果"));
        QVERIFY(p.window->Option内容选择[1]->isChecked());
        QVERIFY(p.window->Frame历史记录文件->isVisible());
        QVERIFY(!p.window->Command浏览外部文件->isVisible());
        QCOMPARE(p.window->Combo选择历史记录文件->count(), 2);
        QCOMPARE(p.window->Combo选择历史记录文件->currentIndex(), 1); // the file just written
        const QStringList lines = p.view().split(u'\n');
        QCOMPARE(lines.size(), 3); // two records and the empty last line
        QVERIFY(lines[0].startsWith(QStringLiteral("01 ")));
        QVERIFY(lines[0].endsWith(u' ' + first));
        QVERIFY(p.f.dialogs.messages.isEmpty());

        p.window->Combo选择历史记录文件->setCurrentIndex(0);
        emit p.window->Combo选择历史记录文件->activated(0);
        QCOMPARE(p.view(), QStringLiteral("01 old"));

        QTest::mouseClick(p.window->Command退出, Qt::LeftButton);
        QVERIFY(!p.window->isVisible());
        QVERIFY(p.f.form->isVisible());
    }

    void closingShowsTheMainWindowNormalAndActive_data() {
        QTest::addColumn<bool>("minimisedBefore");
        QTest::newRow("minimised by the record viewer before") << true;
        QTest::newRow("never minimised") << false;
    }
    void closingShowsTheMainWindowNormalAndActive() {
        QFETCH(bool, minimisedBefore);
        PrintFixture p;
        if (minimisedBefore) p.f.form->showMinimized();
        p.open();
        QTest::mouseClick(p.window->Command退出, Qt::LeftButton);
        QVERIFY(p.f.form->isVisible());
        QVERIFY(!(p.f.form->windowState() & Qt::WindowMinimized));
        QVERIFY(QTest::qWaitForWindowActive(p.f.form.get()));
    }

    void batchPrintCommandOpensTheHistorySource() {
        PrintFixture p;
        p.f.form->Frame批量抽取->Command打印批量抽取结果_Click();
        QVERIFY(p.window && p.window->isVisible());
        QVERIFY(p.window->Option内容选择[1]->isChecked());
        QVERIFY(p.view().isEmpty()); // no draw, no history file
    }

    void recordSources_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("view");
        QTest::newRow("batch results") << 0 << "1 2 3";
        QTest::newRow("history file") << 1 << "01 记录";
        QTest::newRow("external file") << 2 << "";
    }
    void recordSources() {
        QFETCH(int, source);
        QFETCH(QString, view);
        PrintFixture p;
        p.f.folder.write(QStringLiteral("历史记录/a.txt"), "01 记录\r\n");
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("1 2 3"));
        p.open();
        p.window->Option内容选择[source]->click();
        QCOMPARE(p.view(), view);
        QCOMPARE(p.window->Frame历史记录文件->isVisible(), source == 1);
        QCOMPARE(p.window->Command浏览外部文件->isVisible(), source == 2);
    }

    void eachShowingStartsAfresh() {
        PrintFixture p;
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("批量"));
        p.open();
        p.window->Option内容选择[0]->click();
        p.window->close();
        p.open();
        QVERIFY(p.window->Option内容选择[1]->isChecked());
        QVERIFY(p.view().isEmpty());
    }

    void externalFile_data() {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("a file chosen") << true;
        QTest::newRow("dialog cancelled") << false;
    }
    void externalFile() {
        QFETCH(bool, chosen);
        PrintFixture p;
        const QString file = p.f.folder.file(QStringLiteral("外部.txt"));
        p.f.folder.write(QStringLiteral("外部.txt"), "甲\r\n乙\r\n");
        p.open();
        p.window->Option内容选择[2]->click();
        p.window->RichTextBox打印内容显示->setPlainText(QStringLiteral("stale"));
        if (chosen) p.f.dialogs.fileAnswers << file;
        QTest::mouseClick(p.window->Command浏览外部文件, Qt::LeftButton);
        QCOMPARE(p.view(), chosen ? QStringLiteral("甲\n乙") : QString());
        if (!chosen) return;
        p.f.dialogs.answers << MsgResult::OK << MsgResult::No;
        p.window->Commandtest_Click();
        QCOMPARE(DocxParagraphs(p.document(), "word/document.xml")[3],
                 QStringLiteral("left|b12|数据来源：其它外部文件-") + file);
    }

    void printers_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("label");
        QTest::newRow("two printers") << QStringList{"办公室打印机", "PDF"} << "可用打印机：\n办公室打印机\nPDF";
        QTest::newRow("no printer") << QStringList{} << "可用打印机:无";
    }
    void printers() {
        QFETCH(QStringList, names);
        QFETCH(QString, label);
        PrintFixture p(names);
        p.open();
        QCOMPARE(p.window->Label可用打印机->text(), label);
        QCOMPARE(p.window->PrinterListText, names.join(QStringLiteral("\r\n")));
        QCOMPARE(p.window->Command预览并打印->isEnabled(), !names.isEmpty());
        QCOMPARE(p.f.dialogs.texts(), names.isEmpty() ? QStringList{kNoPrinter} : QStringList{});
        if (names.isEmpty()) QCOMPARE(p.f.dialogs.messages[0].icon, MsgIcon::Critical);
        const QRect screen = ui::ScreenRect();
        QCOMPARE(p.window->pos(),
                 QPoint((screen.width() - p.window->width()) / 2, (screen.height() - p.window->height()) / 2));
        QVERIFY(p.window->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void noPrinterStillPreviews() {
        PrintFixture p(QStringList{});
        p.f.folder.write(QStringLiteral("历史记录/a.txt"), "01 记录\r\n");
        p.open();
        p.f.dialogs.messages.clear();
        p.f.dialogs.answers << MsgResult::OK << MsgResult::No;
        p.window->Commandtest_Click();
        QCOMPARE(p.f.dialogs.texts().size(), 2);
        QVERIFY(QFile::exists(p.document()));
    }

    void emptyViewStopsFirst() {
        PrintFixture p;
        p.open();
        QTest::mouseClick(p.window->Command预览并打印, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts(), QStringList{kEmpty});
        QCOMPARE(p.f.dialogs.messages[0].icon, MsgIcon::Exclamation);
        QVERIFY(!QFile::exists(p.document()));
    }

    void previewSavesAndOffersToOpen_data() {
        QTest::addColumn<bool>("open");
        QTest::newRow("open it") << true;
        QTest::newRow("leave it") << false;
    }
    void previewSavesAndOffersToOpen() {
        QFETCH(bool, open);
        PrintFixture p;
        p.f.folder.write(QStringLiteral("历史记录/2026_12_10_09时05分07秒.txt"), "01 记录\r\n");
        p.open();
        p.f.dialogs.answers << MsgResult::OK << (open ? MsgResult::Yes : MsgResult::No);
        QTest::mouseClick(p.window->Commandtest, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts(), (QStringList{kWait, QStringLiteral("文件已经保存到了") + p.document() +
                                                              QStringLiteral("\r\n要打开吗？")}));
        QCOMPARE(p.f.dialogs.messages[0].icon, MsgIcon::Information);
        QCOMPARE(p.f.dialogs.messages[1].buttons, MsgButtons::YesNo);
        const QStringList paragraphs = DocxParagraphs(p.document(), "word/document.xml");
        QCOMPARE(paragraphs[3], QStringLiteral("left|b12|数据来源：抽取记录 2026_12_10_09时05分07秒.txt"));
        QCOMPARE(paragraphs[5], QStringLiteral("left|12|01 记录"));
        QVERIFY(!QFile::exists(p.printers.pdf));
        QCOMPARE(p.opened, open ? QStringList{p.document()} : QStringList{});
        const QRect screen = ui::ScreenRect();
        if (open) QCOMPARE(p.window->y(), screen.height() - 1100 / ui::kTwipsPerPixel);
        QCOMPARE(p.status(), (QStringList{QStringLiteral("处理完毕！"), QString()}));
    }

    void aDocumentNoProgramOpensIsNamed() {
        PrintFixture p;
        p.opens = false;
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("1 2 3"));
        p.open();
        p.window->Option内容选择[0]->click();
        p.f.dialogs.answers << MsgResult::OK << MsgResult::Yes;
        QTest::mouseClick(p.window->Commandtest, Qt::LeftButton);
        QCOMPARE(p.opened, QStringList{p.document()});
        QCOMPARE(p.f.dialogs.texts().size(), 3);
        QCOMPARE(p.f.dialogs.texts()[2], QStringLiteral("没能用系统关联的程序打开：\r\n") + p.document() +
                                             QStringLiteral("\r\n可能没有安装能打开它的程序，请手动打开它。"));
        QCOMPARE(p.f.dialogs.messages[2].icon, MsgIcon::Exclamation);
        // No document is shown, so the window stays whole on the screen.
        QVERIFY(p.window->frameGeometry().bottom() <= ui::ScreenRect().bottom());
    }

    void printAsksOnceMore_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<bool>("printed");
        QTest::newRow("printer ready") << MsgResult::OK << true;
        QTest::newRow("print cancelled") << MsgResult::Cancel << false;
    }
    void printAsksOnceMore() {
        QFETCH(MsgResult, answer);
        QFETCH(bool, printed);
        PrintFixture p;
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("1 2 3"));
        p.open();
        p.window->Option内容选择[0]->click();
        p.f.dialogs.answers << MsgResult::OK << answer << MsgResult::No;
        QTest::mouseClick(p.window->Command预览并打印, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts().size(), 3);
        const core::Message confirm = p.f.dialogs.messages[1];
        QCOMPARE(confirm.text, kConfirmPrint);
        QCOMPARE(confirm.buttons, MsgButtons::OKCancel);
        QCOMPARE(confirm.defaultButton, std::optional(MsgResult::Cancel));
        QVERIFY(p.f.dialogs.texts()[2].startsWith(QStringLiteral("文件已经保存到了")));
        QCOMPARE(QFile(p.printers.pdf).size() > 0, printed);
        QCOMPARE(DocxParagraphs(p.document(), "word/document.xml")[3],
                 QStringLiteral("left|b12|数据来源：批量抽取结果(即时)"));
    }

    void failedPrintIsToldAndTheDocumentKept() {
        PrintFixture p;
        p.printers.pdf = p.f.folder.file(QStringLiteral("no such folder/printed.pdf"));
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("1 2 3"));
        p.open();
        p.window->Option内容选择[0]->click();
        p.f.dialogs.answers << MsgResult::OK << MsgResult::OK << MsgResult::OK << MsgResult::No;
        p.window->Command预览并打印_Click();
        const QStringList texts = p.f.dialogs.texts();
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts[2], QStringLiteral("打印失败：打印机“%1”无法开始打印。").arg(p.printers.pdf));
        QCOMPARE(p.f.dialogs.messages[2].icon, MsgIcon::Critical);
        QVERIFY(texts[3].startsWith(QStringLiteral("文件已经保存到了")));
    }

    void documentThatCannotBeSavedIsTold() {
        PrintFixture p;
        QDir().mkpath(p.document()); // a folder stands where the document goes
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("1 2 3"));
        p.open();
        p.window->Option内容选择[0]->click();
        p.window->Command预览并打印_Click();
        const QStringList texts = p.f.dialogs.texts();
        QCOMPARE(texts.size(), 2); // no print confirmation, no offer to open
        QCOMPARE(texts[1],
                 QStringLiteral("无法保存文档：") + p.document() + QStringLiteral("\r\n这是一个文件夹，不是文件"));
        QCOMPARE(p.f.dialogs.messages[1].icon, MsgIcon::Critical);
        QCOMPARE(p.status(), (QStringList{QStringLiteral("处理完毕！"), QString()}));
    }

    void outputControls() {
        PrintFixture p;
        p.open();
        const auto* w = p.window.get();
        QCOMPARE(w->Frame输出选项->title(), QStringLiteral("输出选项"));
        QCOMPARE(w->Option输出选项[0]->text(), QStringLiteral("仅输出简单记录文本"));
        QCOMPARE(w->Option输出选项[1]->text(), QStringLiteral("链接输出Excel工作表中的资料"));
        QCOMPARE(w->Frame保留系统项目->title(), QStringLiteral("保留抽取时产生的："));
        QCOMPARE(w->Check保留项目[0]->text(), QStringLiteral("抽取序号"));
        QCOMPARE(w->Check保留项目[1]->text(), QStringLiteral("抽取时间"));
        QCOMPARE(w->Frame链接至数据库->title(), QStringLiteral("链接至数据库"));
        QCOMPARE(w->Check表格第一行加灰色底->text(), QStringLiteral("项目行设灰色底"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("(表格第一行)"));
        QCOMPARE(w->Command编辑打印模板->text(), QStringLiteral("编辑打印模板"));
        // The window fits the smallest screen the program runs on.
        QVERIFY2(w->frameGeometry().width() <= 1024 && w->frameGeometry().height() <= 768,
                 qPrintable(QStringLiteral("%1x%2").arg(w->frameGeometry().width()).arg(w->frameGeometry().height())));

        QVERIFY(w->Option输出选项[0]->isChecked());
        QVERIFY(!w->Frame保留系统项目->isVisible());
        QVERIFY(!w->Frame链接至数据库->isVisible());
        p.window->Option输出选项[1]->click();
        QVERIFY(w->Frame保留系统项目->isVisible());
        QVERIFY(w->Frame链接至数据库->isVisible());
        p.window->Option输出选项[0]->click();
        QVERIFY(!w->Frame保留系统项目->isVisible());
        QVERIFY(!w->Frame链接至数据库->isVisible());
    }

    // Batch results give the simple document only; the other sources may link again.
    void sourceDecidesTheLinkedOption() {
        PrintFixture p;
        p.open();
        p.window->Option输出选项[1]->click();
        p.window->Option内容选择[0]->click();
        QVERIFY(p.window->Option输出选项[0]->isChecked());
        QVERIFY(!p.window->Option输出选项[1]->isEnabled());
        QVERIFY(!p.window->Frame链接至数据库->isVisible());
        for (int source : {1, 2}) {
            p.window->Option内容选择[source]->click();
            QVERIFY(p.window->Option输出选项[1]->isEnabled());
        }
    }

    void workbookLink() {
        PrintFixture p;
        p.open();
        p.chooseExperts();
        QCOMPARE(p.window->Text数据库路径->text(), p.experts());
        QCOMPARE(p.window->Combo选择工作表->count(), 2);
        QCOMPARE(p.window->Combo选择工作表->currentText(), QStringLiteral("说明"));
        p.chooseSheet(1);
        QStringList fields;
        for (int i = 0; i < p.window->Combo抽取结果匹配数据库字段->count(); ++i)
            fields << p.window->Combo抽取结果匹配数据库字段->itemText(i);
        QCOMPARE(fields, (QStringList{"专家编号", "姓名", "单位", "电话"}));
        QCOMPARE(p.window->List可选项目->count(), 4);
        p.pickFields({"电话", "姓名", "电话"}); // in the order picked, each once
        QCOMPARE(p.picked(), (QStringList{"电话", "姓名"}));
        p.window->List已选项目->setCurrentRow(0);
        QTest::mouseClick(p.window->Command移除项目, Qt::LeftButton);
        QCOMPARE(p.picked(), QStringList{"姓名"});
        QVERIFY(p.f.dialogs.messages.isEmpty());

        p.f.folder.write(QStringLiteral("坏.xlsx"), "not a workbook");
        p.f.dialogs.fileAnswers << p.f.folder.file(QStringLiteral("坏.xlsx"));
        QTest::mouseClick(p.window->Command选择数据库, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts(), QStringList{QStringLiteral("所指定的数据库(EXCEL)文件无效：") +
                                                  p.f.folder.file(QStringLiteral("坏.xlsx"))});
        QCOMPARE(p.f.dialogs.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(p.window->Combo选择工作表->count(), 0);
        QCOMPARE(p.window->List可选项目->count(), 0);
    }

    void linkChecksInOrder_data() {
        QTest::addColumn<int>("step"); // 0 no workbook, 1 a sheet, 2 and its match field
        QTest::addColumn<QString>("text");
        QTest::newRow("no workbook") << 0 << "所指定的数据库(EXCEL)文件无效：";
        QTest::newRow("no match field") << 1 << "未指定抽取结果匹配的数据库项目！";
        QTest::newRow("no field picked") << 2 << "未指定“已选取项目！”";
    }
    void linkChecksInOrder() {
        QFETCH(int, step);
        QFETCH(QString, text);
        PrintFixture p;
        p.f.folder.write(QStringLiteral("历史记录/a.txt"), "01 1001\r\n");
        p.open();
        p.window->Option输出选项[1]->click();
        if (step > 0) {
            p.chooseExperts();
            p.chooseSheet(1);
        }
        if (step > 1) p.window->Combo抽取结果匹配数据库字段->setCurrentIndex(0);
        p.f.dialogs.messages.clear();
        p.window->Commandtest_Click();
        QCOMPARE(p.f.dialogs.texts(), QStringList{text});
        QCOMPARE(p.f.dialogs.messages[0].icon, MsgIcon::Critical);
        QVERIFY(!QFile::exists(p.document()));
    }

    // A committee secretary prints the drawn experts with their names, units and telephones.
    void reviewCommitteePrintsItsExperts() {
        PrintFixture p;
        p.f.state.ReviewProjectName = QStringLiteral("2026年职称评审");
        p.f.state.ReviewTime = QStringLiteral("12月10日上午");
        p.f.state.ReviewPlace = QStringLiteral("三楼会议室");
        const QStringList drawn = p.writeDrawnExperts();
        p.open();
        p.linkExperts({"姓名", "单位", "电话"});
        p.window->Check保留项目[0]->setChecked(true);
        p.window->Check表格第一行加灰色底->setChecked(true);
        p.f.dialogs.messages.clear();
        p.f.dialogs.answers << MsgResult::OK << MsgResult::No;
        QTest::mouseClick(p.window->Commandtest, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts().size(), 2);
        QVERIFY(p.f.dialogs.texts()[1].startsWith(QStringLiteral("文件已经保存到了")));
        QCOMPARE(p.status(), (QStringList{QStringLiteral("处理完毕！"), QString()}));

        const QStringList paragraphs = DocxParagraphs(p.document(), "word/document.xml");
        QCOMPARE(paragraphs[0], QStringLiteral("center|b16|2026年职称评审"));
        QVERIFY(paragraphs.contains(QStringLiteral("left|12|评审时间：12月10日上午")));
        QVERIFY(paragraphs.contains(QStringLiteral("left|12|评审地点：三楼会议室")));
        const qsizetype head = paragraphs.indexOf(QStringLiteral("left|b12|抽取序号"));
        QVERIFY(head > 0);
        QCOMPARE(paragraphs.mid(head, 4),
                 (QStringList{"left|b12|抽取序号", "left|b12|姓名", "left|b12|单位", "left|b12|电话"}));
        const QMap<QString, QStringList> experts = {{"1001", {"张三", "一中", "111"}},
                                                    {"1002", {"李四", "二中", "222"}},
                                                    {"1003", {"王五", "三中", "333"}},
                                                    {"1004", {"赵六", "四中", "444"}},
                                                    {"1005", {"钱七", "五中", "555"}}};
        for (int i = 0; i < 5; ++i) {
            QStringList row{QStringLiteral("0%1").arg(i + 1)};
            row += experts[drawn[i]];
            for (QString& cell : row)
                cell.prepend(QStringLiteral("left|12|"));
            QCOMPARE(paragraphs.mid(head + 4 + 4 * i, 4), row);
        }
        const QByteArray xml = platform::ZipArchive::open(p.document())->read("word/document.xml").value_or("");
        QCOMPARE(xml.count("<w:tr>"), 6);
        QCOMPARE(xml.count("D9D9D9"), 4);

        // Closing and opening again restores every choice.
        p.window->close();
        p.open();
        QVERIFY(p.window->Option输出选项[1]->isChecked());
        QVERIFY(p.window->Frame链接至数据库->isVisible());
        QCOMPARE(p.window->Text数据库路径->text(), p.experts());
        QCOMPARE(p.window->Combo选择工作表->currentText(), QStringLiteral("专家"));
        QCOMPARE(p.window->Combo抽取结果匹配数据库字段->currentText(), QStringLiteral("专家编号"));
        QCOMPARE(p.picked(), (QStringList{"姓名", "单位", "电话"}));
        QVERIFY(p.window->Check保留项目[0]->isChecked());
        QVERIFY(!p.window->Check保留项目[1]->isChecked());
        QVERIFY(p.window->Check表格第一行加灰色底->isChecked());
    }

    void unmatchedResultsAreCounted() {
        PrintFixture p;
        p.f.folder.write(QStringLiteral("历史记录/a.txt"), "1001\r\n9998\r\n9999\r\n");
        p.open();
        p.linkExperts({"专家编号", "姓名"});
        p.f.dialogs.answers << MsgResult::OK << MsgResult::No;
        p.window->Commandtest_Click();
        QCOMPARE(p.status(),
                 (QStringList{QStringLiteral("处理完毕！"), QStringLiteral("有2个抽取结果在工作表中没有找到")}));
        const QStringList paragraphs = DocxParagraphs(p.document(), "word/document.xml");
        const qsizetype first = paragraphs.indexOf(QStringLiteral("left|12|9998"));
        QVERIFY(first > 0);
        QCOMPARE(paragraphs[first + 1], QStringLiteral("left|12|"));
    }

    // The linked document is printed after the same confirmation, as it was saved.
    void linkedDocumentPrints() {
        if (!HavePdfTools()) QSKIP("poppler-utils are not installed");
        PrintFixture p;
        p.f.state.ReviewProjectName = QStringLiteral("2026年职称评审");
        p.writeDrawnExperts();
        p.open();
        p.linkExperts({"姓名", "电话"});
        p.f.dialogs.messages.clear();
        p.f.dialogs.answers << MsgResult::OK << MsgResult::OK << MsgResult::No;
        QTest::mouseClick(p.window->Command预览并打印, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts()[1], kConfirmPrint);
        const QStringList pages = PdfPageTexts(p.printers.pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(QStringLiteral("2026年职称评审")));
        static const QRegularExpression row(QStringLiteral("钱七\\s+555"));
        QVERIFY2(pages[0].contains(row), qPrintable(pages[0]));
    }

    // A workbook that has moved restores nothing of the link, without a word.
    void movedWorkbookRestoresNothingOfTheLink() {
        PrintFixture p;
        p.open();
        p.linkExperts({"姓名"});
        p.window->Check保留项目[1]->setChecked(true);
        p.window->close();
        QVERIFY(QFile::rename(p.experts(), p.f.folder.file(QStringLiteral("搬走.xlsx"))));
        p.f.dialogs.messages.clear();
        p.open();
        QVERIFY(p.f.dialogs.messages.isEmpty());
        QVERIFY(p.window->Option输出选项[1]->isChecked());
        QVERIFY(p.window->Check保留项目[1]->isChecked());
        QVERIFY(p.window->Text数据库路径->text().isEmpty());
        QCOMPARE(p.window->Combo选择工作表->count(), 0);
        QCOMPARE(p.window->Combo抽取结果匹配数据库字段->count(), 0);
        QCOMPARE(p.window->List已选项目->count(), 0);
    }

    void editTemplate_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::newRow("OK") << MsgResult::OK;
        QTest::newRow("Cancel") << MsgResult::Cancel;
    }
    void editTemplate() {
        QFETCH(MsgResult, answer);
        PrintFixture p;
        p.f.form->Option抽取方式_Click(0);
        p.open();
        p.f.draw(); // drawn while the print window is up: only the exit routine writes it
        const QStringList before = p.f.historyFiles();
        p.window->Option输出选项[1]->click();
        p.f.dialogs.messages.clear();
        p.f.dialogs.answers << answer;
        QTest::mouseClick(p.window->Command编辑打印模板, Qt::LeftButton);
        QCOMPARE(p.f.dialogs.texts(),
                 QStringList{QStringLiteral("编辑好后，保存并关掉文件，再重新运行抽取器，进入此打印程序。")});
        const core::Message warning = p.f.dialogs.messages[0];
        QCOMPARE(warning.icon, MsgIcon::Exclamation);
        QCOMPARE(warning.buttons, MsgButtons::OKCancel);
        QCOMPARE(warning.defaultButton, std::optional(MsgResult::Cancel));
        const bool ok = answer == MsgResult::OK;
        QCOMPARE(p.opened, ok ? QStringList{p.f.folder.file(QStringLiteral("PrintMB.docx"))} : QStringList{});
        QCOMPARE(p.f.ended, ok);
        QCOMPARE(p.f.historyFiles().size(), before.size() + (ok ? 1 : 0));
        QCOMPARE(QFile::exists(p.f.folder.file(QLatin1String(core::MainSettings::kFileName))), ok);
        QCOMPARE(core::ReadTextFile(p.f.folder.file(QStringLiteral("PrintSet.dat"))).contains("OutputOption=1"), ok);
    }

    // The print job is named after the document it prints.
    void printJobIsNamed() {
        if (!HavePdfTools()) QSKIP("poppler-utils are not installed");
        PrintFixture p;
        p.f.form->Frame批量抽取->Text高级结果->setPlainText(QStringLiteral("1 2 3"));
        p.open();
        p.window->Option内容选择[0]->click();
        p.f.dialogs.answers << MsgResult::OK << MsgResult::OK << MsgResult::No;
        p.window->Command预览并打印_Click();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {p.printers.pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("zkpprint_temp.docx")));
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
