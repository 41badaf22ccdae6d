#pragma once
#include <QStringList>
#include <QWidget>

class QLabel;
class QTimer;

namespace core {
struct AppState;
}

namespace ui {
class Form1;
}

namespace modes {

// What both full-screen windows share. They draw nothing of their own: their
// timers copy the main window's result display, and the operator's keys go to
// the main window's public handlers, so one draw cycle serves both windows.
class FullScreenWindow : public QWidget {
public:
    // Captions, font and colour of the result labels.
    void Timer刷新_Timer();
    // Focus, blinking and visibility.
    void Timer闪_Timer();
    // The main window's caption.
    void Timer更新标题题_Timer();
    // By character code, as a key press gives it (Ctrl+A to Ctrl+Z as 1 to 26).
    virtual void Picture用于响应按键_KeyPress(quint16 code);

    // The lines the history corner shows, newest first.
    const QStringList& historyLines() const { return historyLines_; }

    QWidget* Picture用于响应按键;
    QLabel* Label结果;
    QLabel* Label结果2;
    QLabel* Label标题;
    QLabel* Label历史记录;
    QLabel* label操作提示;
    QLabel* Image1; // hidden; holds the background picture
    QTimer* Timer刷新;
    QTimer* Timer闪;
    QTimer* Timer更新标题题;

protected:
    FullScreenWindow(ui::Form1& form, const core::AppState& state, const QString& objectName, const QString& keyHint);

    // Places what only this window has; the window covers the screen.
    virtual void placeContent() = 0;
    virtual void Label结果_Change() {}
    // Runs on every Timer刷新 tick after the result labels.
    virtual void refreshContent() {}

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    ui::Form1& form_;
    const core::AppState& state_;

private:
    void prependHistory(const QString& line);
    void showHistory();
    void copyVisibility();
    void setMainFontSize(int points);

    bool blinkPhase_ = false;
    QStringList historyLines_;
};

} // namespace modes
