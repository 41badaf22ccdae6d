#include "FullScreenFixture.h"

#include "ModalScript.h"
#include "core/RunHistory.h"
#include "modes/Form全屏.h"
#include "ui/QtDialogs.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QToolButton>

using core::MsgIcon;
using core::MsgResult;

namespace {

QColor TextColour(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

// A picture of this size, saved in the program folder and loaded into the picture list.
void AddPicture(Fixture& f, const QString& name, const QSize& size) {
    const QString path = f.folder.file(name + QStringLiteral(".bmp"));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(path, "BMP"));
    QVERIFY(f.state.PictureList.add(path, nullptr));
}

modes::Form全屏* OpenedWindow(const FullScreenFixture& f) {
    return dynamic_cast<modes::Form全屏*>(f.window.data());
}

} // namespace

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void openingCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("image button") << "Image全屏";
        QTest::newRow("menu") << "menu_全屏模式";
        QTest::newRow("display menu") << "menu_全屏";
        QTest::newRow("Ctrl+F") << "Ctrl+F";
    }
    void openingCommands() {
        QFETCH(QString, command);
        FullScreenFixture f; // numbers 1 to 60
        if (command == QStringLiteral("Image全屏"))
            QTest::mouseClick(f.form->Image全屏, Qt::LeftButton);
        else if (command == QStringLiteral("Ctrl+F"))
            QTest::keyClick(f.form.get(), Qt::Key_F, Qt::ControlModifier);
        else
            f.form->findChild<QAction*>(command)->trigger();

        modes::Form全屏* w = OpenedWindow(f);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->geometry(), ui::ScreenRect());
        QCOMPARE(w->windowTitle(), QStringLiteral("TovrelZandrel"));
        QCOMPARE(w->label操作提示->text(), QStringLiteral("操作提示： 空格-开始/确定  ESC-退出全屏"));
        QVERIFY(!f.form->isVisible());
        QVERIFY(f.form->windowState() & Qt::WindowMinimized);
        QCOMPARE(f.form->Image全屏->toolTip(), QStringLiteral("切换至全屏模式"));
    }

    void emptyListWarnsAndStays() {
        FullScreenFixture f;
        f.form->Option抽取方式_Click(1); // names mode, no file
        f.form->Image全屏_Click();
        QCOMPARE(f.dialogs.texts(),
                 QStringList{QStringLiteral(
                     "候选列表现在是空的！请先选定一个项目？作好相关设置？或重置候选列表？清除已抽名单？")});
        QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Exclamation);
        QVERIFY(!f.window);
        QVERIFY(f.form->isVisible());
        QVERIFY(!(f.form->windowState() & Qt::WindowMinimized));
    }

    void escapeRestoresTheMainWindow_data() {
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<bool>("advanced");
        QTest::newRow("automatic font size, advanced view") << true << true;
        QTest::newRow("own font size, simple view") << false << false;
    }
    void escapeRestoresTheMainWindow() {
        QFETCH(bool, autoSize);
        QFETCH(bool, advanced);
        FullScreenFixture f;
        f.form->SetAdvancedView(advanced);
        QCoreApplication::processEvents(); // the window system's geometry arrives
        const QRect before = f.form->geometry();
        f.state.Options.AutoSetFontSize = autoSize;
        const int own = f.form->Label结果->font().pointSize();
        f.form->Image全屏_Click();
        QVERIFY(OpenedWindow(f));
        QCOMPARE(f.form->Label结果->font().pointSize(), autoSize ? 115 : own);
        QCOMPARE(f.form->Label结果2->font().pointSize(), autoSize ? 115 : own);

        QTest::keyClick(OpenedWindow(f)->Picture用于响应按键, Qt::Key_Escape);
        FullScreenFixture::flushDeletes();
        QVERIFY(!f.window);
        QVERIFY(f.form->isVisible());
        // As it was: maximised in the advanced view, the simple view where it stood.
        QCOMPARE(f.form->windowState() & ~Qt::WindowActive, advanced ? Qt::WindowMaximized : Qt::WindowNoState);
        QTRY_COMPARE(f.form->geometry(), before);
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QCOMPARE(f.form->Label结果->font().pointSize(), autoSize ? 85 : own);
        QCOMPARE(f.form->Label结果2->font().pointSize(), autoSize ? 85 : own);
    }

    void showingAgainActivatesTheOpenWindow_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("全屏 of its pop-up menu") << "menu_全屏";
        QTest::newRow("full-screen command") << "Image全屏";
    }
    void showingAgainActivatesTheOpenWindow() {
        QFETCH(QString, command);
        FullScreenFixture f;
        f.form->Image全屏_Click();
        const QPointer<QWidget> first = f.window;
        QVERIFY(first);
        if (command == QStringLiteral("menu_全屏"))
            f.form->menu_全屏->trigger();
        else
            f.form->Image全屏_Click();
        QCOMPARE(f.window.data(), first.data());
        int open = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            open += w->isVisible() && dynamic_cast<const modes::FullScreenWindow*>(w);
        QCOMPARE(open, 1);
        QVERIFY(QTest::qWaitForWindowActive(first.data()));
        QVERIFY(!f.form->isVisible());
    }

    void undoConfirmationStandsWhereTheOperatorsWindowStood() {
        FullScreenFixture f;
        ui::QtDialogs real(f.form.get());
        f.form->menu_窗口移至右下角_Click(); // the operator's window in a corner, away from the audience's view
        QCoreApplication::processEvents();
        const QRect operatorWindow = f.form->geometry();
        f.form->Image全屏_Click();
        FullScreenFixture::showActive(*OpenedWindow(f));
        QPoint boxCentre;
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            boxCentre = box.frameGeometry().center();
            box.reject();
        });
        real.message(QStringLiteral("真的要撤消？"), MsgIcon::Exclamation, core::MsgButtons::OKCancel,
                     MsgResult::Cancel);
        QVERIFY2((boxCentre - operatorWindow.center()).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("%1,%2").arg(boxCentre.x()).arg(boxCentre.y())));
    }

    void windowCommandsOfItsPopUpLeaveTheAudienceScreen_data() {
        QTest::addColumn<QString>("caption");
        QTest::newRow("maximise") << "窗口最大化";
        QTest::newRow("minimise") << "窗口最小化";
    }
    void windowCommandsOfItsPopUpLeaveTheAudienceScreen() {
        QFETCH(QString, caption);
        FullScreenFixture f;
        f.form->Image全屏_Click();
        QVERIFY(OpenedWindow(f));
        QAction* command = nullptr;
        for (QAction* a : f.form->menu_显示->actions())
            if (a->text() == caption) command = a;
        QVERIFY(command);
        command->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!f.form->isVisible()); // the operator's window stays off the audience screen
        QVERIFY(OpenedWindow(f)->isVisible());
    }

    void picturesOfTheNameFile_data() {
        QTest::addColumn<bool>("loadedBefore");
        QTest::newRow("declined when the file was chosen") << false;
        QTest::newRow("loaded when the file was chosen") << true;
    }
    void picturesOfTheNameFile() {
        QFETCH(bool, loadedBefore);
        FullScreenFixture f;
        QVERIFY(QDir().mkpath(f.folder.file(QStringLiteral("图片列表/一班"))));
        QVERIFY(
            QImage(4, 3, QImage::Format_RGB32).save(f.folder.file(QStringLiteral("图片列表/一班/张三.bmp")), "BMP"));
        f.dialogs.answers << (loadedBefore ? MsgResult::OK : MsgResult::Cancel);
        f.useNameFile(QStringLiteral("一班.txt"), "张三\r\n李四\r\n");
        QCOMPARE(f.form->CurHasLoadedPicList, loadedBefore);
        const qsizetype asked = f.dialogs.messages.size();

        f.dialogs.answers << MsgResult::OK;
        f.form->Image全屏_Click();
        QCOMPARE(f.dialogs.messages.size(), asked + (loadedBefore ? 0 : 1));
        QVERIFY(f.form->CurHasLoadedPicList);
        QCOMPARE(f.state.PictureList.upperBound(), 1);
        QVERIFY(OpenedWindow(f));
    }

    void mirrorsTheResultLabels() {
        Fixture f;
        modes::Form全屏 w(*f.form, f.state);
        w.show(); // laid out over the screen
        f.form->Label结果->setText(QStringLiteral("张三"));
        f.form->Label结果2->setText(QStringLiteral("李四"));
        QFont font(QStringLiteral("Serif"), 40);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        font.setStrikeOut(true);
        f.form->Label结果->setFont(font);
        f.state.RollingColor = 0xFF00; // green
        w.Timer刷新_Timer();
        QCOMPARE(w.Label结果->text(), QStringLiteral("张三"));
        QCOMPARE(w.Label结果2->text(), QStringLiteral("李四"));
        QCOMPARE(w.Label结果->font(), f.form->Label结果->font());
        QCOMPARE(w.Label结果2->font(), f.form->Label结果->font());
        QCOMPARE(TextColour(w.Label结果), QColor(0, 255, 0));
        w.Timer更新标题题_Timer();
        QCOMPARE(w.Label标题->text(), f.form->windowTitle());
    }

    void blinksFromTheFlashColourAndCopiesVisibility() {
        Fixture f;
        modes::Form全屏 w(*f.form, f.state);
        f.form->Label结果->hide();
        f.form->Label结果2->show();
        w.Timer闪_Timer();
        QCOMPARE(TextColour(w.Label结果2), QColor(255, 0, 0));
        QVERIFY(w.Label结果->isHidden());
        QVERIFY(!w.Label结果2->isHidden());
        w.Timer闪_Timer();
        QCOMPARE(TextColour(w.Label结果2), QColor(255, 255, 255));
    }

    void pictureSize_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("twice as wide as high") << QSize(200, 100) << QSize(410, 205);
        QTest::newRow("three times as high as wide") << QSize(100, 300) << QSize(102, 307);
        QTest::newRow("small ones are enlarged") << QSize(41, 30) << QSize(410, 300);
    }
    void pictureSize() {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        Fixture f;
        AddPicture(f, QStringLiteral("Tom"), picture);
        modes::Form全屏 w(*f.form, f.state);
        w.show();
        w.ShowPictureForName(QStringLiteral("tom"));
        QVERIFY(w.Image图片->isVisible());
        QCOMPARE(w.Image图片->size(), shown);
        QCOMPARE(w.Image图片->x(), (w.width() - shown.width()) / 2);
        QCOMPARE(w.Image图片->y(), w.Label结果->y() + w.Label结果->height() + 26); // 400 twips below
        QVERIFY(qAbs(w.Label结果->geometry().center().x() - w.Image图片->geometry().center().x()) <= 1);
    }

    void resultShowsWhole_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("shrinks");
        QTest::newRow("long name") << "司马相如长名字测试人员" << true;
        QTest::newRow("short name") << "张三" << false;
    }
    void resultShowsWhole() {
        QFETCH(QString, result);
        QFETCH(bool, shrinks);
        Fixture f;
        f.state.Options.AutoSetFontSize = true; // 115 points
        modes::Form全屏 w(*f.form, f.state);
        w.show();
        f.form->Label结果->setText(result);
        f.form->Label结果2->setText(result);
        w.Timer刷新_Timer();
        for (const QLabel* l : {w.Label结果, w.Label结果2}) {
            QVERIFY(QFontMetrics(l->font()).horizontalAdvance(result) <= l->width());
            QCOMPARE(l->font().pointSizeF() < f.form->Label结果->font().pointSizeF(), shrinks);
            QCOMPARE(l->font().family(), f.form->Label结果->font().family());
        }
    }

    void historyCornerIsLegible() {
        FullScreenFixture f;
        const QString longName = QStringLiteral("司马相如长名字测试人员");
        f.useNameFile(QStringLiteral("一班.txt"), longName.toUtf8() + "\r\n");
        modes::Form全屏 w(*f.form, f.state);
        w.show();
        for (int i = 0; i < 8; ++i) {
            w.Picture用于响应按键_KeyPress(32);
            w.Picture用于响应按键_KeyPress(32);
            f.form->CommandReset_Click(); // the one name comes back for the next draw
        }
        QCOMPARE(w.historyLines().size(), 8);
        const QStringList rows = w.Label历史记录->text().split(u'\n');
        QVERIFY(rows.size() >= 3);
        QVERIFY(rows.contains(longName)); // never broken inside the name
        const QFontMetrics metrics(w.Label历史记录->font());
        for (const QString& row : rows)
            QVERIFY2(metrics.horizontalAdvance(row) <= w.Label历史记录->width(), qPrintable(row));
        QVERIFY(rows.size() * metrics.lineSpacing() <= w.Label历史记录->height());
        QVERIFY(w.Label历史记录->geometry().bottom() < w.label操作提示->y()); // nothing under the key hint
        QVERIFY(w.Label历史记录->font().pointSize() >= 16);
    }

    void pictureOfTheDrawnCandidate_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<bool>("shown");
        QTest::newRow("names, case differs") << 1 << "TOM" << true;
        QTest::newRow("names, no picture") << 1 << "Ann" << false;
        QTest::newRow("numbers mode") << 0 << "Tom" << false;
    }
    void pictureOfTheDrawnCandidate() {
        QFETCH(int, mode);
        QFETCH(QString, drawn);
        QFETCH(bool, shown);
        Fixture f;
        AddPicture(f, QStringLiteral("Tom"), QSize(40, 30));
        f.form->Option抽取方式[mode]->setChecked(true);
        modes::Form全屏 w(*f.form, f.state);
        w.show();
        f.state.CurrentDrawText = drawn;
        f.form->Label结果->setText(QStringLiteral("*%*")); // a masked caption still finds the candidate
        w.Timer刷新_Timer();
        QCOMPARE(w.Image图片->isVisible(), shown);
    }

    void spaceStartsThenConfirms() {
        Fixture f;
        modes::Form全屏 w(*f.form, f.state);
        FullScreenFixture::showActive(w);
        QTest::keyClick(w.Picture用于响应按键, Qt::Key_Space);
        QVERIFY(!f.form->DrawStopped);
        QVERIFY(w.Label历史记录->isHidden());

        w.Picture用于响应按键_KeyPress(32);
        QVERIFY(f.form->DrawStopped);
        QCOMPARE(f.state.History.count(), 1);
        const QString line = core::RunHistory::formatLine(f.state.History.at(0));
        QVERIFY(line.startsWith(QStringLiteral("01 ")));
        QVERIFY(line.endsWith(f.form->Label结果2->text()));
        QCOMPARE(w.historyLines(), QStringList{line});
        QVERIFY(!w.Label历史记录->isHidden());

        w.Picture用于响应按键_KeyPress(32); // the next draw starts; no line
        QVERIFY(!f.form->DrawStopped);
        QCOMPARE(w.historyLines(), QStringList{line});
    }

    void undo_data() {
        QTest::addColumn<int>("confirmed");
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<bool>("undone");
        QTest::newRow("after two draws") << 2 << MsgResult::OK << true;
        QTest::newRow("declined") << 2 << MsgResult::Cancel << false;
        QTest::newRow("no record") << 0 << MsgResult::OK << false;
    }
    void undo() {
        QFETCH(int, confirmed);
        QFETCH(MsgResult, answer);
        QFETCH(bool, undone);
        Fixture f;
        for (int i = 0; i < confirmed; ++i)
            f.draw();
        modes::Form全屏 w(*f.form, f.state);
        FullScreenFixture::showActive(w);
        const QString line = confirmed ? core::RunHistory::formatLine(f.state.History.last()) : QString();
        const qsizetype messages = f.dialogs.messages.size();
        f.dialogs.answers << answer;
        QTest::keyClick(w.Picture用于响应按键, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.state.History.count(), undone ? confirmed - 1 : confirmed);
        QCOMPARE(w.historyLines(), undone ? QStringList{QStringLiteral("撤消: ") + line} : QStringList{});
        QCOMPARE(!w.Label历史记录->isHidden(), undone);
        if (confirmed == 0) QCOMPARE(f.dialogs.messages.size(), messages); // not even "nothing to undo"
    }

    void fontSizeKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<int>("change");
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << true << 5;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << true << -5;
        QTest::newRow("L alone") << int(Qt::Key_L) << false << 0;
    }
    void fontSizeKeys() {
        QFETCH(int, key);
        QFETCH(bool, ctrl);
        QFETCH(int, change);
        Fixture f;
        modes::Form全屏 w(*f.form, f.state);
        FullScreenFixture::showActive(w);
        const double before = f.form->Label结果->font().pointSizeF();
        QTest::keyClick(w.Picture用于响应按键, Qt::Key(key), ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(f.form->Label结果->font().pointSizeF(), before + change);
    }
};

QTEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
