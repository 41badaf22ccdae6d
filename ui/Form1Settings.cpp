#include "ui/Form1.h"

#include "core/NumberText.h"
#include "core/TextFiles.h"
#include "platform/files/AtomicWrite.h"
#include "platform/system/FailureReason.h"
#include "platform/richtext/Rtf.h"
#include "ui/BatchPanel.h"
#include "ui/WindowHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

namespace ui {

namespace {

int AlignmentIndex(Qt::Alignment a) {
    if (a & Qt::AlignLeft) return 0;
    if (a & Qt::AlignRight) return 1;
    return 2;
}

template <size_t N> qint16 CheckedIndex(const std::array<QRadioButton*, N>& options) {
    for (size_t i = 0; i < N; ++i)
        if (options[i]->isChecked()) return qint16(i);
    return qint16(N);
}

} // namespace

void Form1::loadBlockList() {
    QFile f(state_.AppFolder + QStringLiteral("pingbi.dat"));
    if (!f.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = f.readAll();
    // A block list saved as plain text still loads, without colours.
    if (!platform::ReadRtf(bytes, RichTextBox屏蔽列表->document()))
        RichTextBox屏蔽列表->setPlainText(core::DecodeText(bytes));
}

void Form1::SaveSettings() {
    core::MainSettings& s = mainSettings_;
    s.DrawCount = Frame批量抽取->Text要出多少个号码->text();
    s.PerRow = Frame批量抽取->Text每行放多少个号码->text();
    s.IntervalOption = CheckedIndex(Frame批量抽取->Option时间间隔);
    s.InstanceCount = Text分身个数->text();
    s.ProjectIndex = qint16(projectListIndex());
    s.AutoExclude = Check自动排除->isChecked();
    s.No2InRow = Check禁止2连号->isChecked();
    s.No3InRow = Check禁止3连号->isChecked();
    s.RangeOption = CheckedIndex(Option禁止范围);
    s.DrawMode = CheckedIndex(Option抽取方式);
    s.FileName = Combo选择姓名文件->currentText();
    s.ExcludeDrawn = Check自动排除已抽2->isChecked();
    s.Alignment = qint16(AlignmentIndex(Label结果->alignment()));
    s.AdvancedViewTag = Command显示批量抽取->property("Tag").toString();
    s.DisplayHeight = qint16(ChosenDisplayHeight);
    s.SavedAt = QDateTime::currentDateTime();
    // Every file is tried, a failed one keeps its old content, and the user hears of each failure once.
    QStringList failed;
    auto save = [&](const QString& name, const QByteArray& bytes) {
        if (unreadSettings_.contains(name)) return; // what could not be read is kept, not replaced by defaults
        QString error;
        if (!platform::WriteFileAtomically(state_.AppFolder + name, bytes, &error)) failed << name + u' ' + error;
    };
    auto saveText = [&](const QString& name, const QString& text) { save(name, core::TextFileBytes(text)); };
    save(QLatin1String(core::NumberProjects::kFileName), NumberProjects.toBytes());
    saveText(QLatin1String(core::MainSettings::kFileName), s.toText());
    saveText(QStringLiteral("SoundSet.dat"), Image声音控制->property("Tag").toString());
    save(QStringLiteral("pingbi.dat"), platform::WriteRtf(*RichTextBox屏蔽列表->document()));
    saveText(QLatin1String(core::LockPassword::kFileName), state_.LockPassword.fileText());
    saveText(QStringLiteral("LockState.dat"), QString::number(state_.LockState));
    if (!failed.isEmpty())
        message(QStringLiteral("保存设置时遇到错误！") + failed.join(QStringLiteral("\n")), core::MsgIcon::Critical);
}

void Form1::LoadSettings() {
    // A file that is there but cannot be read is left alone at the next save.
    unreadSettings_.clear();
    for (const QString name :
         {QLatin1String(core::NumberProjects::kFileName), QLatin1String(core::MainSettings::kFileName),
          QLatin1String("SoundSet.dat"), QLatin1String("pingbi.dat"), QLatin1String(core::LockPassword::kFileName),
          QLatin1String("LockState.dat")}) {
        QFile f(state_.AppFolder + name);
        if (f.exists() && !f.open(QIODevice::ReadOnly)) unreadSettings_ << name;
    }
    // A damaged or missing file stops nothing: each of the others still loads, so the next save
    // keeps them.
    QFile projects(state_.AppFolder + QLatin1String(core::NumberProjects::kFileName));
    if (projects.exists()) {
        QString error;
        if (projects.open(QIODevice::ReadOnly))
            NumberProjects = core::NumberProjects::fromBytes(projects.readAll(), &error);
        else
            error = platform::FileFailureReason(projects);
        if (!error.isEmpty()) message(QStringLiteral("读取设置时遇到错误！") + error, core::MsgIcon::Critical);
        Combo项目->clear();
        for (qsizetype i = 0; i < NumberProjects.size(); ++i)
            Combo项目->addItem(NumberProjects[i].Name);
        Combo项目->setEditText(QStringLiteral("选择项目"));
    }

    const QString mainPath = state_.AppFolder + QLatin1String(core::MainSettings::kFileName);
    // Read line by line: an empty first line must not move the others up.
    const core::MainSettings s = core::MainSettings::fromLines(core::ReadTextLines(mainPath));
    mainSettings_ = s;
    const int n = s.linesRead;
    if (n >= 1) Frame批量抽取->Text要出多少个号码->setText(s.DrawCount);
    if (n >= 2) Frame批量抽取->Text每行放多少个号码->setText(s.PerRow);
    if (n >= 3 && s.IntervalOption >= 0 && s.IntervalOption < 5)
        Frame批量抽取->Option时间间隔[s.IntervalOption]->setChecked(true);
    if (n >= 5 && s.ProjectIndex >= 0 && s.ProjectIndex < Combo项目->count()) selectProject(s.ProjectIndex);
    if (n >= 7) Text分身个数->setText(s.InstanceCount);
    if (n >= 6) Check自动排除->setChecked(s.AutoExclude == 1);
    if (n >= 8) {
        Check禁止2连号->setChecked(s.No2InRow == 1);
        Check禁止2连号_Click();
    }
    if (n >= 9) {
        Check禁止3连号->setChecked(s.No3InRow == 1);
        Check禁止3连号_Click();
    }
    if (n >= 10 && s.RangeOption >= 0 && s.RangeOption < 2) Option禁止范围[s.RangeOption]->setChecked(true);
    // Restored before the file is chosen, so that its rebuild leaves the blocked entries out.
    if (n >= 13) Check自动排除已抽2->setChecked(s.ExcludeDrawn == 1);
    if (n >= 11 && s.DrawMode >= 0 && s.DrawMode < 3) Option抽取方式_Click(s.DrawMode);
    loadBlockList();
    // A.txt and a.txt are two files here: the exact name first, then one that differs in case only.
    if (n >= 12 && !SelectListItem(Combo选择姓名文件, s.FileName, true) &&
        !SelectListItem(Combo选择姓名文件, s.FileName, false))
        Combo选择姓名文件->setCurrentIndex(-1);
    if (n >= 14 && s.Alignment >= 0 && s.Alignment <= 2) menu_文字对齐_sub_Click(s.Alignment);
    // Kept within the heights the grip allows, so a damaged line cannot hide the display.
    if (n >= 15) SetDisplayHeight(std::clamp(int(s.DisplayHeight), BaseDisplayHeight, 4 * BaseDisplayHeight));

    const QString sound = core::ReadTextFile(state_.AppFolder + QStringLiteral("SoundSet.dat"));
    Image声音控制->setProperty("Tag", sound);
    Image声音控制->setIcon(
        style()->standardIcon(sound == QStringLiteral("无声") ? QStyle::SP_MediaVolumeMuted : QStyle::SP_MediaVolume));
    state_.LockPassword = core::LockPassword::fromFileText(
        core::ReadTextFile(state_.AppFolder + QLatin1String(core::LockPassword::kFileName)));
    state_.LockState = core::LeadingInt16(core::ReadTextFile(state_.AppFolder + QStringLiteral("LockState.dat")));
    if (state_.LockState == 1) ApplyLock(true);
}

} // namespace ui
