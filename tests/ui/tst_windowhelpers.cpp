#include "platform/system/Processes.h"
#include "platform/system/ShellOpen.h"
#include "ui/WindowHelpers.h"

#include <QComboBox>
#include <QCursor>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TestWindowHelpers : public QObject {
    Q_OBJECT
private slots:
    void topmost() {
        QWidget w;
        ui::SetWindowTopmost(&w, false);
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        ui::SetWindowTopmost(&w, true);
        QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void topmostKeepsAShownWindowShown() {
        QWidget w;
        w.show();
        ui::SetWindowTopmost(&w, false);
        QVERIFY(w.isVisible());
    }

    void cursorOverFormIncludesTheEdges_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("over");
        QTest::newRow("inside") << QPoint(10, 10) << true;
        QTest::newRow("right and bottom edge") << QPoint(0, 0) << true; // offset from the far corner below
        QTest::newRow("beyond the right edge") << QPoint(1, 0) << false;
        QTest::newRow("beyond the bottom edge") << QPoint(0, 1) << false;
    }
    void cursorOverFormIncludesTheEdges() {
        QFETCH(QPoint, offset);
        QFETCH(bool, over);
        QWidget w;
        w.setGeometry(100, 100, 200, 150);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect g = w.frameGeometry();
        const QPoint p = offset == QPoint(10, 10) ? g.topLeft() + offset
                                                  : QPoint(g.left() + g.width(), g.top() + g.height()) + offset;
        QCursor::setPos(p);
        QCOMPARE(ui::IsCursorOverForm(&w), over);
    }

    void moveToScreenFraction() {
        QWidget w;
        ui::MoveToScreenFraction(&w, {0.25, 0.5, 0.5, 0.25});
        const QRect s = ui::ScreenRect();
        QCOMPARE(w.geometry(), QRect(s.width() / 4, s.height() / 2, s.width() / 2, s.height() / 4));
    }

    void formLoadedByNameIgnoringCase() {
        QWidget w;
        w.setObjectName(QStringLiteral("Form选项"));
        QVERIFY(ui::IsFormLoaded(QStringLiteral("form选项")));
        QVERIFY(!ui::IsFormLoaded(QStringLiteral("Form项目设置")));
    }

    void selectListItemRaisesTheHandler() {
        QComboBox box;
        box.addItems({QStringLiteral("ABC"), QStringLiteral("x")});
        int clicks = 0;
        connect(&box, &QComboBox::activated, this, [&] { ++clicks; });
        QVERIFY(ui::SelectListItem(&box, QStringLiteral("abc"), false));
        QCOMPARE(box.currentIndex(), 0);
        QCOMPARE(clicks, 1);
        QVERIFY(!ui::SelectListItem(&box, QStringLiteral("abc"), true));
        QCOMPARE(clicks, 1);
    }

    void shortPath() {
        QTemporaryDir dir;
        QCOMPARE(platform::GetShortPath(dir.filePath(QStringLiteral("missing"))), QString());
        QCOMPARE(platform::GetShortPath(dir.path()), dir.path());
    }

    void waitForProcessEnd() {
        platform::WaitForProcessEnd(0); // no such process: returns at once
        qint64 pid = 0;
        // Detached, so it is not our child and nothing of ours reaps it.
        QVERIFY(QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("0.3")}, QString(), &pid));
        QVERIFY(platform::ProcessExists(pid));
        platform::WaitForProcessEnd(pid);
        QVERIFY(!platform::ProcessExists(pid));
    }
};

QTEST_MAIN(TestWindowHelpers)
#include "tst_windowhelpers.moc"
