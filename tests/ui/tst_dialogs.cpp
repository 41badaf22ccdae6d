#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "core/Masking.h"
#include "ui/Form选项.h"
#include "ui/Form项目设置.h"
#include "ui/ShowWhileHidden.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTest>

using core::MsgIcon;

namespace {

struct Fixture {
    ProgramFolder folder;
    core::AppState state;
    ScriptedDialogs dialogs;
    QRandomGenerator rng{7};

    Fixture() { state.AppFolder = folder.path(); }
    // A program folder below a regular file, where nothing can be written.
    void breakFolder() {
        folder.write(QStringLiteral("plain"), "x");
        state.AppFolder = folder.file(QStringLiteral("plain/"));
    }
};

const QString kSample = QStringLiteral("张三丰李四");

void VerifySaveError(const ScriptedDialogs& dialogs) {
    QCOMPARE(dialogs.messages.size(), 1);
    const QString prefix = QStringLiteral("保存设置时遇到错误！");
    QVERIFY(dialogs.messages[0].text.startsWith(prefix));
    QVERIFY(dialogs.messages[0].text.size() > prefix.size()); // the reason follows
    QCOMPARE(dialogs.messages[0].icon, MsgIcon::Critical);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void optionsAreSavedForTheNextStart() {
        Fixture f;
        const QString before = f.state.Options.write();
        {
            ui::Form选项 dialog(f.state, f.dialogs, f.rng);
            dialog.Check随机打乱候选名单->setChecked(true);
            dialog.Check滚动时遮挡->setChecked(true);
            dialog.Option遮挡方式[3]->setChecked(true);
            dialog.Spin遮挡前面->setValue(1);
            dialog.Spin遮挡后面->setValue(2);
            dialog.Spin遮挡起始->setValue(3);
            dialog.Spin遮挡结束->setValue(4);
            dialog.Option遮挡字符[1]->setChecked(true);
            dialog.Text自定义字符->setText(QStringLiteral("★"));
            dialog.Check自动设置字号->setChecked(true);
            QTest::mouseClick(dialog.Command确定, Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.folder.read(QStringLiteral("GeneralSet.dat")),
                 QStringLiteral("RandomWaitingList=True\r\nRandomFlashing=True\r\nRandomFlashingStyle=3\r\n"
                                "RandomFlashing_Wei_1=1\r\nRandomFlashing_Wei_2=2\r\nRandomFlashing_Wei_3=3\r\n"
                                "RandomFlashing_Wei_4=4\r\nRandomFlashing_CharStyle=1\r\nRandomFlashing_MyChar=★\r\n"
                                "DeleteHistoryWhenExit=False\r\nAutoSetFontSize=True\r\n")
                     .toUtf8());
        QCOMPARE(f.state.Options.write(), before);

        ui::Form选项 again(f.state, f.dialogs, f.rng);
        QVERIFY(again.Check随机打乱候选名单->isChecked());
        QVERIFY(again.Option遮挡方式[3]->isChecked());
        QCOMPARE(again.Spin遮挡结束->value(), 4);
        QVERIFY(again.Option遮挡字符[1]->isChecked());
        QCOMPARE(again.Text自定义字符->text(), QStringLiteral("★"));
        QVERIFY(!again.Check退出时删除历史记录->isChecked());
        QCOMPARE(again.options().write(), QString::fromUtf8(f.folder.read(QStringLiteral("GeneralSet.dat"))).trimmed());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void optionsStartFromTheFileOverTheRunningOnes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("shuffle");
        QTest::addColumn<bool>("autoFont");
        QTest::newRow("no file") << QByteArray() << true << true;
        QTest::newRow("file overrides") << QByteArray("AutoSetFontSize=False\r\n") << true << false;
    }
    void optionsStartFromTheFileOverTheRunningOnes() {
        QFETCH(QByteArray, file);
        QFETCH(bool, shuffle);
        QFETCH(bool, autoFont);
        Fixture f;
        f.state.Options.RandomWaitingList = true;
        f.state.Options.AutoSetFontSize = true;
        if (!file.isEmpty()) f.folder.write(QStringLiteral("GeneralSet.dat"), file);
        ui::Form选项 dialog(f.state, f.dialogs, f.rng);
        QCOMPARE(dialog.Check随机打乱候选名单->isChecked(), shuffle);
        QCOMPARE(dialog.Check自动设置字号->isChecked(), autoFont);
    }

    // "#" in the expected text stands for any random mask symbol.
    void previewFollowsTheSettings_data() {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("flashing");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("charStyle");
        QTest::addColumn<QString>("expected");
        QTest::newRow("masking off") << kSample << false << 0 << 0 << 0 << 0 << kSample;
        QTest::newRow("all") << kSample << true << 0 << 0 << 0 << 0 << QStringLiteral("#####");
        QTest::newRow("first 1") << kSample << true << 1 << 1 << 0 << 1 << QStringLiteral("*三丰李四");
        QTest::newRow("last 2 random") << kSample << true << 2 << 2 << 0 << 0 << QStringLiteral("张三丰##");
        QTest::newRow("last 2 custom") << kSample << true << 2 << 2 << 0 << 1 << QStringLiteral("张三丰**");
        QTest::newRow("middle 2..3") << kSample << true << 3 << 2 << 3 << 1 << QStringLiteral("张**李四");
        QTest::newRow("other sample") << QStringLiteral("王五") << true << 0 << 0 << 0 << 1 << QStringLiteral("**");
    }
    void previewFollowsTheSettings() {
        QFETCH(QString, sample);
        QFETCH(bool, flashing);
        QFETCH(int, style);
        QFETCH(int, count);
        QFETCH(int, to);
        QFETCH(int, charStyle);
        QFETCH(QString, expected);
        Fixture f;
        ui::Form选项 dialog(f.state, f.dialogs, f.rng);
        QCOMPARE(dialog.Text示例文字->text(), kSample);
        dialog.Text示例文字->setText(sample);
        dialog.Option遮挡字符[charStyle]->setChecked(true);
        dialog.Text自定义字符->setText(QStringLiteral("*"));
        dialog.Check滚动时遮挡->setChecked(flashing);
        dialog.Option遮挡方式[style]->setChecked(true);
        // The counts come last so that their own change must redraw the preview.
        QSpinBox* countBox[] = {nullptr, dialog.Spin遮挡前面, dialog.Spin遮挡后面, dialog.Spin遮挡起始};
        if (countBox[style]) countBox[style]->setValue(count);
        dialog.Spin遮挡结束->setValue(to);

        const QString shown = dialog.Label预览->text();
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            if (expected[i] == u'#')
                QVERIFY2(core::kMaskSymbols.contains(shown[i]), qPrintable(shown));
            else
                QCOMPARE(shown[i], expected[i]);
        }
    }

    void failedSaveKeepsTheDialogOpen() {
        Fixture f;
        f.breakFolder();
        ui::Form选项 options(f.state, f.dialogs, f.rng);
        options.show();
        options.CommandOK_Click();
        VerifySaveError(f.dialogs);
        QVERIFY(options.isVisible());

        f.dialogs.messages.clear();
        ui::Form项目设置 review(f.state, f.dialogs);
        review.Text项目名称->setText(QStringLiteral("名称"));
        review.show();
        review.CommandOK_Click();
        VerifySaveError(f.dialogs);
        QVERIFY(review.isVisible());
        QCOMPARE(f.state.ReviewProjectName, QString());
    }

    void reviewSettingsAreThreeLines_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("plain") << QStringLiteral("名称") << QStringLiteral("时间") << QStringLiteral("地点")
                               << QStringLiteral("名称\r\n时间\r\n地点\r\n").toUtf8();
        QTest::newRow("line breaks") << QStringLiteral("a\r\nb") << QStringLiteral("c\nd") << QStringLiteral("e\rf")
                                     << QByteArray("a b\r\nc d\r\ne f\r\n");
        QTest::newRow("empty") << QString() << QString() << QString() << QByteArray("\r\n\r\n\r\n");
    }
    void reviewSettingsAreThreeLines() {
        QFETCH(QString, name);
        QFETCH(QString, time);
        QFETCH(QString, place);
        QFETCH(QByteArray, file);
        Fixture f;
        f.state.ReviewProjectName = QStringLiteral("旧名称");
        ui::Form项目设置 dialog(f.state, f.dialogs);
        QCOMPARE(dialog.Text项目名称->text(), QStringLiteral("旧名称"));
        dialog.Text项目名称->setText(name);
        dialog.Text评审时间->setText(time);
        dialog.Text评审地点->setText(place);
        QTest::mouseClick(dialog.Command确定, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.folder.read(QStringLiteral("XiangMu.dat")), file);
        const QString lines = f.state.ReviewProjectName + QStringLiteral("\r\n") + f.state.ReviewTime +
                              QStringLiteral("\r\n") + f.state.ReviewPlace + QStringLiteral("\r\n");
        QCOMPARE(lines.toUtf8(), file);
    }

    void reviewSettingsPresetFromTheState() {
        Fixture f;
        f.state.ReviewTime = QStringLiteral("上午");
        f.state.ReviewPlace = QStringLiteral("礼堂");
        ui::Form项目设置 dialog(f.state, f.dialogs);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Text评审时间"))->text(), QStringLiteral("上午"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Text评审地点"))->text(), QStringLiteral("礼堂"));
        QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void cancelChangesNothing() {
        Fixture f;
        ui::Form选项 options(f.state, f.dialogs, f.rng);
        options.Check自动设置字号->setChecked(true);
        QTest::mouseClick(options.Command取消, Qt::LeftButton);
        QCOMPARE(options.result(), int(QDialog::Rejected));

        ui::Form项目设置 review(f.state, f.dialogs);
        review.Text项目名称->setText(QStringLiteral("名称"));
        QTest::mouseClick(review.Command取消, Qt::LeftButton);
        QCOMPARE(review.result(), int(QDialog::Rejected));
        QCOMPARE(f.state.ReviewProjectName, QString());
        QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("GeneralSet.dat"))));
        QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("XiangMu.dat"))));
    }

    void mainWindowIsHiddenWhileTheDialogRuns() {
        QWidget mainWindow;
        mainWindow.show();
        QDialog dialog(&mainWindow);
        bool hiddenMeanwhile = false;
        QMetaObject::invokeMethod(
            &dialog,
            [&] {
                hiddenMeanwhile = !mainWindow.isVisible() && dialog.isVisible();
                dialog.accept();
            },
            Qt::QueuedConnection);
        ui::ShowWhileHidden(&mainWindow, &dialog);
        QVERIFY(hiddenMeanwhile);
        QVERIFY(mainWindow.isVisible());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
