#pragma once
#include "modes/FullScreenWindow.h"

#include <array>

class QFrame;
class QTextEdit;

namespace modes {

// The full-screen window of the question mode: the drawn number, the question
// with its points and remaining answer time, and the answer once published,
// all copied from the main window's question panel.
class Form抽题时全屏 : public FullScreenWindow {
public:
    Form抽题时全屏(ui::Form1& form, const core::AppState& state);

    // Adds Ctrl+A (code 1): publish the answer.
    void Picture用于响应按键_KeyPress(quint16 code) override;

    std::array<QTextEdit*, 3> RichTextBox题目信息; // 0 answer, 1 analysis, 2 question, as in the main window
    QFrame* Frame正确答案及解析;
    QLabel* Label题目信息;
    QLabel* Label答题剩余时间;

protected:
    void placeContent() override;
    void refreshContent() override;

private:
    std::array<bool, 3> stale_{true, true, true};
};

} // namespace modes
