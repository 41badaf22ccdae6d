#include "core/TextFiles.h"
#include "ui/Form1.h"
#include "ui/WindowHelpers.h"

#include "Form1Fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using core::MsgIcon;
using core::MsgResult;

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void numbersStartAndConfirm() {
        Fixture f;
        f.form->Option抽取方式_Click(0);
        QCOMPARE(f.form->candidates().count(), 60);
        f.form->Check自动排除->setChecked(true);

        QTest::mouseClick(f.form->Command开始, Qt::LeftButton);
        QVERIFY(!f.form->Command开始->isEnabled());
        QVERIFY(f.form->Command确定->isEnabled());
        QVERIFY(!f.form->DrawStopped);
        QVERIFY(f.form->TimerCreating->isActive());
        QTest::qWait(120); // a few 40 ms ticks
        QTest::mouseClick(f.form->Command确定, Qt::LeftButton);

        const QString result = f.form->Label结果2->text();
        QVERIFY(result.toInt() >= 1 && result.toInt() <= 60);
        QCOMPARE(result, f.state.CurrentDrawText);
        QVERIFY(f.form->Label结果2->isVisibleTo(f.form.get()));
        QVERIFY(!f.form->Label结果->isVisibleTo(f.form.get()));
        QVERIFY(f.form->DrawStopped);
        QVERIFY(f.form->Command开始->isEnabled());
        QCOMPARE(f.form->TextSet[3]->text(), result);
        QCOMPARE(f.form->candidates().count(), 59);
        QCOMPARE(f.form->candidates().indexOf(result), -1);
        QCOMPARE(f.state.History.count(), 1);
        QCOMPARE(f.state.History.last().Mode, QStringLiteral("抽数字     "));

        // A second draw joins the excluded numbers with one blank.
        const QString second = f.draw();
        QCOMPARE(f.form->TextSet[3]->text(), result + u' ' + second);
    }

    void startOnEmptyListWarns() {
        Fixture f;
        f.form->Option抽取方式_Click(1); // names mode, no file chosen
        QVERIFY(f.form->candidates().isEmpty());
        QTest::mouseClick(f.form->Command开始, Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text,
                 QStringLiteral("候选列表现在是空的！请先选定一个项目？作好相关设置？或重置候选列表？清除已抽名单？"));
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
        QVERIFY(f.form->Command开始->isEnabled());
        QVERIFY(f.form->DrawStopped);
    }

    void nameFileWithBlankLines() {
        Fixture f;
        f.useNameFile(QStringLiteral("一班.txt"), "\r\n张三\r\n\r\n李四\r\n  \r\n王五\r\n\r\n");
        QCOMPARE(f.form->candidates().texts(), (QStringList{"张三", "李四", "  ", "王五"}));
        QCOMPARE(f.form->NameFilePath, f.folder.file(QStringLiteral("文本[姓名]文件/一班.txt")));
    }

    // The list and the display show a very long name cut, so they paint quickly; the draw and its record keep it whole.
    void longNameIsCutOnlyInTheList() {
        Fixture f;
        const QString name(100'000, u'张');
        f.useNameFile(QStringLiteral("长.txt"), name.toUtf8() + "\r\n");
        const QString shown = f.form->List抽我->model()->index(0, 0).data().toString();
        QCOMPARE(shown, name.left(core::CandidateList::kShownLength) + QChar(0x2026));
        QCOMPARE(f.draw(), name);
        QCOMPARE(f.form->Label结果->text(), shown); // the display lays out no more than a screen shows
        QCOMPARE(f.form->Label结果2->text(), shown);
        QCOMPARE(f.state.CurrentDrawText, name);
        QCOMPARE(f.state.History.last().Result, name);
        f.form->SaveDrawHistory();
        const QStringList files = f.historyFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(core::ReadTextFile(f.folder.file(QStringLiteral("历史记录/")) + files[0])
                    .contains(u' ' + name + QStringLiteral("\r\n")));
    }

    // The block list would take minutes to lay out a line of megabytes: a drawn text that long stays out of it,
    // with a message, and still leaves the candidates.
    void longNameStaysOutOfTheBlockList() {
        Fixture f;
        const QString name(20'000, u'A');
        f.useNameFile(QStringLiteral("长.txt"), name.toUtf8() + "\r\n短名\r\n");
        f.form->Check自动排除已抽2->setChecked(true);
        while (f.form->candidates().indexOf(name) >= 0)
            f.draw();
        QCOMPARE(f.form->candidates().count() + f.state.History.count(), 2);
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText().split(u'\n').contains(name), false);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("抽中的内容超过10000个字符，太长，不能加入屏蔽列表。"));
        QCOMPARE(f.state.History.last().Result, name);
        QVERIFY(!f.state.History.last().AddedExclusion);
    }

    void drawnNamesGoRedIntoTheBlockList() {
        Fixture f;
        f.useNameFile(QStringLiteral("names.txt"), "Tom\r\nAnn\r\ntom\r\nBob\r\n");
        f.form->Check自动排除已抽2->setChecked(true);
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("Tommy"));
        f.form->CommandReset_Click();
        QCOMPARE(f.form->candidates().count(), 4);

        QStringList drawn;
        for (int i = 0; i < 4; ++i)
            drawn << f.draw();
        QVERIFY(f.form->candidates().isEmpty());
        QCOMPARE(f.state.History.count(), 4);

        // Each result on its own line, in red; "Tom" though "Tommy" is there already.
        const QTextDocument* doc = f.form->RichTextBox屏蔽列表->document();
        QStringList lines = f.form->RichTextBox屏蔽列表->toPlainText().split(u'\n');
        QCOMPARE(lines.takeFirst(), QStringLiteral("Tommy"));
        QCOMPARE(lines.size(), 4);
        for (int i = 1; i < doc->blockCount(); ++i) {
            const QTextBlock b = doc->findBlockByNumber(i);
            QCOMPARE(b.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
        }
        // A reset keeps the blocked names out, case ignored.
        f.form->CommandReset_Click();
        QVERIFY(f.form->candidates().isEmpty());
    }

    void blockListFilterIgnoresCaseOnlyInFileModes() {
        Fixture f;
        f.useNameFile(QStringLiteral("names.txt"), "Tom\r\nTOM\r\nAnn\r\nTom\r\n");
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("tom"));
        f.form->Check自动排除已抽2->setChecked(true);
        f.form->CommandReset_Click();
        QCOMPARE(f.form->candidates().texts(), QStringList{"Ann"});
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("5"));
        f.form->Option抽取方式_Click(0);
        QCOMPARE(f.form->candidates().indexOf(QStringLiteral("5")), 4); // never applied to numbers
    }

    void confirmRemovesOnlyTheFirstEqualEntry() {
        Fixture f;
        f.useNameFile(QStringLiteral("dup.txt"), "A\r\nA\r\n");
        f.form->Check自动排除已抽2->setChecked(true);
        QCOMPARE(f.draw(), QStringLiteral("A"));
        QCOMPARE(f.form->candidates().texts(), QStringList{"A"});
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), QStringLiteral("A"));
    }

    void undo() {
        Fixture f;
        f.form->menu_撤消->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{"本次抽取还没有记录可以被撤消。"});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);

        f.useNameFile(QStringLiteral("abcdefghijklmn.txt"), "Ann\r\nBob\r\n");
        f.form->Check自动排除已抽2->setChecked(true);
        const QString result = f.draw();
        QCOMPARE(f.form->candidates().count(), 1);

        // Cancel (the default) keeps everything.
        f.dialogs.messages.clear();
        f.form->menu_撤消->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        const core::Message& ask = f.dialogs.messages[0];
        QCOMPARE(ask.text, QStringLiteral("真的要撤消") + core::GeneralDateTime(f.state.History.last().Time) +
                               QStringLiteral("抽取的 ") + result + QStringLiteral(" 吗？"));
        QCOMPARE(ask.icon, MsgIcon::Exclamation);
        QCOMPARE(ask.defaultButton, std::optional(MsgResult::Cancel));
        QCOMPARE(f.state.History.count(), 1);

        // OK gives the result back to the list and takes it out of the block list.
        f.dialogs.answers.enqueue(MsgResult::OK);
        f.form->menu_撤消->trigger();
        QCOMPARE(f.state.History.count(), 0);
        QCOMPARE(f.form->candidates().count(), 2);
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), QString());
        QCOMPARE(f.form->Label结果->text(), QStringLiteral("----"));
        QVERIFY(f.form->Label结果->isVisible());
        QVERIFY(!f.form->Label结果2->isVisible());
    }

    // The block list is set after the file's reset, so its lines do not leave the list.
    void undoTakesBackOnlyItsOwnBlockLine_data() {
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QString>("blockBefore");
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("undos");
        QTest::addColumn<QString>("blockAfter");
        QTest::addColumn<bool>("backAfterReset"); // a reset lists every name of the file again
        QTest::newRow("its own red line") << QByteArray("Ann\r\n") << "Tommy" << 1 << 1 << "Tommy" << true;
        QTest::newRow("line that was there before") << QByteArray("Ann\r\n") << "Ann" << 1 << 1 << "Ann" << false;
        QTest::newRow("first line of the list") << QByteArray("Ann\r\n") << "" << 1 << 1 << "" << true;
        QTest::newRow("second copy added nothing") << QByteArray("A\r\nA\r\n") << "" << 2 << 1 << "A" << false;
        QTest::newRow("both copies undone") << QByteArray("A\r\nA\r\n") << "B" << 2 << 2 << "B" << true;
        QTest::newRow("name with blanks") << QByteArray("Ann \r\n") << "Tommy" << 1 << 1 << "Tommy" << true;
    }
    void undoTakesBackOnlyItsOwnBlockLine() {
        QFETCH(QByteArray, names);
        QFETCH(QString, blockBefore);
        QFETCH(int, draws);
        QFETCH(int, undos);
        QFETCH(QString, blockAfter);
        QFETCH(bool, backAfterReset);
        Fixture f;
        f.useNameFile(QStringLiteral("names.txt"), names);
        f.form->Check自动排除已抽2->setChecked(true);
        // Set after the file's reset, so that its lines do not take names out of the list yet.
        f.form->RichTextBox屏蔽列表->setPlainText(blockBefore);
        const QStringList all = f.form->candidates().texts();
        for (int i = 0; i < draws; ++i)
            f.draw();
        for (int i = 0; i < undos; ++i) {
            f.dialogs.answers.enqueue(MsgResult::OK);
            f.form->menu_撤消->trigger();
        }
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), blockAfter);
        QCOMPARE(f.form->Label结果->text(), QStringLiteral("----"));
        f.form->CommandReset_Click();
        QCOMPARE(f.form->candidates().texts() == all, backAfterReset);
    }

    // X stands for the drawn number; "clear" empties the box after the draw, else the text is typed.
    void undoTakesBackOnlyItsOwnExcludedNumber_data() {
        QTest::addColumn<bool>("autoExclude");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typedAfter");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("backAfterReset");
        QTest::newRow("empty box") << true << "" << "" << "" << true;
        QTest::newRow("after earlier numbers") << true << "70 80" << "" << "70 80" << true;
        QTest::newRow("numbers typed since") << true << "70" << " 90" << "70 90" << true;
        QTest::newRow("typed again by the user") << true << "" << " X" << "X" << false;
        QTest::newRow("box cleared since") << true << "70" << "clear" << "" << true;
        QTest::newRow("no automatic exclusion") << false << "70" << "" << "70" << true;
    }
    void undoTakesBackOnlyItsOwnExcludedNumber() {
        QFETCH(bool, autoExclude);
        QFETCH(QString, before);
        QFETCH(QString, typedAfter);
        QFETCH(QString, after);
        QFETCH(bool, backAfterReset);
        Fixture f;
        f.form->Option抽取方式_Click(0);
        f.form->Check自动排除->setChecked(autoExclude);
        f.form->TextSet[3]->setText(before);
        const QString result = f.draw();
        if (typedAfter == QStringLiteral("clear"))
            f.form->Command清除排除数字_Click();
        else
            QTest::keyClicks(f.form->TextSet[3], QString(typedAfter).replace(u'X', result));
        f.dialogs.answers.enqueue(MsgResult::OK);
        f.form->menu_撤消->trigger();
        QCOMPARE(f.state.History.count(), 0);
        QCOMPARE(f.form->TextSet[3]->text(), QString(after).replace(u'X', result));
        QVERIFY(f.form->candidates().indexOf(result) >= 0);
        f.form->CommandReset_Click();
        QCOMPARE(f.form->candidates().indexOf(result) >= 0, backAfterReset);
    }

    void undoOnlyForTheCurrentSource() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/other.txt"), "X\r\n");
        f.useNameFile(QStringLiteral("names.txt"), "Ann\r\n");
        f.draw();
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("other.txt"), false));
        f.dialogs.messages.clear();
        f.form->menu_撤消->trigger();
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(f.state.History.count(), 1);
    }

    void undoAddsResultOnlyWhenMissing() {
        Fixture f;
        f.useNameFile(QStringLiteral("names.txt"), "Ann\r\n");
        f.draw(); // no exclusion: Ann stays in the list
        f.dialogs.answers.enqueue(MsgResult::OK);
        f.form->menu_撤消->trigger();
        QCOMPARE(f.form->candidates().texts(), QStringList{"Ann"});
    }

    void closingWhileRollingWritesTheHistory() {
        Fixture f;
        f.form->Option抽取方式_Click(0);
        f.draw();
        QTest::mouseClick(f.form->Command开始, Qt::LeftButton);
        QVERIFY(!f.form->DrawStopped);
        f.form->show();
        f.form->close();
        QVERIFY(f.form->DrawStopped);
        QVERIFY(!f.form->TimerCreating->isActive());
        QVERIFY(f.ended);
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.historyFiles().size(), 1);
        QCOMPARE(f.state.History.count(), 0);
        QCOMPARE(f.form->Label结果->text(), QStringLiteral("正在退出..."));
    }

    void deleteHistoryWhenExit() {
        Fixture f({}, false);
        f.folder.write(QStringLiteral("GeneralSet.dat"), "DeleteHistoryWhenExit=True\r\n");
        f.load();
        f.form->Option抽取方式_Click(0);
        f.draw();
        f.form->CommandExit_Click();
        QVERIFY(f.historyFiles().isEmpty());
        QVERIFY(QDir(f.folder.file(QStringLiteral("历史记录"))).exists());
    }

    void failedHistorySaveIsReported() {
        Fixture f;
        QDir(f.folder.file(QStringLiteral("历史记录"))).removeRecursively();
        f.folder.write(QStringLiteral("历史记录"), "not a folder");
        f.form->Option抽取方式_Click(0);
        f.draw();
        f.form->menu_打印历史记录->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.startsWith(QStringLiteral("保存抽取历史记录失败：")));
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(f.state.History.count(), 1); // kept for the next try
    }

    void printMenuWritesHistoryOnce() {
        Fixture f;
        f.form->Option抽取方式_Click(0);
        for (int i = 0; i < 3; ++i)
            f.draw();
        f.form->menu_打印历史记录->trigger();
        QCOMPARE(f.historyFiles().size(), 1);
        const QStringList lines = QString::fromUtf8(f.folder.read(QStringLiteral("历史记录/") + f.historyFiles()[0]))
                                      .split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5); // three records, the empty last line, and what follows its CR LF
        QVERIFY(lines[0].startsWith(QStringLiteral("01 ")));
        QVERIFY(lines[2].startsWith(QStringLiteral("03 ")));
        QCOMPARE(lines[3], QString());
        f.form->menu_打印历史记录->trigger();
        QCOMPARE(f.historyFiles().size(), 1);
    }

    void clearHistory_data() {
        QTest::addColumn<bool>("keepPending");
        QTest::newRow("answer No keeps the pending records") << true;
        QTest::newRow("answer Yes forgets them") << false;
    }
    void clearHistory() {
        QFETCH(bool, keepPending);
        Fixture f;
        f.folder.write(QStringLiteral("历史记录/old.txt"), "x");
        f.form->Option抽取方式_Click(0);
        f.draw();
        f.dialogs.answers << MsgResult::OK << (keepPending ? MsgResult::No : MsgResult::Yes);
        f.form->menu_清除历史记录->trigger();
        QCOMPARE(f.dialogs.texts(), (QStringList{"即将删掉所有抽取历史记录，并且不能恢复。确定吗？",
                                                 "要清除本次运行后,所有未保存的抽取记录吗?(在内存里的)"}));
        QCOMPARE(f.dialogs.messages[0].defaultButton, std::optional(MsgResult::Cancel));
        QVERIFY(f.historyFiles().isEmpty());
        QCOMPARE(f.state.History.count(), keepPending ? 1 : 0);
        f.form->SaveDrawHistory();
        QCOMPARE(f.historyFiles().size(), keepPending ? 1 : 0);
    }

    // A data folder that is a link to a folder elsewhere loses the link, never the files it points to.
    void clearingALinkedFolderKeepsItsTarget_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("清除历史记录") << "历史记录";
        QTest::newRow("清除高级抽取记录文本文件") << "aqr";
        QTest::newRow("删除文件 with its pictures") << "图片列表/一班";
    }
    void clearingALinkedFolderKeepsItsTarget() {
        QFETCH(QString, folder);
        QTemporaryDir outside;
        const QString kept = outside.filePath(QStringLiteral("kept.txt"));
        QVERIFY(core::WriteTextFile(QStringLiteral("kept"), kept));
        QFile::setPermissions(kept, QFile::ReadOwner);
        const QFile::Permissions mode = QFile::permissions(kept);
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/一班.txt"), "甲\r\n");
        QDir(f.folder.file(folder)).removeRecursively();
        QDir().mkpath(QFileInfo(f.folder.file(folder)).path());
        QVERIFY(QFile::link(outside.path(), f.folder.file(folder)));
        f.dialogs.answers << MsgResult::OK << MsgResult::OK;
        if (folder == QStringLiteral("历史记录")) {
            f.form->menu_清除历史记录_Click();
        } else if (folder == QStringLiteral("aqr")) {
            f.form->menu_清除高级抽取记录文本文件_Click();
        } else {
            f.form->Option抽取方式_Click(1);
            QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("一班.txt"), true));
            f.dialogs.answers.prepend(MsgResult::Yes);
            f.form->Command删除文件_Click();
        }
        QCOMPARE(f.dialogs.messages.size(), 1 + (folder == QStringLiteral("图片列表/一班")));
        QVERIFY(!QFileInfo(f.folder.file(folder)).isSymLink());
        QCOMPARE(core::ReadTextFile(kept), QStringLiteral("kept"));
        QCOMPARE(QFile::permissions(kept), mode);
    }

    void fullFoldersAreOffered_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("asked");
        QTest::newRow("19999 files") << 19999 << false;
        QTest::newRow("20000 files") << 20000 << true;
    }
    void fullFoldersAreOffered() {
        QFETCH(int, files);
        QFETCH(bool, asked);
        Fixture f({}, false);
        const QString dir = f.folder.file(QStringLiteral("历史记录/"));
        for (int i = 0; i < files; ++i)
            QFile(dir + QString::number(i)).open(QIODevice::WriteOnly);
        f.dialogs.answers << MsgResult::Cancel;
        f.load();
        QCOMPARE(f.dialogs.messages.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(f.dialogs.messages[0].text,
                     QStringLiteral("抽取历史记录中的文件数已达到20000个，现在要清除这些记录吗？建议清除以方便管理！"));
    }

    void commandLinePlacesTheWindow_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        const QRect s = QGuiApplication::primaryScreen()->geometry();
        QTest::newRow("within the screen") << "1500 1200" << 100 << 80;
        QTest::newRow("near the right edge") << "30000 300" << (s.width() * 15 - 800) / 15 << 20;
        QTest::newRow("text counts as 0") << "abc" << 0 << 0;
    }
    void commandLinePlacesTheWindow() {
        QFETCH(QString, commandLine);
        QFETCH(int, left);
        QFETCH(int, top);
        // Checked before the first view is set (the advanced view would maximise the window).
        Fixture f({}, false);
        ui::Form1 form(f.state, f.dialogs, f.rng);
        QVERIFY(form.Form_Load(commandLine));
        QCOMPARE(form.pos(), QPoint(left, top));
    }

    // Numbers far outside the screen (or beyond an int) still leave the window on the screen.
    void farCommandLinePositionsStayOnTheScreen_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("far above and left") << "-99999999999 -99999999999";
        QTest::newRow("far below and right") << "99999999999 99999999999";
        QTest::newRow("beyond double") << "-1e400 1e400";
        QTest::newRow("just left") << "-20000 100";
    }
    void farCommandLinePositionsStayOnTheScreen() {
        QFETCH(QString, commandLine);
        Fixture f({}, false);
        ui::Form1 form(f.state, f.dialogs, f.rng);
        QVERIFY(form.Form_Load(commandLine));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(form.x() + form.width() >= 800 / 15);
        QVERIFY(form.x() <= screen.width() - 800 / 15);
        QVERIFY(form.y() >= 0);
        QVERIFY(form.y() <= screen.height() - 600 / 15);
    }

    void unknownOptionIsReported() {
        Fixture f({}, false);
        f.folder.write(QStringLiteral("GeneralSet.dat"),
                       "RandomWaitingList=True\r\n\r\nAutoSetFontSize\r\nColour=3\r\n");
        f.load();
        QCOMPARE(f.dialogs.texts(), QStringList{"Colour=3无法识别！"});
        QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("读取选项设置错误！"));
        QVERIFY(f.state.Options.RandomWaitingList);
    }

    void windowShowsAfterLoad() {
        Fixture f({}, false);
        ui::Form1 form(f.state, f.dialogs, f.rng);
        QVERIFY(form.Form_Load(QString()));
        QVERIFY(!form.isVisible());
        QTRY_VERIFY(form.isVisible());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
