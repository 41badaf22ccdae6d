#include "print/Form打印抽取结果.h"
#include "print/Printers.h"
#include "ui/BatchPanel.h"
#include "ui/WindowHelpers.h"

#include "DocxParagraphs.h"
#include "Form1Fixture.h"

#include <QAction>
#include <QFile>
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

    explicit PrintFixture(QStringList printerNames = {QStringLiteral("办公室打印机"), QStringLiteral("PDF")}) {
        printers.list = std::move(printerNames);
        printers.pdf = f.folder.file(QStringLiteral("printed.pdf"));
        f.form->setPrintWindowOpener([this](int source) {
            if (!window) {
                window = std::make_unique<print::Form打印抽取结果>(
                    f.state, f.dialogs, printers, [this] { return f.form->Frame批量抽取->Text高级结果->toPlainText(); },
                    f.form.get());
                window->setDocumentOpener([this](const QString& path) { opened << path; });
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
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
