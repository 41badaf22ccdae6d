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

// The simple view is as wide as the display of the design.
constexpr int kSimpleViewWidth = 15000; // twips
// Until a window manager has framed the window, room is kept for a title bar of this height.
constexpr int kTitleBarAllowance = 30; // pixels
// and for a border of this width on each side.
constexpr int kBorderAllowance = 2; // pixels

} // namespace

int Form1::gripPixels(int displayTwips) const {
    // From the load-time sizes each time, so that growing and shrinking never drift.
    return std::max(1, qRound(double(BaseGripHeight) * displayTwips / BaseDisplayHeight / kTwipsPerPixel));
}

int Form1::simpleClientHeight(int displayTwips) const {
    // The menu bar, the display with its grip and the centre buttons, from their own sizes.
    const QLayout* layout = centralWidget()->layout();
    const QMargins m = layout->contentsMargins();
    return menuBar()->sizeHint().height() + m.top() + ToPixels(displayTwips) + layout->spacing() +
           gripPixels(displayTwips) + layout->spacing() + Frame中央按钮->sizeHint().height() + m.bottom();
}

int Form1::simpleClientHeight() const {
    return simpleClientHeight(DisplayHeight);
}

int Form1::fittingDisplayHeight(int h, bool advanced) const {
    const int chrome = std::max(ChromeHeight(this), kTitleBarAllowance);
    const int room = WorkArea().height() - chrome;
    const int lower =
        advanced ? centralWidget()->layout()->spacing() + Frame装着下部所有东西的容器->minimumSizeHint().height() : 0;
    // Down to the next smaller step (a whole multiple of the load-time height) until the window fits.
    while (h > BaseDisplayHeight && simpleClientHeight(h) + lower > room)
        h = h % BaseDisplayHeight ? h / BaseDisplayHeight * BaseDisplayHeight : h - BaseDisplayHeight;
    return std::max(h, BaseDisplayHeight);
}

void Form1::showDisplayHeight(int h) {
    Image底图Middle->setFixedHeight(ToPixels(h));
    Image改变显示框高度->setFixedHeight(gripPixels(h));
    DisplayHeight = h;
    centralWidget()->layout()->activate();
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
        // A display too tall for the panels below gives way to the next smaller one.
        const int h = fittingDisplayHeight(ChosenDisplayHeight, true);
        if (h != DisplayHeight) showDisplayHeight(h);
        // Shown before maximising: the growth it asks for would otherwise undo the maximised state.
        Frame装着下部所有东西的容器->show();
        setWindowState(Qt::WindowMaximized);
        Frame批量抽取->Option批量抽取的方式_Click(0);
        Command显示批量抽取->setProperty("Tag", QStringLiteral("1"));
        Command显示批量抽取->setText(QStringLiteral("<<简洁"));
        return;
    }
    // The simple view is the display and the centre buttons, in a window of just that size.
    Frame装着下部所有东西的容器->hide();
    // The chosen height again, as far as the simple window has room for it.
    const int h = fittingDisplayHeight(ChosenDisplayHeight, false);
    if (h != DisplayHeight) showDisplayHeight(h);
    // Recompute the minimum sizes now, or the old ones would hold the window tall.
    centralWidget()->layout()->activate();
    layout()->activate();
    const QRect area = WorkArea();
    resize(std::min(ToPixels(kSimpleViewWidth), area.width() - (frameGeometry().width() - width())),
           simpleClientHeight());
    Command显示批量抽取->setProperty("Tag", QStringLiteral("0"));
    Command显示批量抽取->setText(QStringLiteral("高级>>"));
    const QSize frame = frameGeometry().size();
    move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
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
    // A further picker stays where its command line put it, beside the others, but stops at the screen's edges.
    // Placed once shown, when the frame's borders are known.
    if (commandLinePosition_ && !isAdvancedView()) {
        const QRect area = WorkArea();
        const int frameWidth = std::max(frameGeometry().width(), width() + 2 * kBorderAllowance);
        const int frameHeight = height() + std::max(ChromeHeight(this), kTitleBarAllowance);
        move(std::clamp(commandLinePosition_->x(), area.left(), std::max(area.left(), area.right() + 1 - frameWidth)),
             std::clamp(commandLinePosition_->y(), area.top(), std::max(area.top(), area.bottom() + 1 - frameHeight)));
    }
}

void Form1::SetDisplayHeight(int h) {
    const int old = DisplayHeight;
    ChosenDisplayHeight = h;
    showDisplayHeight(fittingDisplayHeight(h, isAdvancedView()));
    QCoreApplication::processEvents();
    // A simple window takes the new height, re-fitted and centred; so does a window too low for it.
    if ((!isAdvancedView() && DisplayHeight != old) || height() < simpleClientHeight()) SetAdvancedView(false);
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
        SetDisplayHeight(std::clamp(DisplayHeight + delta, BaseDisplayHeight, 4 * BaseDisplayHeight));
        DisplayGripDragging = false;
    }
    return false;
}

} // namespace ui
