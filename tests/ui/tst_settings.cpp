#include "Form1Fixture.h"
#include "WithoutFileOverride.h"
#include "WriteLimit.h"
#include "core/LockPassword.h"
#include "core/TextFiles.h"
#include "ui/BatchPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

using core::MsgIcon;
using core::MsgResult;

namespace {

void AddProject(Fixture& f, const QString& name, const QString& min, const QString& max, const QString& step,
                const QString& exclude) {
    for (const QString& answer : {name, min, max, step, exclude})
        f.dialogs.inputAnswers.enqueue(answer);
    f.form->menu增加项目->trigger();
}

QColor ColorOfLine(const QTextEdit* edit, int line) {
    return edit->document()->findBlockByNumber(line).begin().fragment().charFormat().foreground().color();
}

} // namespace

class TestSettingsUi : public QObject {
    Q_OBJECT
private slots:
    void everythingIsBackAfterARestart() {
        Fixture f;
        AddProject(f, QStringLiteral("高二(01)班"), QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("1"),
                   QStringLiteral("4"));
        AddProject(f, QStringLiteral("抽奖"), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("2"), QString());
        f.form->Check自动排除->setChecked(true);
        QTest::mouseClick(f.form->Check禁止3连号, Qt::LeftButton);
        f.form->Option禁止范围[1]->setChecked(true);
        f.form->Image声音控制_Click();

        f.folder.write(QStringLiteral("文本[姓名]文件/一班.txt"), "Ann\r\nBob\r\nCid\r\n");
        f.form->Option抽取方式_Click(1);
        f.form->Check自动排除已抽2->setChecked(true);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("一班.txt"), false));
        const QString drawn = f.draw();
        f.form->List抽我->setCurrentIndex(f.form->candidates().index(0));
        const QString blocked = f.form->candidates().text(0);
        f.form->menu_设为屏蔽->trigger();
        QCOMPARE(f.form->candidates().count(), 1);

        f.restart();
        QCOMPARE(f.form->Combo项目->count(), 2);
        QCOMPARE(f.form->Combo项目->itemText(0), QStringLiteral("高二(01)班"));
        QCOMPARE(f.form->NumberProjects[1].Step, 2.0);
        QVERIFY(f.form->Check自动排除->isChecked());
        QVERIFY(f.form->Check禁止3连号->isChecked());
        QVERIFY(!f.form->Check禁止2连号->isChecked());
        QVERIFY(f.form->Option禁止范围[1]->isChecked());
        QCOMPARE(f.form->Image声音控制->property("Tag").toString(), QStringLiteral("无声"));
        QVERIFY(f.form->Option抽取方式[1]->isChecked());
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("一班.txt"));
        QVERIFY(f.form->Check自动排除已抽2->isChecked());
        // The list was built from the file minus the restored block list.
        QCOMPARE(f.form->candidates().count(), 1);
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), drawn + u'\n' + blocked);
        QCOMPARE(ColorOfLine(f.form->RichTextBox屏蔽列表, 0), QColor(255, 0, 0));
        QCOMPARE(ColorOfLine(f.form->RichTextBox屏蔽列表, 1), QColor(0, 0, 255));
    }

    // A file name with line breaks is never offered, so it can never shift the lines of "SettingA.vq".
    void aNameWithLineBreaksCannotShiftTheSettings() {
        Fixture f;
        f.folder.write(QStringLiteral("文本[姓名]文件/一\n1\n2.txt"), "x\r\n"); // sorts first
        f.folder.write(QStringLiteral("文本[姓名]文件/乙.txt"), "x\r\n");
        f.form->Option抽取方式_Click(1);
        f.form->Combo选择姓名文件->setCurrentIndex(0);
        f.form->Combo选择姓名文件_Click();
        f.form->menu_文字对齐_sub_Click(0);
        f.restart();
        const QStringList lines = core::ReadTextLines(f.folder.file(QStringLiteral("SettingA.vq")));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines[11], QStringLiteral("乙.txt"));
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), QStringLiteral("乙.txt"));
        QVERIFY(!f.form->Check自动排除已抽2->isChecked());
        QCOMPARE(f.form->Label结果->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    void restoredFileThatIsGoneShowsNothing() {
        Fixture f;
        f.useNameFile(QStringLiteral("gone.txt"), "Ann\r\n");
        AddProject(f, QStringLiteral("p"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("1"), QString());
        f.useNameFile(QStringLiteral("gone.txt"), "Ann\r\n");
        f.form->CommandExit_Click();
        QFile::remove(f.folder.file(QStringLiteral("文本[姓名]文件/gone.txt")));
        f.state = core::AppState{};
        f.state.AppFolder = f.folder.path();
        f.load();
        QCOMPARE(f.form->Combo选择姓名文件->currentIndex(), -1);
        QCOMPARE(f.form->Combo选择姓名文件->placeholderText(), QStringLiteral("请选择"));
        QVERIFY(f.form->candidates().isEmpty());
    }

    // An older installation's folder: "SettingA.vq" and the name file in GBK, short Chinese texts
    // whose GBK bytes are valid UTF-8; and name files an editor wrote in UTF-8.
    void nameFileOfAnOlderFolder_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("settingsLine");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QStringList>("candidates");
        QStringEncoder gbk("GB18030");
        QTest::newRow("GBK") << "小学.txt" << QByteArray(gbk.encode(QStringLiteral("小学.txt")))
                             << QByteArray(gbk.encode(QStringLiteral("小英\r\n一女\r\n")))
                             << QStringList{"小英", "一女"};
        QTest::newRow("GBK one character") << "十.txt" << QByteArray(gbk.encode(QStringLiteral("十.txt")))
                                           << QByteArray(gbk.encode(QStringLiteral("英\r\n"))) << QStringList{"英"};
        QTest::newRow("UTF-8") << "小学.txt" << QByteArray("小学.txt") << QByteArray("张三\r\n李四\r\n一\r\n")
                               << QStringList{"张三", "李四", "一"};
    }
    void nameFileOfAnOlderFolder() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, settingsLine);
        QFETCH(QByteArray, names);
        QFETCH(QStringList, candidates);
        Fixture f({}, false);
        f.folder.write(QStringLiteral("Setting.vq"), QByteArray(2, '\0'));
        f.folder.write(QStringLiteral("SettingA.vq"),
                       "3\r\n3\r\n 0 \r\n0\r\n-1 \r\n 0 \r\n4\r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n" + settingsLine + "\r\n");
        f.folder.write(QStringLiteral("文本[姓名]文件/") + fileName, names);
        f.load();
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), fileName);
        QCOMPARE(f.form->candidates().texts(), candidates);
    }

    // The file chosen before the exit, then renamed while the program was closed.
    void restartReopensTheNameFile_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("renamedTo");
        QTest::addColumn<QString>("reopened");
        QTest::newRow("upper case of two") << QStringList{"A.txt", "a.txt"} << "A.txt" << "" << "A.txt";
        QTest::newRow("lower case of two") << QStringList{"A.txt", "a.txt"} << "a.txt" << "" << "a.txt";
        QTest::newRow("lower case of three") << QStringList{"A.txt", "B.txt", "a.txt"} << "a.txt" << "" << "a.txt";
        QTest::newRow("only a case-changed name left") << QStringList{"names.txt", "other.txt"} << "names.txt"
                                                       << "NAMES.txt"
                                                       << "NAMES.txt";
    }
    void restartReopensTheNameFile() {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        QFETCH(QString, renamedTo);
        QFETCH(QString, reopened);
        Fixture f;
        for (const QString& name : files)
            f.folder.write(QStringLiteral("文本[姓名]文件/") + name, (name + QStringLiteral("\r\n")).toUtf8());
        f.form->Option抽取方式_Click(1);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, chosen, true));
        f.form->CommandExit_Click();
        if (!renamedTo.isEmpty())
            QVERIFY(QFile::rename(f.folder.file(QStringLiteral("文本[姓名]文件/") + chosen),
                                  f.folder.file(QStringLiteral("文本[姓名]文件/") + renamedTo)));
        f.state = core::AppState{};
        f.state.AppFolder = f.folder.path();
        f.load();
        QCOMPARE(f.form->Combo选择姓名文件->currentText(), reopened);
        // Each file holds the name it was written under, so the list shows which file was read.
        QCOMPARE(f.form->candidates().texts(), QStringList{chosen});
    }

    // A damaged or missing settings file must not wipe the others at the next exit: the
    // password, the lock, the block list and the readable projects are still there.
    void damagedSettingsKeepTheOthers_data() {
        QTest::addColumn<QByteArray>("projects"); // null: no "Setting.vq"
        QTest::addColumn<bool>("mainSettings");
        QTest::addColumn<QStringList>("projectsAfter");
        core::NumberProjects two;
        two.append({QStringLiteral("高二年级一班数学兴趣"), 1, 60, 1, QStringLiteral("3")});
        two.append({QStringLiteral("二班"), 1, 50, 1, QString()});
        const QByteArray records = two.toBytes().mid(2);
        const QStringList names{"高二年级一班数学兴趣", "二班"};
        QTest::newRow("count larger than the file") << QByteArray("\x03\x00", 2) + records << true << names;
        QTest::newRow("negative count") << QByteArray("\xFF\xFF") + records << true << QStringList();
        QTest::newRow("projects file missing") << QByteArray() << true << QStringList();
        QTest::newRow("main settings missing") << QByteArray("\x02\x00", 2) + records << false << names;
    }
    void damagedSettingsKeepTheOthers() {
        QFETCH(QByteArray, projects);
        QFETCH(bool, mainSettings);
        QFETCH(QStringList, projectsAfter);
        Fixture f({}, false);
        if (!projects.isNull()) f.folder.write(QStringLiteral("Setting.vq"), projects);
        if (mainSettings) f.folder.write(QStringLiteral("SettingA.vq"), "5\r\n2\r\n");
        f.folder.write(QStringLiteral("zmkm.dat"), "secret\r\n");
        f.folder.write(QStringLiteral("LockState.dat"), "1\r\n");
        f.folder.write(QStringLiteral("pingbi.dat"), "张三\r\n李四");
        f.load();
        QVERIFY(f.form->menu锁定->isChecked());
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), QStringLiteral("张三\n李四"));
        QCOMPARE(f.form->Combo项目->count(), projectsAfter.size());

        f.restart();
        QVERIFY(f.form->menu锁定->isChecked());
        QCOMPARE(f.folder.read(QStringLiteral("LockState.dat")), QByteArray("1\r\n"));
        QVERIFY(core::LockPassword::fromFileText(core::ReadTextFile(f.folder.file(QStringLiteral("zmkm.dat"))))
                    .matches(QStringLiteral("secret")));
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), QStringLiteral("张三\n李四"));
        QStringList names;
        for (int i = 0; i < f.form->Combo项目->count(); ++i)
            names << f.form->Combo项目->itemText(i);
        QCOMPARE(names, projectsAfter);
        if (mainSettings) QCOMPARE(f.form->Frame批量抽取->Text要出多少个号码->text(), QStringLiteral("5"));
    }

    // A disk that fills up during the exit: every file saved before stays as it was, the draws stay
    // pending, and the user is told.
    void fullDiskAtExit_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("historyFails");
        QTest::newRow("no byte") << 0 << true;
        QTest::newRow("some bytes") << 30 << true;
        QTest::newRow("room for two projects") << 2 + 2 * 544 << false;
    }
    void fullDiskAtExit() {
        QFETCH(int, limit);
        QFETCH(bool, historyFails);
        Fixture f;
        AddProject(f, QStringLiteral("一班"), QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("1"),
                   QString());
        AddProject(f, QStringLiteral("二班"), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("1"), QString());
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("张三"));
        f.restart();
        const QStringList files{"Setting.vq", "SettingA.vq", "pingbi.dat", "zmkm.dat", "LockState.dat", "SoundSet.dat"};
        QList<QByteArray> before;
        for (const QString& file : files)
            before << f.folder.read(file);
        AddProject(f, QStringLiteral("三班"), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("1"), QString());
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("李四"));
        f.draw();
        f.draw();
        {
            WriteLimit full(limit);
            f.form->CommandExit_Click();
        }
        QCOMPARE(f.folder.read(QStringLiteral("Setting.vq")), before[0]);
        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(f.folder.read(files[i]) == before[i] || limit > 0, qPrintable(files[i]));
        // What was written is whole: the main settings have all their lines, the block list one of its texts.
        QCOMPARE(core::ReadTextLines(f.folder.file(QStringLiteral("SettingA.vq"))).size(), 17);
        QCOMPARE(f.state.History.count(), historyFails ? 2 : 0);
        QCOMPARE(f.historyFiles().isEmpty(), historyFails);
        const QStringList texts = f.dialogs.texts();
        QCOMPARE(std::any_of(texts.cbegin(), texts.cend(),
                             [](const QString& t) { return t.startsWith(QStringLiteral("保存抽取历史记录失败：")); }),
                 historyFails);
        QVERIFY(std::any_of(texts.cbegin(), texts.cend(), [](const QString& t) {
            return t.startsWith(QStringLiteral("保存设置时遇到错误！")) && t.contains(QStringLiteral("Setting.vq"));
        }));
        f.state = core::AppState{};
        f.state.AppFolder = f.folder.path();
        f.load();
        QCOMPARE(f.form->Combo项目->count(), 2);
        QVERIFY(QStringList({"张三", "李四"}).contains(f.form->RichTextBox屏蔽列表->toPlainText()));
    }

    // A settings file that is there but cannot be read is not replaced at the next exit.
    void unreadableSettingsAreKept_data() {
        QTest::addColumn<QString>("file");
        for (const char* file : {"Setting.vq", "SettingA.vq", "pingbi.dat", "zmkm.dat", "LockState.dat"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }
    void unreadableSettingsAreKept() {
        QFETCH(QString, file);
        Fixture f;
        AddProject(f, QStringLiteral("一班"), QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("1"),
                   QString());
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("张三"));
        f.dialogs.inputAnswers << QStringLiteral("secret") << QStringLiteral("secret");
        f.form->menu锁定->trigger();
        QVERIFY(f.form->menu锁定->isChecked());
        f.form->CommandExit_Click();
        const QString path = f.folder.file(file);
        const QByteArray before = f.folder.read(file);
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        {
            WithoutFileOverride guard;
            if (QFile(path).open(QIODevice::ReadOnly)) {
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                QSKIP("this process reads every file whatever its permissions (root without dropping them)");
            }
            f.state = core::AppState{};
            f.state.AppFolder = f.folder.path();
            f.dialogs.messages.clear();
            f.load();
            f.form->CommandExit_Click();
        }
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(f.folder.read(file), before);
        const QStringList texts = f.dialogs.texts();
        QVERIFY(std::none_of(texts.cbegin(), texts.cend(),
                             [](const QString& t) { return t.startsWith(QStringLiteral("保存设置时遇到错误！")); }));
    }

    void addingAProjectAsksWithRememberedDefaults() {
        Fixture f;
        AddProject(f, QStringLiteral("一班  "), QStringLiteral("2"), QStringLiteral("30"), QStringLiteral("0.5abc"),
                   QStringLiteral("3 4"));
        QCOMPARE(f.dialogs.inputs.size(), 5);
        QCOMPARE(f.dialogs.inputs[0].prompt, QStringLiteral("请输入项目名称：\r\n（如：高二(01)班 ）"));
        QCOMPARE(f.dialogs.inputs[0].defaultText, QStringLiteral("名称"));
        QCOMPARE(f.dialogs.inputs[1].prompt, QStringLiteral("请输入最小值："));
        QCOMPARE(f.dialogs.inputs[1].defaultText, QStringLiteral("1"));
        QCOMPARE(f.dialogs.inputs[2].defaultText, QStringLiteral("60"));
        QCOMPARE(f.dialogs.inputs[3].prompt, QStringLiteral("请输入步长："));
        QCOMPARE(
            f.dialogs.inputs[4].prompt,
            QStringLiteral("请输入要排除的数字，各数字之间用空间分隔：\r\n( 如果没有要排除的数字，则直接按[确定] )"));
        QCOMPARE(f.form->Combo项目->currentText(), QStringLiteral("一班"));
        QCOMPARE(f.form->TextSet[2]->text(), QStringLiteral("0.5"));
        QCOMPARE(f.form->TextSet[3]->text(), QStringLiteral("3 4"));
        QCOMPARE(f.form->candidates().count(), 55); // 2..30 by 0.5 without 3 and 4

        f.dialogs.inputs.clear();
        f.dialogs.inputAnswers << QStringLiteral("一班");
        f.form->menu增加项目->trigger();
        QCOMPARE(f.dialogs.inputs[0].defaultText, QStringLiteral("一班"));
        QCOMPARE(f.dialogs.texts(), QStringList{"已存在同名的项目！"});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);

        f.dialogs.inputs.clear();
        AddProject(f, QStringLiteral("二班"), QString(), QString(), QString(), QString());
        QCOMPARE(f.dialogs.inputs[1].defaultText, QStringLiteral("2"));
        QCOMPARE(f.dialogs.inputs[3].defaultText, QStringLiteral("0.5"));
        QCOMPARE(f.dialogs.inputs[4].defaultText, QStringLiteral("3 4"));
        QVERIFY(f.dialogs.inputs[4].prompt.endsWith(QStringLiteral("则清空以下输入框后按[确定] )")));

        f.dialogs.inputAnswers.clear();
        f.form->menu增加项目->trigger(); // Cancel
        QCOMPARE(f.form->Combo项目->count(), 2);
    }

    // Cancel on the n-th prompt: the answers before it are given, then the queue runs dry.
    void cancelEndsTheAddDialogue_data() {
        QTest::addColumn<int>("answered");
        QTest::newRow("name") << 0;
        QTest::newRow("minimum") << 1;
        QTest::newRow("maximum") << 2;
        QTest::newRow("step") << 3;
        QTest::newRow("excluded numbers") << 4;
    }
    void cancelEndsTheAddDialogue() {
        QFETCH(int, answered);
        Fixture f;
        AddProject(f, QStringLiteral("一班"), QStringLiteral("1"), QStringLiteral("50"), QStringLiteral("1"),
                   QStringLiteral("4"));
        f.form->TextSet[1]->setText(QStringLiteral("40"));
        const QStringList answers{QStringLiteral("二班"), QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("2"),
                                  QStringLiteral("7")};
        f.dialogs.inputs.clear();
        f.dialogs.messages.clear();
        for (int i = 0; i < answered; ++i)
            f.dialogs.inputAnswers.enqueue(answers[i]);
        f.form->menu增加项目->trigger();
        QCOMPARE(f.dialogs.inputs.size(), answered + 1); // no prompt after the cancelled one
        QCOMPARE(f.form->Combo项目->count(), 1);
        QCOMPARE(f.form->NumberProjects.size(), 1);
        QCOMPARE(f.form->Combo项目->currentText(), QStringLiteral("一班"));
        const QStringList boxes{f.form->TextSet[0]->text(), f.form->TextSet[1]->text(), f.form->TextSet[2]->text(),
                                f.form->TextSet[3]->text()};
        QCOMPARE(boxes, (QStringList{"1", "40", "1", "4"}));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void typingANameAddsNoProject() {
        Fixture f;
        f.form->Combo项目->setFocus();
        f.form->Combo项目->lineEdit()->selectAll();
        QTest::keyClicks(f.form->Combo项目, QStringLiteral("typed"));
        QTest::keyClick(f.form->Combo项目, Qt::Key_Return);
        QCOMPARE(f.form->Combo项目->count(), 0);
        QCOMPARE(f.form->NumberProjects.size(), 0);
        QCOMPARE(f.form->Combo项目->toolTip(), QStringLiteral("未选定任何项目，当前编辑将不被保存。"));
    }

    void longNameIsStoredAndShownTheSame() {
        Fixture f;
        AddProject(f, QStringLiteral("高二年级一班数学兴趣小组"), QStringLiteral("1"), QStringLiteral("10"),
                   QStringLiteral("1"), QString());
        QCOMPARE(f.form->Combo项目->currentText(), QStringLiteral("高二年级一班数学兴趣"));
        f.form->TextSet[1]->setFocus();
        f.form->TextSet[1]->selectAll();
        QTest::keyClicks(f.form->TextSet[1], QStringLiteral("20"));
        QCOMPARE(f.form->NumberProjects[0].Max, 20.0);
        f.restart();
        QCOMPARE(f.form->NumberProjects[0].Name, QStringLiteral("高二年级一班数学兴趣"));
        QCOMPARE(f.form->NumberProjects[0].Max, 20.0);
    }

    // Ten-character names of an older installation keep apart after an exit.
    void olderLongNamesSurviveAnExit() {
        Fixture f;
        AddProject(f, QStringLiteral("高二年级一班数学兴趣"), QStringLiteral("1"), QStringLiteral("10"),
                   QStringLiteral("1"), QString());
        AddProject(f, QStringLiteral("高二年级一班数学小组"), QStringLiteral("1"), QStringLiteral("30"),
                   QStringLiteral("1"), QStringLiteral("7"));
        f.restart();
        f.restart();
        QCOMPARE(f.form->Combo项目->count(), 2);
        QCOMPARE(f.form->Combo项目->itemText(0), QStringLiteral("高二年级一班数学兴趣"));
        QCOMPARE(f.form->Combo项目->itemText(1), QStringLiteral("高二年级一班数学小组"));
        ui::SelectListItem(f.form->Combo项目, QStringLiteral("高二年级一班数学小组"), true);
        QCOMPARE(f.form->TextSet[1]->text(), QStringLiteral("30"));
        QCOMPARE(f.form->TextSet[3]->text(), QStringLiteral("7"));
    }

    void excludedCountCaption_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("caption");
        QTest::newRow("step 1") << "1"
                                << "自动排除 （3/60）";
        QTest::newRow("step 0.5") << "0.5"
                                  << "自动排除 （3/119）";
    }
    void excludedCountCaption() {
        QFETCH(QString, step);
        QFETCH(QString, caption);
        Fixture f;
        f.form->TextSet[0]->setText(QStringLiteral("1"));
        f.form->TextSet[1]->setText(QStringLiteral("60"));
        f.form->TextSet[2]->setText(step);
        f.form->TextSet[3]->setText(QStringLiteral("3 5 7"));
        QCOMPARE(f.form->Check自动排除->text(), caption);
        f.form->TextSet[2]->setText(QStringLiteral("0"));
        QCOMPARE(f.form->Check自动排除->text(), caption); // a step of 0 leaves it
    }

    void twoAndThreeInARowExcludeEachOther() {
        Fixture f;
        QTest::mouseClick(f.form->Check禁止2连号, Qt::LeftButton);
        QTest::mouseClick(f.form->Check禁止3连号, Qt::LeftButton);
        QVERIFY(f.form->Check禁止3连号->isChecked());
        QVERIFY(!f.form->Check禁止2连号->isChecked());
        QTest::mouseClick(f.form->Check禁止2连号, Qt::LeftButton);
        QVERIFY(!f.form->Check禁止3连号->isChecked());
        QTest::mouseClick(f.form->Check禁止2连号, Qt::LeftButton); // unticking leaves the other alone
        QVERIFY(!f.form->Check禁止2连号->isChecked() && !f.form->Check禁止3连号->isChecked());
    }

    void clearingExcludedNumbersStoresThem() {
        Fixture f;
        AddProject(f, QStringLiteral("p"), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("1"),
                   QStringLiteral("3 5"));
        QVERIFY(f.form->Command清除排除数字->isEnabled());
        QTest::mouseClick(f.form->Command清除排除数字, Qt::LeftButton);
        QCOMPARE(f.form->NumberProjects[0].Exclude, QString());
        QVERIFY(!f.form->Command清除排除数字->isEnabled());
        QCOMPARE(f.form->candidates().count(), 10);
    }

    void confirmStoresTheExclusionInTheProject() {
        Fixture f;
        AddProject(f, QStringLiteral("p"), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("1"), QString());
        f.form->Check自动排除->setChecked(true);
        const QString drawn = f.draw();
        QCOMPARE(f.form->NumberProjects[0].Exclude, drawn);
        QCOMPARE(f.form->candidates().count(), 9);
    }

    void deletingProjects_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("next");
        QTest::newRow("last of three selects the second") << 2 << "b";
        QTest::newRow("first selects the next") << 0 << "b";
    }
    void deletingProjects() {
        QFETCH(int, chosen);
        QFETCH(QString, next);
        Fixture f;
        for (const char* n : {"a", "b", "c"})
            AddProject(f, QString::fromLatin1(n), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("1"),
                       QString());
        f.form->Combo项目->setCurrentIndex(chosen);
        f.form->Combo项目_Click();
        const QString name = f.form->Combo项目->currentText();
        f.dialogs.answers << MsgResult::OK;
        f.form->menu删除当前项目->trigger();
        QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("真的要删除") + name + QStringLiteral("吗？"));
        QCOMPARE(f.dialogs.messages.last().defaultButton, std::optional(MsgResult::Cancel));
        QCOMPARE(f.form->Combo项目->count(), 2);
        QCOMPARE(f.form->NumberProjects.size(), 2);
        QCOMPARE(f.form->Combo项目->currentText(), next);
        QCOMPARE(f.form->NumberProjects.find(name), -1);
    }

    void deletingWithoutChoice() {
        Fixture f;
        f.form->menu删除当前项目->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{"未选定任何项目！"});
        AddProject(f, QStringLiteral("only"), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("1"), QString());
        f.dialogs.answers << MsgResult::OK;
        f.form->menu删除当前项目->trigger();
        QCOMPARE(f.form->Combo项目->count(), 0);
        QCOMPARE(f.form->TextSet[1]->text(), QStringLiteral("0"));
        f.restart();
        QCOMPARE(f.form->NumberProjects.size(), 0);
    }

    void lockedStart() {
        Fixture f({}, false);
        f.load();
        f.form->CommandExit_Click(); // writes a complete set of settings files
        f.folder.write(QStringLiteral("LockState.dat"), "1\r\n");
        f.folder.write(QStringLiteral("zmkm.dat"), "secret\r\n"); // as an older installation wrote it
        f.state = core::AppState{};
        f.state.AppFolder = f.folder.path();
        f.load();
        QVERIFY(f.form->menu锁定->isChecked());
        QVERIFY(!f.form->menu_清除高级抽取记录文本文件->isEnabled());
        QVERIFY(!f.form->menu_撤消->isEnabled());
        QVERIFY(!f.form->CommandReset->isEnabled());
        QVERIFY(!f.form->Option抽取方式[1]->isEnabled()); // switching would clear the result on display
        QVERIFY(!f.form->Combo选择姓名文件->isEnabled());

        f.draw();
        QVERIFY(!f.form->Command开始->isEnabled()); // the result stays on display

        f.dialogs.inputAnswers << QStringLiteral("wrong");
        f.form->menu锁定->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{"密码错误！"});
        QVERIFY(f.form->menu锁定->isChecked());

        f.dialogs.inputAnswers << QStringLiteral("secret");
        f.form->menu锁定->trigger();
        QVERIFY(!f.form->menu锁定->isChecked());
        QVERIFY(f.form->Command开始->isEnabled());
        QVERIFY(f.form->menu_撤消->isEnabled());

        f.form->CommandExit_Click();
        const QString stored = QString::fromUtf8(f.folder.read(QStringLiteral("zmkm.dat")));
        QVERIFY(!stored.contains(QStringLiteral("secret")));
        QVERIFY(core::LockPassword::fromFileText(stored.trimmed()).matches(QStringLiteral("secret")));
        QCOMPARE(f.folder.read(QStringLiteral("LockState.dat")), QByteArray("0\r\n"));
    }

    // A password file with a count the program never writes is damaged: the attempt is refused at once with a
    // message that says so, the lock stays, and the file is kept for the user to remove.
    void lockedStartWithADamagedPasswordFile() {
        Fixture f({}, false);
        f.load();
        f.form->CommandExit_Click();
        f.folder.write(QStringLiteral("LockState.dat"), "1\r\n");
        const QByteArray damaged = "pbkdf2-sha256$2147483647$00112233445566778899aabbccddeeff$" + QByteArray(64, '0');
        f.folder.write(QStringLiteral("zmkm.dat"), damaged + "\r\n");
        f.state = core::AppState{};
        f.state.AppFolder = f.folder.path();
        f.load();
        QVERIFY(f.form->menu锁定->isChecked());
        f.dialogs.inputAnswers << QStringLiteral("secret");
        f.form->menu锁定->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{"锁定密码文件zmkm.dat已损坏，无法解锁。删除程序文件夹中的zmkm.dat后，"
                                                "锁定密码为空。"});
        QVERIFY(f.form->menu锁定->isChecked());
        f.form->CommandExit_Click();
        QCOMPARE(f.folder.read(QStringLiteral("zmkm.dat")), damaged + "\r\n");
    }

    void lockingAsksForANewPassword() {
        Fixture f;
        f.dialogs.inputAnswers << QStringLiteral("a") << QStringLiteral("b");
        f.form->menu锁定->trigger();
        QCOMPARE(f.dialogs.texts(), QStringList{"两次输入的密码不一致！"});
        QVERIFY(!f.form->menu锁定->isChecked());
        f.dialogs.inputAnswers << QStringLiteral("pw") << QStringLiteral("pw");
        f.form->menu锁定->trigger();
        QVERIFY(f.form->menu锁定->isChecked());
        QCOMPARE(f.state.LockState, 1);
    }

    void olderBlockListLoadsWithColours() {
        Fixture f({}, false);
        f.load();
        f.form->CommandExit_Click();
        QStringEncoder gb("GB18030");
        auto hex = [&](const QString& s) {
            QByteArray out;
            for (char c : QByteArray(gb.encode(s)))
                out += "\\'" + QByteArray::number(uchar(c), 16);
            return out;
        };
        f.folder.write(
            QStringLiteral("pingbi.dat"),
            "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 " + hex(QStringLiteral("宋体")) +
                ";}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
                "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18\\cf1 " +
                hex(QStringLiteral("张三")) + "\\par\r\n\\cf2 " + hex(QStringLiteral("李四")) + "\\cf0\\par\r\n}\r\n");
        f.folder.write(QStringLiteral("文本[姓名]文件/n.txt"), "张三\r\n李四\r\n王五\r\n");
        f.state = core::AppState{};
        f.state.AppFolder = f.folder.path();
        f.load();
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), QStringLiteral("张三\n李四"));
        QCOMPARE(ColorOfLine(f.form->RichTextBox屏蔽列表, 0), QColor(255, 0, 0));
        QCOMPARE(ColorOfLine(f.form->RichTextBox屏蔽列表, 1), QColor(0, 0, 255));
        f.form->Check自动排除已抽2->setChecked(true);
        f.useNameFile(QStringLiteral("n.txt"), "张三\r\n李四\r\n王五\r\n");
        QCOMPARE(f.form->candidates().texts(), QStringList{"王五"});
    }

    void clearingTheBlockListAsks() {
        Fixture f;
        f.form->RichTextBox屏蔽列表->setPlainText(QStringLiteral("x"));
        f.form->menu_清空屏蔽列表->trigger(); // Cancel is the default
        QCOMPARE(f.form->RichTextBox屏蔽列表->toPlainText(), QStringLiteral("x"));
        f.dialogs.answers << MsgResult::OK;
        f.form->menu_清空屏蔽列表->trigger();
        QVERIFY(f.form->RichTextBox屏蔽列表->toPlainText().isEmpty());
    }

    void unreadableProjectsFileIsReported() {
        Fixture f({}, false);
        f.folder.write(QStringLiteral("Setting.vq"), "\x05\x00 too short");
        f.load();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].text.startsWith(QStringLiteral("读取设置时遇到错误！")));
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
    }
};

QTEST_MAIN(TestSettingsUi)
#include "tst_settings.moc"
