#include "ui/Form1.h"

#include "core/FileNames.h"
#include "ui/BatchPanel.h"

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

void Form1::SaveDrawHistory() {
    const core::RunHistory::SaveResult r = state_.History.save(state_.AppFolder, QDateTime::currentDateTime());
    if (!r.ok) message(QStringLiteral("保存抽取历史记录失败：") + r.error, MsgIcon::Critical);
}

void Form1::ClearHistoryRecords(bool confirm) {
    if (confirm && message(QStringLiteral("即将删掉所有抽取历史记录，并且不能恢复。确定吗？"), MsgIcon::Exclamation,
                           MsgButtons::OKCancel, MsgResult::Cancel) != MsgResult::OK)
        return;
    core::RecreateFolder(core::RunHistory::folder(state_.AppFolder));
    if (state_.History.count() == 0) return;
    if (!confirm || message(QStringLiteral("要清除本次运行后,所有未保存的抽取记录吗?(在内存里的)"), MsgIcon::Question,
                            MsgButtons::YesNo) == MsgResult::Yes)
        state_.History.clear();
}

void Form1::CheckRecordFileCounts() {
    const qint64 history = core::CountFiles(core::RunHistory::folder(state_.AppFolder));
    if (history > 19999 &&
        message(
            QStringLiteral("抽取历史记录中的文件数已达到%1个，现在要清除这些记录吗？建议清除以方便管理！").arg(history),
            MsgIcon::Question, MsgButtons::OKCancel) == MsgResult::OK)
        menu_清除历史记录_Click();
    const qint64 records = core::CountFiles(state_.AppFolder + QStringLiteral("aqr"));
    if (records > 19999 &&
        message(QStringLiteral("高级抽取记录文本的文件数已达到%1个，现在要清除这些记录吗？建议清除以方便管理！")
                    .arg(records),
                MsgIcon::Question, MsgButtons::OKCancel) == MsgResult::OK)
        menu_清除高级抽取记录文本文件_Click();
}

void Form1::menu_查看历史记录_Click() {
    menu_窗口移至右下角_Click();
    SaveDrawHistory();
    OpenWithShell(core::RunHistory::folder(state_.AppFolder));
}

void Form1::menu_打印历史记录_Click() {
    SaveDrawHistory();
    if (!openPrintWindow_) return;
    hide();
    openPrintWindow_(1);
}

void Form1::menu_清除历史记录_Click() {
    ClearHistoryRecords(true);
}

void Form1::menu_清除高级抽取记录文本文件_Click() {
    Frame批量抽取->ClearAdvancedRecords(true);
}

} // namespace ui
