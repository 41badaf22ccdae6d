#include "Form1Fixture.h"

#include "platform/office/DocxWriter.h"
#include "platform/office/ZipArchive.h"
#include "platform/richtext/Rtf.h"
#include "ui/BatchPanel.h"
#include "ui/QuestionPanel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

using core::MsgResult;
using platform::DocxCell;
using platform::DocxRun;
using platform::DocxTable;

namespace {

DocxTable& HeaderRow(platform::DocxWriter& w) {
    return w.addTable().addRow({DocxCell::text("题号"), DocxCell::text("题目"), DocxCell::text("答案"),
                                DocxCell::text("解析"), DocxCell::text("分值"), DocxCell::text("限时(秒)")});
}

void Save(const platform::DocxWriter& w, Fixture& f, const QString& name) {
    QString error;
    QVERIFY2(w.save(f.folder.file(QStringLiteral("题目文件/") + name), &error), qPrintable(error));
}

QString PlainOf(const QByteArray& rtf) {
    QTextDocument doc;
    platform::ReadRtf(rtf, &doc);
    return doc.toPlainText();
}

} // namespace

class TestQuestionBank : public QObject {
    Q_OBJECT
private slots:
    void importReadsEveryRow() {
        Fixture f;
        platform::DocxWriter w;
        w.addParagraph("说明文字在表格之前");
        HeaderRow(w)
            .addRow({DocxCell::text("1"), DocxCell::runs({{.text = "中国的首都"}, {.text = "是哪里", .bold = true}}),
                     DocxCell::text("北京"), DocxCell::text("解析一"), DocxCell::text("5"), DocxCell::text("12")})
            .addRow({DocxCell::text("12").addParagraph({{.text = "第二段"}}), DocxCell::text("题二"),
                     DocxCell::text("答二"), DocxCell::text(""), DocxCell::text("2.5"), DocxCell::text("0")})
            .addRow({DocxCell::text(""), DocxCell::text("没有题号"), DocxCell::text(""), DocxCell::text(""),
                     DocxCell::text("3.5"), DocxCell::text("abc")})
            .addRow({DocxCell::text("1"), DocxCell::text("重复的题号")});
        w.addParagraph("表格之后");
        w.addTable()
            .addRow({DocxCell::text("x"), DocxCell::text("y")})
            .addRow({DocxCell::text("9"), DocxCell::text("z")});
        Save(w, f, QStringLiteral("bank.docx"));

        QGuiApplication::clipboard()->setText(QStringLiteral("the user's clipboard"));
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("bank.docx"), true));
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's clipboard"));
        QCOMPARE(f.form->candidates().texts(), (QStringList{"1", "12", "1"}));

        const QList<core::QuestionItem>& q = f.form->Questions.Questions;
        QCOMPARE(q.size(), 4);
        QCOMPARE(q[0].Score, qint16(5));
        QCOMPARE(q[0].TimeLimit, qint16(12));
        QCOMPARE(PlainOf(q[0].Question), QStringLiteral("中国的首都是哪里"));
        QCOMPARE(PlainOf(q[0].Answer), QStringLiteral("北京"));
        QCOMPARE(q[1].Number, QStringLiteral("12"));
        QCOMPARE(q[1].Score, qint16(2)); // halves to even
        QCOMPARE(q[2].Number, QString());
        QCOMPARE(q[2].Score, qint16(4));
        QCOMPARE(q[2].TimeLimit, qint16(0));
        QCOMPARE(q[3].Answer, QByteArray()); // a short row leaves the rest empty
        // A repeated number always finds the first row.
        QCOMPARE(PlainOf(f.form->Questions.LookUpQuestion(QStringLiteral("1"))->Question),
                 QStringLiteral("中国的首都是哪里"));
        QVERIFY(!f.form->findChild<QWidget*>(QStringLiteral("Form状态提示"))->isVisible());
    }

    void drawingAQuestionShowsIt() {
        Fixture f;
        platform::DocxWriter w;
        HeaderRow(w).addRow({DocxCell::text("7"), DocxCell::runs({{.text = "粗体题目", .bold = true}}),
                             DocxCell::text("答案"), DocxCell::text("解析"), DocxCell::text("5"),
                             DocxCell::text("30")});
        Save(w, f, QStringLiteral("one.docx"));
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("one.docx"), true));
        QCOMPARE(f.draw(), QStringLiteral("7"));

        ui::QuestionPanel* panel = f.form->Frame抽题后的答案解析等公布;
        QCOMPARE(panel->Text题目信息[0]->text(), QStringLiteral("7"));
        QCOMPARE(panel->Text题目信息[1]->text(), QStringLiteral("5"));
        QCOMPARE(panel->Text题目信息[2]->text(), QStringLiteral("30"));
        QCOMPARE(panel->Command题目分数处理[0]->text(), QStringLiteral("+5"));
        QTextEdit* question = panel->RichTextBox题目信息[2];
        QVERIFY(question->isVisibleTo(f.form.get()));
        QCOMPARE(question->toPlainText(), QStringLiteral("粗体题目"));
        QCOMPARE(question->document()->begin().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(panel->Timer答题计时->isActive());
        QVERIFY(!panel->Frame正确答案及解析->isVisibleTo(f.form.get()));

        f.form->menu_公布答案->trigger();
        QVERIFY(panel->Frame正确答案及解析->isVisibleTo(f.form.get()));
        QCOMPARE(panel->RichTextBox题目信息[0]->toPlainText(), QStringLiteral("答案"));
        QVERIFY(!panel->Timer答题计时->isActive());

        // Start clears the question boxes and stops the countdown.
        QTest::mouseClick(f.form->Command开始, Qt::LeftButton);
        QVERIFY(panel->Text题目信息[1]->text().isEmpty());
        QVERIFY(!question->isVisibleTo(f.form.get()));
        QCOMPARE(panel->Label答题剩余时间->text(), QStringLiteral("-1"));
    }

    void switchOrResetClearsThePublishedQuestion_data() {
        QTest::addColumn<int>("switchTo"); // -1: reset in the question mode
        QTest::newRow("to numbers") << 0;
        QTest::newRow("to names") << 1;
        QTest::newRow("reset") << -1;
    }
    void switchOrResetClearsThePublishedQuestion() {
        QFETCH(int, switchTo);
        Fixture f;
        platform::DocxWriter w;
        HeaderRow(w).addRow({DocxCell::text("7"), DocxCell::text("题目"), DocxCell::text("答案"),
                             DocxCell::text("解析"), DocxCell::text("5"), DocxCell::text("30")});
        Save(w, f, QStringLiteral("one.docx"));
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("one.docx"), true));
        f.draw();
        f.form->menu_公布答案->trigger();
        if (switchTo < 0)
            f.form->CommandReset_Click();
        else
            f.form->Option抽取方式_Click(switchTo);

        ui::QuestionPanel* panel = f.form->Frame抽题后的答案解析等公布;
        for (QTextEdit* box : panel->RichTextBox题目信息)
            QVERIFY(box->toPlainText().isEmpty());
        QVERIFY(!panel->RichTextBox题目信息[2]->isVisibleTo(f.form.get()));
        QVERIFY(!panel->Frame正确答案及解析->isVisibleTo(f.form.get()));
        QVERIFY(!panel->Timer答题计时->isActive());
        if (switchTo < 0) return;
        QVERIFY(!panel->isVisibleTo(f.form.get()));
        QVERIFY(f.form->Frame批量抽取->isVisibleTo(f.form.get()));
        // Publishing outside the question mode shows no answer area over the lists.
        f.form->menu_公布答案->trigger();
        QVERIFY(!panel->Frame正确答案及解析->isVisibleTo(f.form.get()));
    }

    void numberMissingFromTheBank() {
        Fixture f;
        platform::DocxWriter w;
        HeaderRow(w).addRow({DocxCell::text("1"), DocxCell::text("q")});
        Save(w, f, QStringLiteral("b.docx"));
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("b.docx"), true));
        f.form->Questions.Questions.clear();
        f.draw();
        QCOMPARE(f.dialogs.texts(), QStringList{"没找到：1"});
        QCOMPARE(f.dialogs.messages[0].icon, core::MsgIcon::Critical);
    }

    void twoColumnsOnly() {
        Fixture f;
        platform::DocxWriter w;
        w.addTable()
            .addRow({DocxCell::text("题号"), DocxCell::text("题目")})
            .addRow({DocxCell::text("3"), DocxCell::text("q")});
        Save(w, f, QStringLiteral("two.docx"));
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("two.docx"), true));
        QCOMPARE(f.form->candidates().texts(), QStringList{"3"});
        const core::QuestionItem& q = f.form->Questions.Questions[0];
        QCOMPARE(PlainOf(q.Question), QStringLiteral("q"));
        QVERIFY(q.Answer.isEmpty() && q.Analysis.isEmpty());
        QCOMPARE(q.Score, qint16(0));
        QCOMPARE(q.TimeLimit, qint16(0));
    }

    void unusableBanks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        auto docx = [](const std::function<void(platform::DocxWriter&)>& fill) {
            platform::DocxWriter w;
            fill(w);
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("x.docx"));
            w.save(path);
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        };
        QTest::newRow("header only") << docx([](platform::DocxWriter& w) { HeaderRow(w); }) << "表格至少要有两行！";
        QTest::newRow("one column") << docx([](platform::DocxWriter& w) {
            w.addTable().addRow({DocxCell::text("题号")}).addRow({DocxCell::text("1")});
        }) << "表格至少要有两列！至少要有题号及题目！";
        QTest::newRow("no table") << docx([](platform::DocxWriter& w) { w.addParagraph("只有文字"); })
                                  << "该文件没有任何设置题目的表格！";
        QTest::newRow("not a zip") << QByteArray("garbage \x01\x02\x03 not a package")
                                   << "该文件没有任何设置题目的表格！";
        QTest::newRow("zip without the document")
            << QByteArray::fromHex("504b0506000000000000000000000000000000000000") << "该文件没有任何设置题目的表格！";
    }
    void unusableBanks() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        Fixture f;
        f.folder.write(QStringLiteral("题目文件/bad.docx"), bytes);
        f.form->Option抽取方式_Click(2);
        f.dialogs.answers << MsgResult::OK << MsgResult::No;
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("bad.docx"), true));
        QCOMPARE(f.dialogs.texts(), (QStringList{problem, "你要打开这个文件编辑吗？"}));
        QCOMPARE(f.dialogs.messages[0].icon, core::MsgIcon::Critical);
        QCOMPARE(f.dialogs.messages[1].buttons, core::MsgButtons::YesNo);
        QVERIFY(f.form->candidates().isEmpty());
    }

    // A bank nested 200,000 levels deep once took the run down with it; now it is refused and the draws stay.
    void bankPastBoundsKeepsTheRun() {
        Fixture f;
        f.useNameFile(QStringLiteral("班.txt"), "张三\r\n李四\r\n");
        const QString drawn = f.draw();
        QCOMPARE(f.state.History.count(), 1);
        const QString deep = QString("<w:sdt>").repeated(200000) + QString("</w:sdt>").repeated(200000);
        QVERIFY(platform::ZipArchive::write(
            f.folder.file(QStringLiteral("题目文件/deep.docx")),
            {{"word/document.xml",
              ("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" + deep +
               "</w:body></w:document>")
                  .toUtf8()}}));
        f.form->Option抽取方式_Click(2);
        f.dialogs.answers << MsgResult::OK << MsgResult::No;
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("deep.docx"), true));
        QCOMPARE(f.dialogs.texts(),
                 (QStringList{"文件超出了程序能读取的范围：元素嵌套超过256层。", "你要打开这个文件编辑吗？"}));
        QCOMPARE(f.dialogs.messages[0].icon, core::MsgIcon::Critical);
        QVERIFY(f.form->candidates().isEmpty());
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.state.History.count(), 1);
        QVERIFY(f.state.History.last().Result.contains(drawn));

        // Kept as the selection, the bank is refused again at the next start, which goes on.
        f.dialogs.answers << MsgResult::OK << MsgResult::No;
        f.restart();
        QVERIFY(f.dialogs.texts().contains("文件超出了程序能读取的范围：元素嵌套超过256层。"));
        QVERIFY(f.form->isVisible());
    }

    void questionNumbersOnly() {
        Fixture f;
        platform::DocxWriter w;
        HeaderRow(w)
            .addRow({DocxCell::text("A1"), DocxCell::text("q")})
            .addRow({DocxCell::text(""), DocxCell::text("q")});
        Save(w, f, QStringLiteral("n.docx"));
        QCOMPARE(f.form->ReadQuestionNumbers(f.folder.file(QStringLiteral("题目文件/n.docx"))), QStringLiteral("A1"));
        QVERIFY(f.form->Questions.Questions.isEmpty());
    }

    // A legacy .doc bank goes through LibreOffice (here a stand-in on PATH that takes half a second and logs each
    // run): once per version of the file, with the window painting and the status pop-up over it meanwhile.
    void legacyBankIsConvertedOncePerVersion() {
        Fixture f;
        QTemporaryDir outside;
        platform::DocxWriter w;
        HeaderRow(w).addRow({DocxCell::text("1"), DocxCell::text("q")});
        QVERIFY(w.save(outside.filePath(QStringLiteral("converted.docx"))));
        QVERIFY(QDir(outside.path()).mkpath(QStringLiteral("bin")));
        QFile script(outside.filePath(QStringLiteral("bin/soffice")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "echo run >> '" +
                     QFile::encodeName(outside.filePath(QStringLiteral("log"))) +
                     "'\n"
                     "while [ $# -gt 1 ]; do [ \"$1\" = --outdir ] && out=$2; shift; done\n"
                     "sleep 0.5\n"
                     "cp '" +
                     QFile::encodeName(outside.filePath(QStringLiteral("converted.docx"))) +
                     "' \"$out/$(basename \"$1\" .doc).docx\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(outside.filePath(QStringLiteral("bin"))) + ":/usr/bin:/bin");
        const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
        auto runs = [&outside] {
            QFile log(outside.filePath(QStringLiteral("log")));
            return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
        };

        f.folder.write(QStringLiteral("题目文件/旧题库.doc"), "legacy");
        auto* popup = f.form->findChild<QWidget*>(QStringLiteral("Form状态提示"));
        QString seen;
        QPoint seenCentre;
        QPoint windowCentre;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (popup->isVisible() && seen.isEmpty()) {
                seen = popup->findChild<QLabel*>()->text();
                seenCentre = popup->frameGeometry().center();
                windowCentre = f.form->frameGeometry().center();
            }
        });
        watch.start(50);
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("旧题库.doc"), true));
        QCOMPARE(f.form->candidates().texts(), QStringList{"1"});
        QCOMPARE(runs(), 1);
        QCOMPARE(seen, QStringLiteral("正在打开题库文件......"));
        QVERIFY2((seenCentre - windowCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("pop-up centred at %1,%2, window at %3,%4")
                                .arg(seenCentre.x())
                                .arg(seenCentre.y())
                                .arg(windowCentre.x())
                                .arg(windowCentre.y())));
        QVERIFY(!popup->isVisible());

        // Resetting and starting read the kept copy.
        f.form->CommandReset_Click();
        f.draw();
        QCOMPARE(runs(), 1);
        // A changed file is converted again.
        f.folder.write(QStringLiteral("题目文件/旧题库.doc"), "legacy, edited");
        f.form->CommandReset_Click();
        QCOMPARE(runs(), 2);
        QCOMPARE(f.form->candidates().texts(), QStringList{"1"});
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void shippedTemplateIsABank() {
        Fixture f;
        f.form->Option抽取方式_Click(2);
        f.dialogs.inputAnswers << QStringLiteral("期中");
        f.dialogs.answers << MsgResult::Cancel;
        f.form->Command新建文件_Click();
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("期中.docx"));
        QCOMPARE(f.form->candidates().count(), 2);
    }
};

QTEST_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
