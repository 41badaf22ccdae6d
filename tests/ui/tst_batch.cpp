#include "Form1Fixture.h"
#include "ui/BatchPanel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

using core::MsgIcon;
using core::MsgResult;

namespace {

// The result text with its times replaced, lines as the saved file has them.
QString Shape(const ui::BatchPanel* p) {
    QString t = p->Text高级结果->toPlainText();
    t.replace(QRegularExpression(QStringLiteral("\\d{4}/\\d+/\\d+ \\d+:\\d\\d:\\d\\d")), QStringLiteral("T"));
    return t;
}

struct BatchFixture : Fixture {
    ui::BatchPanel* batch;
    BatchFixture() : batch(form->Frame批量抽取) {
        form->Option抽取方式_Click(0);
        batch->Option时间间隔[4]->setChecked(true); // instant: nothing rolls, no waiting
    }
    void instantBatch(const QString& n, int perRow) {
        batch->Text要出多少个号码->setText(n);
        batch->Text每行放多少个号码->setText(QString::number(perRow));
        batch->Command开始批量抽取_Click();
    }
};

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
private slots:
    void rows_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("perRow");
        QTest::addColumn<QString>("shape");
        QTest::newRow("5 by 3") << "5" << 3 << "开始:T\n  x  x  x\n  x  x\n\n结束:T\n";
        QTest::newRow("3 by 3") << "3" << 3 << "开始:T\n  x  x  x\n\n结束:T\n";
        QTest::newRow("2 by 1") << "2" << 1 << "开始:T\n  x\n  x\n\n结束:T\n";
        // 2.4 draws two; the last-row test reads 2.4, so the row stays open before the end line.
        QTest::newRow("2.4 by 3") << "2.4" << 3 << "开始:T\n  x  x\n结束:T\n";
    }
    void rows() {
        QFETCH(QString, count);
        QFETCH(int, perRow);
        QFETCH(QString, shape);
        const int n = qRound(count.toDouble());
        BatchFixture f;
        f.form->TextSet[1]->setText(QStringLiteral("9")); // one-digit results
        f.form->TextSet_Change(1, false);
        f.form->CommandReset_Click();
        f.instantBatch(count, perRow);
        QString got = Shape(f.batch);
        got.replace(QRegularExpression(QStringLiteral("\\d")), QStringLiteral("x"));
        QCOMPARE(got, shape);
        QCOMPARE(f.state.History.count(), n);
        QCOMPARE(f.batch->Label批量进度提示->text(), QStringLiteral("%1/").arg(n) + count);
        QCOMPARE(f.batch->ProgressBar批量抽取进度->value(), int(n / count.toDouble() * 100)); // 100 for whole counts
        QVERIFY(f.batch->Label批量本此剩余时间->text().isEmpty());
        QVERIFY(f.form->Command开始->isVisibleTo(f.form.get()));
        QVERIFY(f.batch->Command开始批量抽取->isEnabled());
    }

    void refusals_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("perRow");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "abc"
                                 << "3"
                                 << "必须设置一个大于等于1的整数！";
        QTest::newRow("per row 0") << "3"
                                   << "0"
                                   << "必须设置一个大于等于1的整数！";
        QTest::newRow("too few candidates") << "61"
                                            << "3"
                                            << "候选列表中数量已经不足61！\r\n清除被屏蔽了的名单？重置候选列表？";
        // Counts restored from a file may lie beyond an int: they count as its bounds.
        QTest::newRow("count beyond an int")
            << "99999999999"
            << "3"
            << "候选列表中数量已经不足2147483647！\r\n清除被屏蔽了的名单？重置候选列表？";
        QTest::newRow("per row below an int") << "3"
                                              << "-99999999999"
                                              << "必须设置一个大于等于1的整数！";
    }
    void refusals() {
        QFETCH(QString, count);
        QFETCH(QString, perRow);
        QFETCH(QString, message);
        BatchFixture f;
        f.batch->Text要出多少个号码->setText(count);
        f.batch->Text每行放多少个号码->setText(perRow);
        f.batch->Command开始批量抽取_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{message});
        QCOMPARE(f.batch->Text高级结果->toPlainText(), QStringLiteral("空白"));
    }

    void earlierResultsAreKeptInAHistoryFile() {
        BatchFixture f;
        f.draw();
        f.instantBatch(QStringLiteral("2"), 2);
        QCOMPARE(f.historyFiles().size(), 1); // the hand-drawn result, written before the batch
        QCOMPARE(f.state.History.count(), 2);
    }

    // Each batch first writes the records before it; batches in one second must not overwrite them.
    void quickBatchesKeepEveryRecord() {
        BatchFixture f;
        f.draw();
        f.instantBatch(QStringLiteral("2"), 2);
        f.instantBatch(QStringLiteral("2"), 2);
        f.form->SaveDrawHistory();
        int lines = 0;
        for (const QString& name : f.historyFiles())
            lines += QString::fromUtf8(f.folder.read(QStringLiteral("历史记录/") + name))
                         .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                         .size();
        QCOMPARE(lines, 5);
    }

    void longNameIsRecordedWhole() {
        BatchFixture f;
        const QString name(100'000, u'张');
        f.useNameFile(QStringLiteral("长.txt"), name.toUtf8() + "\r\n");
        f.instantBatch(QStringLiteral("1"), 1);
        QCOMPARE(f.state.History.last().Result, name);
        QVERIFY(f.batch->Text高级结果->toPlainText().contains(name));
        QCOMPARE(f.form->Label结果2->text().size(), core::CandidateList::kShownLength + 1);
    }

    void countdownCountsDown() {
        BatchFixture f;
        f.batch->Option时间间隔[0]->setChecked(true);
        f.instantBatch(QStringLiteral("1"), 1);
        QCOMPARE(f.state.History.count(), 1);
        QVERIFY(f.batch->Label批量本此剩余时间->text().isEmpty());
        QCOMPARE(f.batch->Option时间间隔[3]->text(), QStringLiteral("随机（1-15秒）"));
    }

    void aListThatRunsShortStopsTheBatch() {
        BatchFixture f;
        f.useNameFile(QStringLiteral("two.txt"), "Ann\r\nBob\r\n");
        f.form->Check自动排除已抽2->setChecked(true);
        f.batch->Option批量抽取的方式_Click(1);
        f.batch->Text要出多少个号码->setText(QStringLiteral("5"));
        f.batch->RunBatchDraw();
        QCOMPARE(f.state.History.count(), 2); // no result drawn twice from an empty list
        QVERIFY(f.batch->Text高级结果->toPlainText().endsWith(u'\n'));
    }

    void multiBatchChecks_data() {
        QTest::addColumn<QString>("countRow2");
        QTest::addColumn<QString>("countRow5");
        QTest::addColumn<QString>("message");
        QTest::newRow("total beyond the list")
            << "3"
            << "60"
            << "候选列表中数量已经不足63！\r\n清除被屏蔽了的名单？重置候选列表？减少某批次的数量？";
        QTest::newRow("0.5 rounds to 0") << "0.5"
                                         << "1"
                                         << "各批次的数量必须大于等于1！";
    }
    void multiBatchChecks() {
        QFETCH(QString, countRow2);
        QFETCH(QString, countRow5);
        QFETCH(QString, message);
        BatchFixture f;
        f.batch->Check选取抽取批次[1]->setChecked(true);
        f.batch->Check选取抽取批次[4]->setChecked(true);
        f.batch->Text各批次数量[1]->setText(countRow2);
        f.batch->Text各批次数量[4]->setText(countRow5);
        f.batch->Command开始多次批量抽取_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{message});
        f.dialogs.messages.clear();
        for (QCheckBox* c : f.batch->Check选取抽取批次)
            c->setChecked(false);
        f.batch->Command开始多次批量抽取_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{"您至少要勾选一个批次！"});
    }

    void multiBatchWritesARecord() {
        BatchFixture f;
        f.form->Combo项目->setEditText(QStringLiteral("全校"));
        f.batch->Check选取抽取批次[0]->setChecked(true);
        f.batch->Check选取抽取批次[1]->setChecked(true);
        f.batch->Text各批次数量[0]->setText(QStringLiteral("1.5")); // rounds to 2
        f.batch->Text各批次数量[1]->setText(QStringLiteral("1"));
        f.batch->Command开始多次批量抽取_Click();
        QString got = Shape(f.batch);
        got.replace(QRegularExpression(QStringLiteral("  \\d+")), QStringLiteral("  x"));
        QCOMPARE(got, QStringLiteral("开始:T\n\n从 全校 抽出：\n\n一等奖：\n  x  x\n\n二等奖：\n  x\n\n结束:T\n"));
        QCOMPARE(f.state.History.count(), 3);
        QCOMPARE(f.batch->Combo高级抽取记录文件->count(), 1);
        const QString record = f.batch->Combo高级抽取记录文件->currentText();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}_\\d\\d_\\d\\d_\\d\\d时\\d\\d分\\d\\d秒$"))
                    .match(record)
                    .hasMatch());
        const QByteArray bytes = f.folder.read(QStringLiteral("aqr/") + record + QStringLiteral(".aqr"));
        QVERIFY(bytes.startsWith("开始:"));
        QVERIFY(bytes.endsWith("\r\n\r\n")); // the text ends with CR LF, and the file adds one
    }

    // A record of the same second gets a name of its own; none replaces another.
    void recordsOfOneSecondAreKept() {
        BatchFixture f;
        f.batch->Check选取抽取批次[0]->setChecked(true);
        f.batch->Text各批次数量[0]->setText(QStringLiteral("1"));
        QTRY_VERIFY(QTime::currentTime().msec() < 300); // both batches fall in one second
        f.batch->Command开始多次批量抽取_Click();
        f.batch->Command开始多次批量抽取_Click();
        const QStringList records = QDir(f.folder.file(QStringLiteral("aqr"))).entryList(QDir::Files, QDir::Name);
        QCOMPARE(records.size(), 2);
        if (records[0].chopped(4) + QStringLiteral("_2.aqr") != records[1]) QSKIP("the batches fell in two seconds");
        QCOMPARE(f.batch->Combo高级抽取记录文件->currentText(), records[1].chopped(4));
        for (const QString& name : records)
            QVERIFY(f.folder.read(QStringLiteral("aqr/") + name).startsWith("开始:"));
    }

    void multiGroupDraw() {
        BatchFixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/甲.txt"), "A1\r\nA2\r\n");
        f.folder.write(QStringLiteral("文本[姓名]文件/乙.txt"), "B1\r\nB2\r\n");
        f.form->Option抽取方式_Click(1);
        f.batch->Option批量抽取的方式_Click(1);
        QCOMPARE(f.batch->Combo多组复合中的组选择[0]->count(), 2);
        f.batch->Combo多组复合中的组选择[0]->setEditText(QStringLiteral("甲.txt"));
        f.batch->Combo多组复合中的组选择[2]->setEditText(QStringLiteral("甲.txt"));
        f.batch->Combo多组复合中的组选择_Click(2);
        QCOMPARE(f.batch->Combo多组复合中的组选择[0]->currentText(), QString()); // kept distinct

        f.batch->Check多组复合选择[0]->setChecked(true);
        f.batch->Combo多组复合中的组选择[0]->setEditText(QStringLiteral("gone.txt"));
        f.batch->Command多组复合抽取_Click();
        QCOMPARE(f.dialogs.texts(), QStringList{"1gone.txt无效！请重新选择！"});

        f.batch->Combo多组复合中的组选择[0]->setEditText(QStringLiteral("乙.txt"));
        f.batch->Check多组复合选择[2]->setChecked(true);
        f.batch->Text多组复合中每组的数量[0]->setText(QStringLiteral("1"));
        f.batch->Text多组复合中每组的数量[2]->setText(QStringLiteral("2"));
        f.batch->Command多组复合抽取_Click();
        const QString text = f.batch->Text高级结果->toPlainText();
        QVERIFY(text.contains(QStringLiteral("\n从 乙.txt 抽出：\n  B")));
        QVERIFY(text.contains(QStringLiteral("\n从 甲.txt 抽出：\n  A")));
        QCOMPARE(f.state.History.count(), 3);
        QVERIFY(!f.form->DoNotLoadPicList);
    }

    // The window closes while the second draw counts down; the exit routine saves the run.
    void closingDuringABatch_data() {
        QTest::addColumn<bool>("multiGroup");
        QTest::newRow("prize batches") << false;
        QTest::newRow("several groups") << true;
    }
    void closingDuringABatch() {
        QFETCH(bool, multiGroup);
        BatchFixture f;
        f.batch->Option时间间隔[0]->setChecked(true); // one second per draw: time to close in between
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (f.state.History.count() != 1) return;
            closer.stop();
            f.form->close();
        });
        closer.start();
        if (multiGroup) {
            f.folder.write(QStringLiteral("文本[姓名]文件/甲.txt"), "A1\r\nA2\r\n");
            f.folder.write(QStringLiteral("文本[姓名]文件/乙.txt"), "B1\r\nB2\r\n");
            f.form->Option抽取方式_Click(1);
            f.batch->Option批量抽取的方式_Click(1);
            const QStringList groups{QStringLiteral("甲.txt"), QStringLiteral("乙.txt")};
            for (int i = 0; i < 2; ++i) {
                f.batch->Check多组复合选择[i]->setChecked(true);
                f.batch->Combo多组复合中的组选择[i]->setEditText(groups[i]);
                f.batch->Text多组复合中每组的数量[i]->setText(QStringLiteral("1"));
            }
            f.batch->Command多组复合抽取_Click();
        } else {
            f.batch->Check选取抽取批次[0]->setChecked(true);
            f.batch->Text各批次数量[0]->setText(QStringLiteral("3"));
            f.batch->Command开始多次批量抽取_Click();
        }
        QVERIFY(f.ended);
        QCOMPARE(f.state.History.count(), 0); // nothing drawn after the exit routine

        // The history file and the record hold the same single winner.
        QCOMPARE(f.historyFiles().size(), 1);
        const QStringList history = QString::fromUtf8(f.folder.read(QStringLiteral("历史记录/") + f.historyFiles()[0]))
                                        .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(history.size(), 1);
        const QStringList records = QDir(f.folder.file(QStringLiteral("aqr"))).entryList(QDir::Files);
        QCOMPARE(records.size(), 1);
        const QString record = QString::fromUtf8(f.folder.read(QStringLiteral("aqr/") + records[0]));
        QStringList winners;
        for (const QString& line : record.split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("  "))) winners << line.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(winners, QStringList{history[0].section(u' ', -1)});
        QVERIFY(record.contains(QStringLiteral("\r\n中断:")));
        QVERIFY(record.contains(QStringLiteral("（退出程序，抽取未完成）")));
        QVERIFY(!record.contains(QStringLiteral("结束:")));
    }

    void settingsFilesRoundTrip() {
        BatchFixture f;
        f.batch->Check选取抽取批次[3]->setChecked(true);
        f.batch->Text各批次名称[3]->setText(QStringLiteral("特等奖"));
        f.batch->Text多组复合中每组的数量[9]->setText(QStringLiteral("7"));
        f.restart();
        QVERIFY(f.dialogs.messages.isEmpty());
        const QStringList lines =
            QString::fromUtf8(f.folder.read(QStringLiteral("DuoPiChiSet.dat"))).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 31); // 30 lines, each ended by CR LF
        QCOMPARE(lines.mid(9, 3), (QStringList{"1", "特等奖", "15"}));
        ui::BatchPanel* batch = f.form->Frame批量抽取;
        QVERIFY(batch->Check选取抽取批次[3]->isChecked());
        QCOMPARE(batch->Text各批次名称[3]->text(), QStringLiteral("特等奖"));
        QCOMPARE(batch->Text多组复合中每组的数量[9]->text(), QStringLiteral("7"));
    }

    void batchBoxesSurviveARestart() {
        BatchFixture f;
        f.batch->Text要出多少个号码->setText(QStringLiteral("7"));
        f.batch->Text每行放多少个号码->setText(QStringLiteral("4"));
        f.batch->Option时间间隔[2]->setChecked(true);
        f.batch->Option批量抽取的方式_Click(1); // its own row of options: the interval stays
        QVERIFY(f.batch->Option时间间隔[2]->isChecked());
        f.restart();
        ui::BatchPanel* batch = f.form->Frame批量抽取;
        QCOMPARE(batch->Text要出多少个号码->text(), QStringLiteral("7"));
        QCOMPARE(batch->Text每行放多少个号码->text(), QStringLiteral("4"));
        QVERIFY(batch->Option时间间隔[2]->isChecked());
    }

    void shortSettingsFileIsReported() {
        Fixture f({}, false);
        f.folder.write(QStringLiteral("FuHeSet.dat"), "1\r\n甲.txt\r\n3\r\n0\r\n");
        f.load();
        QCOMPARE(f.dialogs.texts(), QStringList{"在读取复合抽取的设置时遇到错误！\r\n9下标越界"});
        QVERIFY(f.form->Frame批量抽取->Check多组复合选择[0]->isChecked());
        QCOMPARE(f.form->Frame批量抽取->Combo多组复合中的组选择[0]->currentText(), QStringLiteral("甲.txt"));
    }

    void recordList() {
        BatchFixture f;
        for (const char* n : {"a.aqr.aqr", "b.txt", "2024_03_05_09时07分02秒.aqr"})
            f.folder.write(QStringLiteral("aqr/") + QString::fromUtf8(n), "x\r\n");
        f.batch->RefreshAdvancedRecordList();
        QStringList items;
        for (int i = 0; i < f.batch->Combo高级抽取记录文件->count(); ++i)
            items << f.batch->Combo高级抽取记录文件->itemText(i);
        QCOMPARE(items, (QStringList{"2024_03_05_09时07分02秒", "a", "b.txt"}));
        QCOMPARE(f.batch->Combo高级抽取记录文件->currentIndex(), 2);

        f.form->menu_清除高级抽取记录文本文件_Click(); // Cancel is the default
        QCOMPARE(f.batch->Combo高级抽取记录文件->count(), 3);
        f.dialogs.answers << MsgResult::OK;
        f.form->menu_清除高级抽取记录文本文件_Click();
        QCOMPARE(f.batch->Combo高级抽取记录文件->count(), 0);
        QVERIFY(QDir(f.folder.file(QStringLiteral("aqr"))).isEmpty());
    }

    void copyingTheResultText() {
        BatchFixture f;
        f.batch->Text高级结果->setPlainText(QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        f.batch->Command复制结果_Click();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        f.instantBatch(QStringLiteral("1"), 1);
        f.batch->Command复制结果_Click();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("开始:")));
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\r\n")));
    }

    void savingTheResultText() {
        BatchFixture f;
        f.instantBatch(QStringLiteral("1"), 1);
        f.dialogs.saveAnswers << f.folder.file(QStringLiteral("result.txt"));
        f.batch->Command另存_Click();
        const QByteArray bytes = f.folder.read(QStringLiteral("result.txt"));
        QVERIFY(bytes.startsWith("开始:"));
        QVERIFY(bytes.endsWith("\r\n\r\n"));
        f.dialogs.saveAnswers << QStringLiteral("/dev/null/x.txt");
        f.batch->Command另存_Click();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
    }
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
