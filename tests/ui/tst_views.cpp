#include "Form1Fixture.h"

#include <QFrame>
#include <QMenu>
#include <QMouseEvent>

namespace {

void Drag(QWidget* grip, int fromY, int toY) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, fromY), grip->mapToGlobal(QPointF(5, fromY)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grip, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, toY), grip->mapToGlobal(QPointF(5, toY)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grip, &release);
}

} // namespace

class TestViews : public QObject {
    Q_OBJECT
private slots:
    void startsInTheSimpleView() {
        Fixture f({}, false);
        ui::Form1 form(f.state, f.dialogs, f.rng);
        QVERIFY(form.Form_Load(QString()));
        QTRY_VERIFY(form.isVisible());
        QVERIFY(!form.isAdvancedView());
        QCOMPARE(form.Command显示批量抽取->text(), QStringLiteral("高级>>"));
        QVERIFY(form.Frame装着下部所有东西的容器->isHidden());
        QVERIFY(form.height() < 500); // just the display and the centre buttons
    }

    void toggleTwiceReturnsRecentred() {
        Fixture f;
        f.form->SetAdvancedView(false);
        const QPoint centred = f.form->pos();
        QTest::mouseClick(f.form->Command显示批量抽取, Qt::LeftButton);
        QVERIFY(f.form->isAdvancedView());
        QCOMPARE(f.form->Command显示批量抽取->text(), QStringLiteral("<<简洁"));
        QVERIFY(f.form->windowState() & Qt::WindowMaximized);
        QVERIFY(!f.form->Frame装着下部所有东西的容器->isHidden());
        f.form->move(10, 10);
        QTest::mouseClick(f.form->Command显示批量抽取, Qt::LeftButton);
        QVERIFY(!f.form->isAdvancedView());
        QCOMPARE(f.form->pos(), centred);
    }

    void largerDisplayGrowsTheSimpleWindow() {
        Fixture f;
        f.form->SetAdvancedView(false);
        const int before = f.form->height();
        f.form->menu_显示框大小_sub_Click(2);
        QCOMPARE(f.form->DisplayHeight, 2 * f.form->BaseDisplayHeight);
        QCOMPARE(f.form->Image底图Middle->height(), 2 * f.form->BaseDisplayHeight / 15);
        QCOMPARE(f.form->Image改变显示框高度->height(), 16); // the grip grows with the display
        QVERIFY(f.form->height() > before);
        QVERIFY(!f.form->isAdvancedView());
    }

    void gripStaysBetweenOneAndFourTimes_data() {
        QTest::addColumn<int>("dragPixels");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("atMost");
        QTest::newRow("far up stops at the load-time height") << -500 << 1 << 1;
        // Four times at most, less where the screen has no room for it.
        QTest::newRow("far down stops at four times") << 5000 << 2 << 4;
    }
    void gripStaysBetweenOneAndFourTimes() {
        QFETCH(int, dragPixels);
        QFETCH(int, atLeast);
        QFETCH(int, atMost);
        Fixture f;
        f.form->SetAdvancedView(false);
        Drag(f.form->Image改变显示框高度, 2, 2 + dragPixels);
        QVERIFY(f.form->DisplayHeight >= atLeast * f.form->BaseDisplayHeight);
        QVERIFY(f.form->DisplayHeight <= atMost * f.form->BaseDisplayHeight);
    }

    void gripDragDownAndBackKeepsTheSizes() {
        Fixture f;
        f.form->SetAdvancedView(false);
        f.form->menu_显示框大小_sub_Click(2);
        const int display = f.form->DisplayHeight;
        const int grip = f.form->Image改变显示框高度->height();
        for (int i = 0; i < 5; ++i) {
            Drag(f.form->Image改变显示框高度, 2, 9);
            QCOMPARE(f.form->DisplayHeight, display + ui::ToTwips(7));
            Drag(f.form->Image改变显示框高度, 9, 2);
        }
        QCOMPARE(f.form->DisplayHeight, display);
        QCOMPARE(f.form->Image改变显示框高度->height(), grip);
        QCOMPARE(f.form->Image底图Middle->height(), ui::ToPixels(display));
    }

    void displayHeightSurvivesARestart() {
        Fixture f;
        f.form->SetAdvancedView(false);
        f.form->menu_显示框大小_sub_Click(2);
        f.form->CommandExit_Click();
        ui::Form1 form(f.state, f.dialogs, f.rng);
        QVERIFY(form.Form_Load(QString()));
        QCOMPARE(form.DisplayHeight, 2 * form.BaseDisplayHeight);
    }

    void resultLabelsOfferTheDisplayMenu() {
        Fixture f;
        QCOMPARE(f.form->Label结果->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(f.form->Label结果2->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(f.form->menu_显示->title(), QStringLiteral("显示"));
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
