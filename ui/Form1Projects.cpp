#include "ui/Form1.h"

#include "core/CandidateSources.h"
#include "core/FileNames.h"
#include "core/NumberText.h"
#include "ui/BatchPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

int Form1::projectListIndex() const {
    // A typed text that differs from the chosen item means no item is chosen.
    const int i = Combo项目->currentIndex();
    return i >= 0 && Combo项目->itemText(i) == Combo项目->currentText() ? i : -1;
}

void Form1::selectProject(int index) {
    Combo项目->setCurrentIndex(index);
    Combo项目_Click();
}

void Form1::Combo项目_Change() {
    Combo项目->setStyleSheet(QStringLiteral("QComboBox { background-color: palette(button); }"));
    Combo项目->setToolTip(QStringLiteral("未选定任何项目，当前编辑将不被保存。"));
}

void Form1::Combo项目_Click() {
    const qsizetype i = NumberProjects.find(Combo项目->currentText());
    if (i >= 0) {
        const core::NumberProject& p = NumberProjects[i];
        TextSet[0]->setText(core::FormatNumber(p.Min));
        TextSet[1]->setText(core::FormatNumber(p.Max));
        TextSet[2]->setText(core::FormatNumber(p.Step));
        TextSet[3]->setText(core::TrimTrailingBlanks(p.Exclude));
    }
    Combo项目->setStyleSheet(QString());
    Combo项目->setToolTip(QStringLiteral("已选定项目，当前编辑将被保存。"));
    CommandReset_Click();
}

void Form1::menu增加项目_Click() {
    Option抽取方式_Click(0);
    // Cancel on any prompt ends the dialogue: nothing is added and the boxes stay as they are.
    const auto name = dialogs_.input(QStringLiteral("请输入项目名称：\r\n（如：高二(01)班 ）"), core::kAppTitle,
                                     LastProjectName.isEmpty() ? QStringLiteral("名称") : LastProjectName);
    if (!name) return;
    // The stored field holds 20 bytes; the list shows exactly what is stored, so edits are saved.
    LastProjectName = core::FitBytes(core::TrimTrailingBlanks(*name), core::NumberProject::kNameBytes);
    if (LastProjectName.isEmpty()) return;
    if (NumberProjects.find(LastProjectName) >= 0) {
        message(QStringLiteral("已存在同名的项目！"), MsgIcon::Critical);
        return;
    }
    // An empty answer reads 0; Cancel gives nothing.
    auto askNumber = [this](const QString& prompt, double& last, const QString& fallback) {
        const auto answer = dialogs_.input(prompt, core::kAppTitle, last == -1 ? fallback : core::FormatNumber(last));
        if (answer) last = core::LeadingNumber(*answer);
        return answer.has_value();
    };
    if (!askNumber(QStringLiteral("请输入最小值："), LastProjectMin, QStringLiteral("1")) ||
        !askNumber(QStringLiteral("请输入最大值："), LastProjectMax, QStringLiteral("60")) ||
        !askNumber(QStringLiteral("请输入步长："), LastProjectStep, QStringLiteral("1")))
        return;
    const QString excludePrompt =
        QStringLiteral("请输入要排除的数字，各数字之间用空间分隔：\r\n( 如果没有要排除的数字，则") +
        (LastProjectExclude.isEmpty() ? QStringLiteral("直接") : QStringLiteral("清空以下输入框后")) +
        QStringLiteral("按[确定] )");
    const auto exclude = dialogs_.input(excludePrompt, core::kAppTitle, LastProjectExclude);
    if (!exclude) return;
    LastProjectExclude = *exclude;

    NumberProjects.append(core::NumberProject{LastProjectName, LastProjectMin, LastProjectMax, LastProjectStep,
                                              core::FitBytes(LastProjectExclude, core::NumberProject::kExcludeBytes)});
    Combo项目->addItem(LastProjectName);
    Frame批量抽取->Option批量抽取的方式_Click(0);
    selectProject(Combo项目->findText(LastProjectName, Qt::MatchExactly));
}

void Form1::menu删除当前项目_Click() {
    Option抽取方式_Click(0);
    const int k = projectListIndex();
    if (k < 0) {
        message(QStringLiteral("未选定任何项目！"), MsgIcon::Critical);
        return;
    }
    if (message(QStringLiteral("真的要删除") + Combo项目->currentText() + QStringLiteral("吗？"), MsgIcon::Exclamation,
                MsgButtons::OKCancel, MsgResult::Cancel) != MsgResult::OK)
        return;
    const qsizetype i = NumberProjects.find(Combo项目->currentText());
    if (i >= 0) NumberProjects.removeAt(i);
    Combo项目->removeItem(k);
    for (QLineEdit* box : TextSet)
        box->setText(QStringLiteral("0"));
    const int count = Combo项目->count();
    if (count == 0) {
        Combo项目->setCurrentIndex(-1);
        return;
    }
    selectProject(count - 1 >= k ? k : k - 1);
}

void Form1::Command删增数字项目_Click(int index) {
    if (index == 1)
        menu删除当前项目_Click();
    else
        menu增加项目_Click();
}

void Form1::Command清除排除数字_Click() {
    TextSet[3]->setFocus();
    TextSet[3]->clear();
    TextSet_Change(3, true);
}

void Form1::TextSet_Change(int index, bool byUser) {
    const QString excluded = TextSet[3]->text();
    Command清除排除数字->setEnabled(!excluded.isEmpty());
    const double from = core::LeadingNumber(TextSet[0]->text());
    const double to = core::LeadingNumber(TextSet[1]->text());
    const double step = core::LeadingNumber(TextSet[2]->text());
    if (step != 0) {
        const double m = std::floor((to - from) / step) + 1;
        Check自动排除->setText(
            QStringLiteral("自动排除 （%1/%2）").arg(core::ExcludedTokens(excluded).size()).arg(core::FormatNumber(m)));
    }
    if (!byUser) return; // values set by code store nothing

    const qsizetype i = NumberProjects.find(Combo项目->currentText());
    if (projectListIndex() < 0 || i < 0) return;
    core::NumberProject& p = NumberProjects[i];
    switch (index) {
    case 0:
        p.Min = from;
        break;
    case 1:
        p.Max = to;
        break;
    case 2:
        p.Step = step;
        break;
    default:
        p.Exclude = core::FitBytes(excluded, core::NumberProject::kExcludeBytes);
        break;
    }
    FillCandidateList(from, to, step, TextSet[3]);
}

void Form1::Check禁止2连号_Click() {
    if (Check禁止2连号->isChecked()) Check禁止3连号->setChecked(false);
}

void Form1::Check禁止3连号_Click() {
    if (Check禁止3连号->isChecked()) Check禁止2连号->setChecked(false);
}

} // namespace ui
