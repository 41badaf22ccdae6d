// The main window on the screens of a classroom: run once per screen size.
#include "Form1Fixture.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

// What a window manager adds above the window: a title bar of this height
// must still leave the whole window on the screen.
constexpr int kTitleBar = 30;

QRect Available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Names the visible controls that are cut by the window or the screen.
QStringList ControlsOffScreen(const QWidget* window) {
    QStringList off;
    const QRect screen = Available();
    const QRect inside(window->mapToGlobal(QPoint(0, 0)), window->size());
    const auto children = window->findChildren<QWidget*>();
    for (const QWidget* w : children) {
        if (!w->isVisibleTo(window) || w->isWindow() || w->width() <= 0) continue;
        const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
        if (!screen.contains(r) || !inside.contains(r))
            off << QStringLiteral("%1 %2 at %3,%4 %5x%6")
                       .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height());
    }
    return off;
}

void VerifyWholeOnScreen(const QWidget* window) {
    // A maximised window's title bar is inside the screen; a normal one's is above the client area.
    // The window system places the window after the call: wait for it.
    auto titled = [window] {
        const int titleBar = window->isMaximized() ? 0 : kTitleBar;
        return window->geometry().adjusted(0, -titleBar, 0, 0);
    };
    QTRY_VERIFY2(Available().contains(titled()), qPrintable(QStringLiteral("window %1,%2 %3x%4")
                                                                .arg(titled().x())
                                                                .arg(titled().y())
                                                                .arg(titled().width())
                                                                .arg(titled().height())));
    const QStringList off = ControlsOffScreen(window);
    QVERIFY2(off.isEmpty(), qPrintable(off.join(u'\n')));
}

// The main window as the program starts it, in the simple view.
std::unique_ptr<ui::Form1> Started(Fixture& f, const QString& commandLine = {}) {
    auto form = std::make_unique<ui::Form1>(f.state, f.dialogs, f.rng);
    if (!form->Form_Load(commandLine)) return nullptr;
    if (!QTest::qWaitFor([&] { return form->isVisible(); })) return nullptr;
    return form;
}

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void simpleViewComesBackAtItsOwnSize_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("toggle") << "toggle";
        QTest::newRow("view menu") << "menu";
        QTest::newRow("corner command") << "corner";
    }
    void simpleViewComesBackAtItsOwnSize() {
        QFETCH(QString, way);
        Fixture f({}, false);
        auto form = Started(f);
        QVERIFY(form);
        QVERIFY(!form->isAdvancedView());
        const QRect simple = form->frameGeometry();
        VerifyWholeOnScreen(form.get());

        form->SetAdvancedView(true);
        QVERIFY(form->isAdvancedView());
        if (way == QStringLiteral("toggle"))
            QTest::mouseClick(form->Command显示批量抽取, Qt::LeftButton);
        else if (way == QStringLiteral("menu"))
            form->SetAdvancedView(false);
        else
            form->menu_窗口移至右下角_Click();
        QVERIFY(!form->isAdvancedView());
        const QRect frame = form->frameGeometry();
        QCOMPARE(frame.size(), simple.size());
        const QRect screen = Available();
        if (way == QStringLiteral("corner")) {
            QCOMPARE(frame.right() + 1, screen.right() + 1 - ui::ToPixels(50));
            QCOMPARE(frame.bottom() + 1, screen.bottom() + 1 - ui::ToPixels(400));
        } else {
            QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
            QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
        }
        VerifyWholeOnScreen(form.get());
    }

    void advancedViewKeepsEveryControlOnScreen_data() {
        QTest::addColumn<int>("savedTimes");
        QTest::newRow("1X") << 1;
        QTest::newRow("2X saved") << 2;
        QTest::newRow("3X saved") << 3;
    }
    void advancedViewKeepsEveryControlOnScreen() {
        QFETCH(int, savedTimes);
        Fixture f;
        f.form->menu_显示框大小_sub_Click(savedTimes);
        f.restart();
        QVERIFY(f.form->isAdvancedView());
        VerifyWholeOnScreen(f.form.get());
        // Room for a title bar also where the window manager maximises under one.
        QVERIFY(f.form->minimumSizeHint().height() + kTitleBar <= Available().height());
    }

    void displayHeightOnlyWhereTheWindowFits_data() {
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<int>("times");
        for (bool advanced : {false, true})
            for (int times = 1; times <= 3; ++times)
                QTest::addRow("%s %dX", advanced ? "advanced" : "simple", times) << advanced << times;
    }
    void displayHeightOnlyWhereTheWindowFits() {
        QFETCH(bool, advanced);
        QFETCH(int, times);
        Fixture f;
        f.form->SetAdvancedView(advanced);
        f.form->menu_显示框大小_sub_Click(times);
        VerifyWholeOnScreen(f.form.get());
        const int base = f.form->BaseDisplayHeight;
        const int shown = f.form->DisplayHeight;
        QCOMPARE(shown % base, 0); // a smaller step, never a height in between
        QVERIFY(shown <= times * base);
        QCOMPARE(f.form->Image底图Middle->height(), ui::ToPixels(shown));
        if (times == 1 || (times == 2 && !advanced)) QCOMPARE(shown, times * base); // room on every screen
        for (QWidget* w : {static_cast<QWidget*>(f.form->Command开始), static_cast<QWidget*>(f.form->Command确定),
                           static_cast<QWidget*>(f.form->CommandExit)})
            QVERIFY(w->isVisible());
    }

    // The copies "分身术" starts stand beside each other where the screen has room, whole on it where not.
    void furtherPickerStaysWholeOnTheScreen_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("room for it") << "150 1200" << QPoint(10, 80);
        QTest::newRow("fourth picker of 1024 x 768") << "2580 5190" << QPoint(-1, -1);
        QTest::newRow("far right and low") << "99999 99999" << QPoint(-1, -1);
    }
    void furtherPickerStaysWholeOnTheScreen() {
        QFETCH(QString, commandLine);
        QFETCH(QPoint, at);
        Fixture f({}, false);
        auto form = Started(f, commandLine);
        QVERIFY(form);
        QVERIFY(!form->isAdvancedView());
        if (at.x() >= 0) QCOMPARE(form->frameGeometry().topLeft(), at);
        VerifyWholeOnScreen(form.get());
    }

    // The advanced view may show a smaller display; the simple view shows the chosen one again.
    void chosenDisplayHeightOutlivesTheAdvancedView_data() {
        QTest::addColumn<bool>("restart");
        QTest::newRow("back to simple") << false;
        QTest::newRow("exit in the advanced view, start again") << true;
    }
    void chosenDisplayHeightOutlivesTheAdvancedView() {
        QFETCH(bool, restart);
        Fixture f;
        f.form->SetAdvancedView(false);
        f.form->menu_显示框大小_sub_Click(2);
        const int base = f.form->BaseDisplayHeight;
        QCOMPARE(f.form->DisplayHeight, 2 * base); // room for it in the simple view on every screen
        f.form->SetAdvancedView(true);
        VerifyWholeOnScreen(f.form.get());
        if (restart) f.restart();
        f.form->SetAdvancedView(false);
        QCOMPARE(f.form->DisplayHeight, 2 * base);
        QCOMPARE(f.form->Image底图Middle->height(), ui::ToPixels(2 * base));
        VerifyWholeOnScreen(f.form.get());
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
