#include "ui/Form1.h"

#include "core/NumberText.h"
#include "platform/system/WindowSearch.h"
#include "ui/WindowHelpers.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

namespace ui {

using core::MsgIcon;

namespace {

// Offsets of further windows stay on the screen's scale; more would only stack off it.
constexpr int kMaxInstances = 40;

} // namespace

void Form1::Delay(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

void Form1::Command开始分身_Click() {
    SaveSettings(); // the new copies start with the current settings
    const int n = std::clamp(int(core::RoundHalfEven(core::LeadingNumber(Text分身个数->text()))), 0, kMaxInstances);
    const QPoint at = frameGeometry().topLeft();
    for (int i = 1; i <= n && !exiting_; ++i) {
        const QStringList position = {QString::number(ToTwips(at.x()) + i * 800),
                                      QString::number(ToTwips(at.y()) + i * 600)};
        if (startProgram_) startProgram_(state_.AppFolder + QStringLiteral("Zandrel"), position);
        Delay(1);
    }
}

void Form1::menu_分身术多个抽取器同时工作_Click() {
    const auto answer = dialogs_.input(QStringLiteral("你希望有多少个抽取器同时工作？输入2-10的数字。"),
                                       core::kAppTitle, QStringLiteral("2"));
    const double n = core::RoundHalfEven(core::LeadingNumber(answer.value_or(QString())));
    if (n < 2 || n > 10) {
        message(QStringLiteral("你必须输入2-10的数字！"), MsgIcon::Critical);
        return;
    }
    Text分身个数->setText(QString::number(int(n) - 1));
    Command开始分身_Click();
}

void Form1::menu_窗口置于最前_Click() {
    SetWindowTopmost(this, false);
}

// From the full-screen window's pop-up menu the operator's window stays hidden behind the audience screen.
void Form1::menu_窗口最大化_Click() {
    if (!fullScreenOpen_) showMaximized();
}

void Form1::menu_窗口最小化_Click() {
    if (!fullScreenOpen_) showMinimized();
}

void Form1::menu_取消窗口置最前_Click() {
    SetWindowTopmost(this, true);
}

void Form1::Timer检测要不要自动伸缩窗口_Timer() {
    const QRect screen = ScreenRect();
    if (StartScreenWidth != 0 && ToTwips(screen.width()) != StartScreenWidth) {
        Timer检测要不要自动伸缩窗口->stop();
        message(QStringLiteral("检测到你的屏幕分辨率已经改变，现在自动重启本软件！"), MsgIcon::Exclamation);
        SaveDrawHistory(); // the restart must not lose the run's results
        Text分身个数->setText(QStringLiteral("1"));
        Command开始分身_Click();
        if (abortProcess_) abortProcess_();
        return;
    }
    if (windowState() != Qt::WindowNoState || !isVisible()) return;
    // Docked at the top or left edge, the window slides off but for a strip of 100 twips.
    const int strip = ToPixels(100);
    QRect g = frameGeometry();
    bool shown = false;
    bool hidden = false;
    // The window manager may keep more of a hidden window on the screen than asked: all of it brings it back.
    const QRect onScreen = windowFrame_(winId());
    if (IsCursorOverRect(onScreen.isEmpty() ? g : onScreen)) {
        if (g.top() < screen.top()) shown = true, g.moveTop(screen.top());
        if (g.left() < screen.left()) shown = true, g.moveLeft(screen.left());
    } else if (g.top() <= screen.top()) {
        if (g.top() != screen.top() - (g.height() - strip))
            hidden = true, g.moveTop(screen.top() - (g.height() - strip));
    } else if (g.left() <= screen.left()) {
        if (g.left() != screen.left() - (g.width() - strip))
            hidden = true, g.moveLeft(screen.left() - (g.width() - strip));
    }
    if (shown || hidden) move(g.topLeft());
    if (shown) {
        activateWindow();
        SetWindowTopmost(this, false);
    }
    if (hidden) {
        const quintptr self = winId();
        quintptr show = platform::FindWindowByTitlePart(self, QStringLiteral("PowerPoint 幻灯片放映"));
        if (!show) show = platform::FindWindowByTitlePart(self, QStringLiteral("Microsoft PowerPoint"));
        if (show) platform::ActivateWindow(show);
    }
}

} // namespace ui
