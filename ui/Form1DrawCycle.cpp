#include "ui/Form1.h"

#include "core/CandidateList.h"
#include "core/CandidateSources.h"
#include "core/FileNames.h"
#include "core/Masking.h"
#include "ui/BatchPanel.h"
#include "ui/QuestionPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace ui {

using core::MsgIcon;

namespace {

// Drawn names go into the block list in this colour.
const QColor kDrawnColor(255, 0, 0);

} // namespace

QString Form1::currentModeCaption() const {
    return Option抽取方式[drawMode()]->text();
}

QString Form1::currentSource() const {
    return drawMode() == 0 ? Combo项目->currentText() : Combo选择姓名文件->currentText();
}

bool Form1::warnIfNoCandidates() {
    if (!candidates_.isEmpty()) return false;
    message(QStringLiteral("候选列表现在是空的！请先选定一个项目？作好相关设置？或重置候选列表？清除已抽名单？"),
            MsgIcon::Exclamation);
    return true;
}

void Form1::Command开始_Click() {
    if (exiting_) return; // the run is saved: nothing draws any more
    if (warnIfNoCandidates()) return;
    if (Frame批量抽取->Command开始批量抽取->isEnabled()) Option禁止范围[1]->setChecked(true);
    Command开始->setEnabled(false);
    TimerCreating->start();
    Command确定->setEnabled(true);
    Command确定->setFocus();
    DrawStopped = false;
    Label结果2->hide();
    Label结果->show();
    // Pick at once, so that a Stop before the first tick cannot confirm the previous result.
    TimerCreating_Timer();
    Timer播放抽取中声音->setInterval(1);
    Timer播放抽取中声音->start();
    Frame抽题后的答案解析等公布->clearForStart();
}

void Form1::TimerCreating_Timer() {
    RollingTickDone = false;
    if (const auto picked = PickRandomCandidate()) {
        state_.CurrentDrawText = *picked;
        const core::GeneralOptions& o = state_.Options;
        // A very long candidate is masked as it is shown: the masking of its whole text would stall every tick.
        const QString shown = core::ShownText(*picked);
        Label结果->setText(o.RandomFlashing
                               ? core::MaskText(shown, o.RandomFlashingStyle, o.RandomFlashing_Wei_1,
                                                o.RandomFlashing_Wei_2, o.RandomFlashing_Wei_3, o.RandomFlashing_Wei_4,
                                                o.RandomFlashing_CharStyle, o.RandomFlashing_MyChar, rng_)
                               : shown);
    }
    RollingTickDone = true;
}

std::optional<QString> Form1::PickRandomCandidate() {
    if (DrawStopped || candidates_.isEmpty()) return std::nullopt;
    return candidates_.pick(rng_);
}

void Form1::Command确定_Click() {
    if (exiting_) return; // a record now would be in no history file
    Command确定->setEnabled(false);
    DrawStopped = true;
    TimerCreating->stop();

    const QString result = state_.CurrentDrawText;
    Label结果->setText(core::ShownText(result));
    Label结果2->setText(Label结果->text());
    Label结果2->show();
    Label结果->hide();

    const int mode = drawMode();
    const bool numbersExclude = mode == 0 && Check自动排除->isChecked();
    if (numbersExclude) {
        const QString excluded = TextSet[3]->text();
        TextSet[3]->setText(excluded.isEmpty() ? result : excluded + u' ' + result);
        TextSet_Change(3, true); // counts as the user's: the chosen project keeps the exclusion
    }
    if (Check自动排除已抽2->isChecked() || numbersExclude) candidates_.removeFirst(result);

    state_.History.append(currentModeCaption(), currentSource(), result, QDateTime::currentDateTime());
    if (numbersExclude) state_.History.markLastExcluded();

    if (!menu锁定->isChecked()) Command开始->setEnabled(true);
    Timer播放抽取中声音->stop();
    stopSound(QStringLiteral("Working"));
    playSound(QStringLiteral("OK"));

    if (mode == 2) {
        const core::QuestionItem* question = Questions.LookUpQuestion(result);
        if (!question) message(QStringLiteral("没找到：") + result, MsgIcon::Critical);
        Frame抽题后的答案解析等公布->showQuestion(result, question);
    }
    if (mode != 0 && Check自动排除已抽2->isChecked() && appendToBlockList(result, kDrawnColor))
        state_.History.markLastExcluded();
}

void Form1::menu_撤消_Click() {
    core::RunHistory& history = state_.History;
    if (history.count() == 0) {
        message(QStringLiteral("本次抽取还没有记录可以被撤消。"), MsgIcon::Critical);
        return;
    }
    if (!history.lastMatches(currentModeCaption(), currentSource())) return;
    const core::HistoryRecord& last = history.last();
    const QString question = QStringLiteral("真的要撤消") + core::GeneralDateTime(last.Time) +
                             QStringLiteral("抽取的 ") + core::ShownText(last.Result) + QStringLiteral(" 吗？");
    if (message(question, MsgIcon::Exclamation, core::MsgButtons::OKCancel, core::MsgResult::Cancel) !=
        core::MsgResult::OK)
        return;
    const QString result = core::TrimTrailingBlanks(last.Result);
    const QString excluded = last.AddedExclusion ? last.Result : QString();
    if (candidates_.indexOf(result) < 0) candidates_.append(result);
    history.removeLast();
    // Else the next reset would take the result out again and the undo would be lost.
    if (!excluded.isEmpty() && drawMode() == 0) {
        TextSet[3]->setText(core::WithoutLastToken(TextSet[3]->text(), excluded));
        TextSet_Change(3, true);
    } else if (!excluded.isEmpty()) {
        removeLastBlockLine(excluded, kDrawnColor);
    }
    Label结果->setText(QStringLiteral("----"));
    Label结果->show();
    Label结果2->hide();
}

void Form1::Timer播放抽取中声音_Timer() {
    // Started at 1 ms so the sound begins at once; then a slower watch keeps it looping.
    Timer播放抽取中声音->setInterval(100);
    const QString working = state_.AppFolder + QStringLiteral("Sounds/Working.wav");
    if (Image声音控制->property("Tag").toString() != QStringLiteral("无声") && !sounds_.isPlaying(working))
        sounds_.play(working, true);
}

void Form1::Image声音控制_Click() {
    const bool mute = Image声音控制->property("Tag").toString() != QStringLiteral("无声");
    Image声音控制->setProperty("Tag", mute ? QStringLiteral("无声") : QStringLiteral("有声"));
    Image声音控制->setIcon(style()->standardIcon(mute ? QStyle::SP_MediaVolumeMuted : QStyle::SP_MediaVolume));
    if (mute) stopSound(QStringLiteral("Working"));
}

void Form1::playSound(const QString& name) {
    if (Image声音控制->property("Tag").toString() == QStringLiteral("无声")) return;
    sounds_.play(state_.AppFolder + QStringLiteral("Sounds/") + name + QStringLiteral(".wav"));
}

void Form1::stopSound(const QString& name) {
    sounds_.stop(state_.AppFolder + QStringLiteral("Sounds/") + name + QStringLiteral(".wav"));
}

} // namespace ui
