#pragma once
#include "core/QuestionBank.h"

#include <QFrame>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimer;

namespace ui {

// The question mode: the drawn question with its points and time limit, the
// answer countdown, publishing the answer and the running total of points.
class QuestionPanel : public QFrame {
public:
    // playSound plays a sound of the program folder by name, unless muted.
    QuestionPanel(std::function<void(const QString&)> playSound, QWidget* parent = nullptr);

    // What Start (and a reset) clears and Confirm shows.
    void clearForStart();
    void showQuestion(const QString& number, const core::QuestionItem* item);

    void Command公布答案_Click();
    void Command题目分数处理_Click(int index);
    void Text题目信息_Change(int index);
    void Timer答题计时_Timer();

    QByteArray CurQuestionText; // RTF
    QByteArray CurAnswerText;
    QByteArray CurAnalysisText;
    double CurQuestionScore = 0;
    qint16 CurTimeLimit = 0;
    qint16 AnswerSeconds = 0;

    std::array<QLineEdit*, 3> Text题目信息;
    std::array<QTextEdit*, 3> RichTextBox题目信息; // 0 answer, 1 analysis, 2 question
    QLabel* Label答题剩余时间;
    QPushButton* Command公布答案;
    QFrame* Frame正确答案及解析;
    std::array<QPushButton*, 4> Command题目分数处理;
    QLineEdit* Text抽题总得分;
    QTimer* Timer答题计时;

private:
    std::function<void(const QString&)> playSound_;
};

} // namespace ui
