#include "ui/QuestionPanel.h"

#include "core/NumberText.h"
#include "platform/richtext/Rtf.h"

#include "ui/WindowHelpers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

void ShowRtf(QTextEdit* box, const QByteArray& rtf) {
    box->clear();
    if (!rtf.isEmpty()) platform::ReadRtf(rtf, box->document());
}

} // namespace

QuestionPanel::QuestionPanel(std::function<void(const QString&)> playSound, QWidget* parent)
    : QFrame(parent), playSound_(std::move(playSound)) {
    setObjectName(QStringLiteral("Frame抽题后的答案解析等公布"));
    auto* grid = new QGridLayout(this);
    const QString infoTexts[] = {QStringLiteral("待定"), QStringLiteral("0"), QStringLiteral("0")};
    for (int i = 0; i < 3; ++i) {
        Text题目信息[i] = Named(new QLineEdit(infoTexts[i], this), QStringLiteral("Text题目信息%1").arg(i));
        Text题目信息[i]->setMaximumWidth(90);
    }
    grid->addWidget(Named(new QLabel(QStringLiteral("题号："), this), QStringLiteral("Label12")), 0, 0);
    grid->addWidget(Text题目信息[0], 0, 1);
    grid->addWidget(Named(new QLabel(QStringLiteral("分值："), this), QStringLiteral("Label16")), 0, 2);
    grid->addWidget(Text题目信息[1], 0, 3);
    grid->addWidget(Named(new QLabel(QStringLiteral("限时：       秒"), this), QStringLiteral("Label15")), 1, 0);
    grid->addWidget(Text题目信息[2], 1, 1);
    Label答题剩余时间 = Named(new QLabel(QStringLiteral("0"), this), QStringLiteral("Label答题剩余时间"));
    QFont big = Label答题剩余时间->font();
    big.setPointSize(20);
    big.setBold(true);
    Label答题剩余时间->setFont(big);
    grid->addWidget(Label答题剩余时间, 1, 2);
    Command公布答案 = Named(new QPushButton(QStringLiteral("公布答案"), this), QStringLiteral("Command公布答案"));
    grid->addWidget(Command公布答案, 1, 3);

    const QString scoreCaptions[] = {QStringLiteral("+"), QStringLiteral("+0"), QStringLiteral("-"),
                                     QStringLiteral("总分清零")};
    auto* scores = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        Command题目分数处理[i] =
            Named(new QPushButton(scoreCaptions[i], this), QStringLiteral("Command题目分数处理%1").arg(i));
        scores->addWidget(Command题目分数处理[i]);
        connect(Command题目分数处理[i], &QPushButton::clicked, this, [this, i] { Command题目分数处理_Click(i); });
    }
    scores->addWidget(Named(new QLabel(QStringLiteral("总分："), this), QStringLiteral("Label17")));
    Text抽题总得分 = Named(new QLineEdit(QStringLiteral("0"), this), QStringLiteral("Text抽题总得分"));
    Text抽题总得分->setMaximumWidth(80);
    scores->addWidget(Text抽题总得分);
    grid->addLayout(scores, 2, 0, 1, 4);

    // The answer area and the question box are placed by the main window.
    Frame正确答案及解析 = Named(new QFrame(this), QStringLiteral("Frame正确答案及解析"));
    auto* answer = new QVBoxLayout(Frame正确答案及解析);
    answer->setContentsMargins(0, 0, 0, 0);
    answer->addWidget(Named(new QLabel(QStringLiteral("正确答案："), Frame正确答案及解析), QStringLiteral("Label18")));
    for (int i = 0; i < 3; ++i) {
        RichTextBox题目信息[i] = Named(new QTextEdit(this), QStringLiteral("RichTextBox题目信息%1").arg(i));
        RichTextBox题目信息[i]->setReadOnly(true);
    }
    answer->addWidget(RichTextBox题目信息[0]);
    answer->addWidget(RichTextBox题目信息[1]);
    Frame正确答案及解析->hide();
    // The question stands in the display for the audience: large type on a light page.
    RichTextBox题目信息[2]->setStyleSheet(QStringLiteral("QTextEdit { background: #fffff4; color: black; }"));
    QFont question = RichTextBox题目信息[2]->font();
    question.setPointSize(22);
    RichTextBox题目信息[2]->setFont(question);
    RichTextBox题目信息[2]->hide();

    Timer答题计时 = Named(new QTimer(this), QStringLiteral("Timer答题计时"));
    Timer答题计时->setInterval(1000);
    connect(Timer答题计时, &QTimer::timeout, this, &QuestionPanel::Timer答题计时_Timer);
    connect(Command公布答案, &QPushButton::clicked, this, &QuestionPanel::Command公布答案_Click);
    connect(Text题目信息[1], &QLineEdit::textChanged, this, [this] { Text题目信息_Change(1); });
    Timer答题计时->start(); // its first tick stops it and shows -1
}

void QuestionPanel::clearForStart() {
    for (QLineEdit* t : Text题目信息)
        t->clear();
    for (QTextEdit* r : RichTextBox题目信息)
        r->clear();
    RichTextBox题目信息[2]->hide();
    Frame正确答案及解析->hide();
    AnswerSeconds = 0;
    Label答题剩余时间->setText(QStringLiteral("-1"));
    Timer答题计时->stop();
}

void QuestionPanel::showQuestion(const QString& number, const core::QuestionItem* item) {
    // A number the bank does not hold shows nothing, never the previous question.
    const core::QuestionItem none;
    const core::QuestionItem& q = item ? *item : none;
    CurQuestionText = q.Question;
    CurAnswerText = q.Answer;
    CurAnalysisText = q.Analysis;
    CurQuestionScore = q.Score;
    CurTimeLimit = q.TimeLimit;
    ShowRtf(RichTextBox题目信息[2], CurQuestionText);
    ShowRtf(RichTextBox题目信息[0], CurAnswerText);
    ShowRtf(RichTextBox题目信息[1], CurAnalysisText);
    Text题目信息[0]->setText(number);
    Text题目信息[1]->setText(core::FormatNumber(CurQuestionScore));
    Text题目信息[2]->setText(QString::number(CurTimeLimit));
    RichTextBox题目信息[2]->show();
    AnswerSeconds = 0;
    if (CurTimeLimit > 0) Timer答题计时->start();
}

void QuestionPanel::Command公布答案_Click() {
    Timer答题计时->stop();
    playSound_(QStringLiteral("ShowDA"));
    Frame正确答案及解析->show();
}

void QuestionPanel::Timer答题计时_Timer() {
    ++AnswerSeconds;
    const int remaining = CurTimeLimit - AnswerSeconds;
    if (remaining == 10)
        playSound_(QStringLiteral("Warning"));
    else if (remaining <= 0)
        Timer答题计时->stop();
    else if (remaining <= 3)
        playSound_(QStringLiteral("TimeUp"));
    Label答题剩余时间->setText(QString::number(remaining));
}

void QuestionPanel::Command题目分数处理_Click(int index) {
    if (index == 3) {
        Text抽题总得分->setText(QStringLiteral("0"));
        return;
    }
    const double delta = core::LeadingNumber(Command题目分数处理[index]->text());
    Text抽题总得分->setText(core::FormatNumber(core::LeadingNumber(Text抽题总得分->text()) + delta));
    playSound_(delta > 0 ? QStringLiteral("Up") : QStringLiteral("Down"));
}

void QuestionPanel::Text题目信息_Change(int index) {
    if (index != 1) return;
    Command题目分数处理[0]->setText(u'+' + Text题目信息[1]->text());
    Command题目分数处理[2]->setText(u'-' + Text题目信息[1]->text());
}

} // namespace ui
