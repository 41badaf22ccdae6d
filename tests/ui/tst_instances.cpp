#include "Form1Fixture.h"

#include <QCursor>
#include <QFile>
#include <QLineEdit>

using core::MsgIcon;

namespace {

struct Started {
    QString program;
    QStringList args;
};

// A main window in the simple view that records the programs it starts.
struct InstanceFixture : Fixture {
    QList<Started> started;
    InstanceFixture() {
        form->setProgramStarter([this](const QString& p, const QStringList& a) { started << Started{p, a}; });
        form->SetAdvancedView(false);
    }
};

} // namespace

class TestInstances : public QObject {
    Q_OBJECT
private slots:
    void furtherWindowsStepDownAndRight() {
        InstanceFixture f;
        f.form->move(100, 40); // 1500 and 600 twips
        f.form->Text分身个数->setText(QStringLiteral("2"));
        f.form->Command开始分身_Click();
        QCOMPARE(f.started.size(), 2);
        QCOMPARE(f.started[0].program, f.folder.file(QStringLiteral("Zandrel")));
        QCOMPARE(f.started[0].args, (QStringList{"2300", "1200"}));
        QCOMPARE(f.started[1].args, (QStringList{"3100", "1800"}));
        QVERIFY(QFile::exists(f.folder.file(QStringLiteral("SettingA.vq")))); // saved first
    }

    void furtherInstanceKeepsItsCommandLinePosition_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("second picker") << "1800 1100" << QPoint(120, 73);
        QTest::newRow("third picker") << "2600 1700" << QPoint(173, 113);
        QTest::newRow("none given: centred") << "" << QPoint(-1, -1);
    }
    void furtherInstanceKeepsItsCommandLinePosition() {
        QFETCH(QString, commandLine);
        QFETCH(QPoint, at);
        Fixture f({}, false);
        ui::Form1 form(f.state, f.dialogs, f.rng);
        QVERIFY(form.Form_Load(commandLine));
        QTRY_VERIFY(form.isVisible());
        QVERIFY(!form.isAdvancedView());
        if (at.x() < 0)
            QVERIFY(qAbs(form.frameGeometry().center().x() - ui::WorkArea().center().x()) <= 3); // frame unknown yet
        else
            QCOMPARE(form.frameGeometry().topLeft(), at); // the copies stand side by side
    }

    void askingForTheNumberOfPickers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("started");
        QTest::newRow("1 is too few") << "1" << -1;
        QTest::newRow("11 is too many") << "11" << -1;
        QTest::newRow("beyond 16 bits") << "99999999" << -1;
        QTest::newRow("2 starts one more") << "2" << 1;
        QTest::newRow("3 starts two more") << "3" << 2;
    }
    void askingForTheNumberOfPickers() {
        QFETCH(QString, answer);
        QFETCH(int, started);
        InstanceFixture f;
        f.dialogs.inputAnswers << answer;
        f.form->menu_分身术多个抽取器同时工作_Click();
        QCOMPARE(f.dialogs.inputs[0].prompt, QStringLiteral("你希望有多少个抽取器同时工作？输入2-10的数字。"));
        QCOMPARE(f.dialogs.inputs[0].defaultText, QStringLiteral("2"));
        if (started < 0) {
            QCOMPARE(f.dialogs.texts(), QStringList{"你必须输入2-10的数字！"});
            QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Critical);
            QVERIFY(f.started.isEmpty());
        } else {
            QCOMPARE(f.started.size(), started);
        }
    }

    void windowAtTheTopEdgeSlidesOffAndBack() {
        InstanceFixture f;
        const QRect screen = ui::ScreenRect();
        f.form->move(300, screen.top());
        QCursor::setPos(screen.right() - 5, screen.bottom() - 5);
        f.form->Timer检测要不要自动伸缩窗口_Timer();
        const int height = f.form->frameGeometry().height();
        QCOMPARE(f.form->frameGeometry().top(), screen.top() - (height - 100 / 15));
        QCOMPARE(f.form->frameGeometry().left(), 300);

        QCursor::setPos(310, f.form->frameGeometry().bottom() - 1); // over the strip left on screen
        f.form->Timer检测要不要自动伸缩窗口_Timer();
        QCOMPARE(f.form->frameGeometry().top(), screen.top());
        QVERIFY(f.form->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void wholeStripKeptByTheWindowManagerBringsItBack() {
        InstanceFixture f;
        // The window manager keeps 37 pixels of a window at the top on the screen, whatever was asked.
        f.form->setWindowFrameProbe([&f](quintptr) {
            QRect frame = f.form->frameGeometry();
            if (frame.bottom() < 36) frame.moveBottom(36);
            return frame;
        });
        const QRect screen = ui::ScreenRect();
        f.form->move(300, screen.top());
        QCursor::setPos(screen.right() - 5, screen.bottom() - 5);
        f.form->Timer检测要不要自动伸缩窗口_Timer();
        QVERIFY(f.form->frameGeometry().top() < screen.top());
        QCursor::setPos(310, 30); // in the strip the window manager left, below the one asked for
        f.form->Timer检测要不要自动伸缩窗口_Timer();
        QCOMPARE(f.form->frameGeometry().top(), screen.top());
    }

    void windowAtTheLeftEdgeSlidesLeft() {
        InstanceFixture f;
        const QRect screen = ui::ScreenRect();
        f.form->move(screen.left(), 200);
        QCursor::setPos(screen.right() - 5, screen.bottom() - 5);
        f.form->Timer检测要不要自动伸缩窗口_Timer();
        QCOMPARE(f.form->frameGeometry().left(), screen.left() - (f.form->frameGeometry().width() - 100 / 15));
        QCOMPARE(f.form->frameGeometry().top(), 200);
    }

    void maximisedWindowsNeverSlide() {
        InstanceFixture f;
        f.form->SetAdvancedView(true);
        const QPoint at = f.form->pos();
        QCursor::setPos(1200, 700);
        f.form->Timer检测要不要自动伸缩窗口_Timer();
        QCOMPARE(f.form->pos(), at);
    }
};

QTEST_MAIN(TestInstances)
#include "tst_instances.moc"
