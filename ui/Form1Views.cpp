#include "ui/Form1.h"

#include "ui/BatchPanel.h"
#include "ui/WindowHelpers.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace ui {

namespace {

// Title bar and borders: what the window has around its client area.
int ChromeHeight(const QWidget* w) {
    return w->frameGeometry().height() - w->height();
}

} // namespace

int Form1::simpleClientHeight() const {
    // The menu bar, the display with its grip and the centre buttons, from their own sizes.
    const QLayout* layout = centralWidget()->layout();
    const QMargins m = layout->contentsMargins();
    return menuBar()->sizeHint().height() + m.top() + Image底图Middle->height() + layout->spacing() +
           Image改变显示框高度->height() + layout->spacing() + Frame中央按钮->sizeHint().height() + m.bottom();
}

bool Form1::isAdvancedView() const {
    return Command显示批量抽取->property("Tag").toString() == QStringLiteral("1");
}

void Form1::Command显示批量抽取_Click() {
    SetAdvancedView(!isAdvancedView());
}

void Form1::SetAdvancedView(bool advanced) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) {
        setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents(); // let the restored geometry arrive before ours
    }
    if (advanced) {
        Frame装着下部所有东西的容器->hide();
        // Where no window manager maximises, the window still fills the screen.
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) setGeometry(screen->availableGeometry());
        setWindowState(Qt::WindowMaximized);
        Frame装着下部所有东西的容器->show();
        Frame批量抽取->Option批量抽取的方式_Click(0);
        Command显示批量抽取->setProperty("Tag", QStringLiteral("1"));
        Command显示批量抽取->setText(QStringLiteral("<<简洁"));
        return;
    }
    // The simple view is the display and the centre buttons, in a window of just that height.
    Frame装着下部所有东西的容器->hide();
    // Recompute the minimum sizes now, or the old ones would hold the window tall.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), simpleClientHeight());
    Command显示批量抽取->setProperty("Tag", QStringLiteral("0"));
    Command显示批量抽取->setText(QStringLiteral("高级>>"));
    const QRect screen = ScreenRect();
    move(screen.x() + (screen.width() - frameGeometry().width()) / 2,
         screen.y() + (screen.height() - frameGeometry().height()) / 2);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    deriveViewToggle();
}

void Form1::deriveViewToggle() {
    // The toggle follows from the height alone: room for more than the centre buttons means advanced.
    const int bound = ChromeHeight(this) + simpleClientHeight() + ToPixels(1000);
    const bool advanced = bound < frameGeometry().height();
    Command显示批量抽取->setProperty("Tag", advanced ? QStringLiteral("1") : QStringLiteral("0"));
    Command显示批量抽取->setText(advanced ? QStringLiteral("<<简洁") : QStringLiteral("高级>>"));
}

void Form1::TimerShowAdvance_Timer() {
    TimerShowAdvance->stop();
    Command显示批量抽取_Click();
    show();
}

void Form1::SetDisplayHeight(int h) {
    const int old = Image底图Middle->height();
    Image底图Middle->setFixedHeight(ToPixels(h));
    if (old > 0)
        Image改变显示框高度->setFixedHeight(
            std::max(1, Image改变显示框高度->height() * Image底图Middle->height() / old));
    DisplayHeight = h;
    centralWidget()->layout()->activate();
    QCoreApplication::processEvents();
    // A taller display no longer fits the simple window, nor the advanced one once the
    // panels below would leave the screen: the simple view takes it, re-fitted and centred.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - ChromeHeight(this) : height();
    const bool grows = Image底图Middle->height() > old;
    if ((!isAdvancedView() && grows) ||
        simpleClientHeight() + Frame装着下部所有东西的容器->minimumSizeHint().height() > room)
        SetAdvancedView(false);
}

void Form1::menu_显示框大小_sub_Click(int index) {
    SetDisplayHeight(BaseDisplayHeight * index);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Image改变显示框高度) return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        DisplayGripDragging = true;
        DisplayGripStartY = ToTwips(static_cast<QMouseEvent*>(event)->position().toPoint().y());
    } else if (event->type() == QEvent::MouseButtonRelease && DisplayGripDragging) {
        const int delta = ToTwips(static_cast<QMouseEvent*>(event)->position().toPoint().y()) - DisplayGripStartY;
        SetDisplayHeight(
            std::clamp(ToTwips(Image底图Middle->height()) + delta, BaseDisplayHeight, 4 * BaseDisplayHeight));
        DisplayGripDragging = false;
    }
    return false;
}

} // namespace ui
