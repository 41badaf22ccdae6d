#include "ui/Form选项.h"

#include "core/Masking.h"
#include "core/TextFiles.h"

#include "ui/WindowHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kPreviewRollMs = 300;
constexpr int kMaxCount = 999;

QSpinBox* CountBox(const QString& name) {
    auto* box = Named(new QSpinBox, name);
    box->setRange(0, kMaxCount);
    return box;
}

QWidget* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return row;
}

} // namespace

Form选项::Form选项(core::AppState& state, core::Dialogs& dialogs, QRandomGenerator& rng, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs), rng_(rng) {
    setObjectName(QStringLiteral("Form选项"));
    setWindowTitle(QStringLiteral("选项"));
    auto* layout = new QVBoxLayout(this);
    Check随机打乱候选名单 =
        Named(new QCheckBox(QStringLiteral("随机打乱候选名单")), QStringLiteral("Check随机打乱候选名单"));
    Check滚动时遮挡 = Named(new QCheckBox(QStringLiteral("滚动时遮挡部分文字")), QStringLiteral("Check滚动时遮挡"));
    Check退出时删除历史记录 =
        Named(new QCheckBox(QStringLiteral("退出时删除历史记录")), QStringLiteral("Check退出时删除历史记录"));
    Check自动设置字号 = Named(new QCheckBox(QStringLiteral("自动设置字号")), QStringLiteral("Check自动设置字号"));
    Label提示 = Named(new QLabel(QStringLiteral("选项将在下次启动本软件时生效。")), QStringLiteral("Label提示"));
    layout->addWidget(Check随机打乱候选名单);
    layout->addWidget(Check滚动时遮挡);
    layout->addWidget(createMaskFrame());
    layout->addWidget(createPreview());
    layout->addWidget(Check退出时删除历史记录);
    layout->addWidget(Check自动设置字号);
    layout->addWidget(Label提示);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Command确定 = Named(buttons->button(QDialogButtonBox::Ok), QStringLiteral("Command确定"));
    Command确定->setText(QStringLiteral("确定"));
    Command取消 = Named(buttons->button(QDialogButtonBox::Cancel), QStringLiteral("Command取消"));
    Command取消->setText(QStringLiteral("取消"));
    layout->addWidget(buttons);
    // Wired by hand so that a failed save can keep the dialog open.
    connect(Command确定, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(Command取消, &QPushButton::clicked, this, &QDialog::reject);

    // The file may differ from the running options when the dialog was used before in this run.
    core::GeneralOptions saved = state.Options;
    saved.read(core::ReadTextFile(state.AppFolder + QLatin1String(core::GeneralOptions::kFileName)));
    setOptions(saved);

    connect(Check滚动时遮挡, &QCheckBox::toggled, this, &Form选项::refresh);
    connect(styleGroup_, &QButtonGroup::idToggled, this, &Form选项::refresh);
    connect(charStyleGroup_, &QButtonGroup::idToggled, this, &Form选项::refresh);
    for (QSpinBox* box : {Spin遮挡前面, Spin遮挡后面, Spin遮挡起始, Spin遮挡结束})
        connect(box, &QSpinBox::valueChanged, this, &Form选项::refresh);
    for (QLineEdit* edit : {Text自定义字符, Text示例文字})
        connect(edit, &QLineEdit::textChanged, this, &Form选项::refresh);
    auto* roll = new QTimer(this);
    connect(roll, &QTimer::timeout, this, &Form选项::refresh);
    roll->start(kPreviewRollMs);
    refresh();
}

QGroupBox* Form选项::createMaskFrame() {
    Frame遮挡 = Named(new QGroupBox(QStringLiteral("遮挡设置")), QStringLiteral("Frame遮挡"));
    styleGroup_ = new QButtonGroup(this);
    charStyleGroup_ = new QButtonGroup(this);
    const QStringList styles = {QStringLiteral("全部遮挡"), QStringLiteral("遮挡前面的字"),
                                QStringLiteral("遮挡后面的字"), QStringLiteral("遮挡中间的字")};
    for (int i = 0; i < int(Option遮挡方式.size()); ++i) {
        Option遮挡方式[i] = Named(new QRadioButton(styles[i]), QStringLiteral("Option遮挡方式%1").arg(i));
        styleGroup_->addButton(Option遮挡方式[i], i);
    }
    const QStringList charStyles = {QStringLiteral("随机符号"), QStringLiteral("自定义字符")};
    for (int i = 0; i < int(Option遮挡字符.size()); ++i) {
        Option遮挡字符[i] = Named(new QRadioButton(charStyles[i]), QStringLiteral("Option遮挡字符%1").arg(i));
        charStyleGroup_->addButton(Option遮挡字符[i], i);
    }
    Spin遮挡前面 = CountBox(QStringLiteral("Spin遮挡前面"));
    Spin遮挡后面 = CountBox(QStringLiteral("Spin遮挡后面"));
    Spin遮挡起始 = CountBox(QStringLiteral("Spin遮挡起始"));
    Spin遮挡结束 = CountBox(QStringLiteral("Spin遮挡结束"));
    Text自定义字符 = Named(new QLineEdit, QStringLiteral("Text自定义字符"));
    // "=" and line breaks would not survive the key=value file.
    Text自定义字符->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^=\r\n]*")), Text自定义字符));

    auto* grid = new QGridLayout(Frame遮挡);
    grid->addWidget(Option遮挡方式[0], 0, 0);
    grid->addWidget(Option遮挡方式[1], 1, 0);
    grid->addWidget(Row({Spin遮挡前面, new QLabel(QStringLiteral("个字"))}), 1, 1);
    grid->addWidget(Option遮挡方式[2], 2, 0);
    grid->addWidget(Row({Spin遮挡后面, new QLabel(QStringLiteral("个字"))}), 2, 1);
    grid->addWidget(Option遮挡方式[3], 3, 0);
    grid->addWidget(Row({new QLabel(QStringLiteral("从第")), Spin遮挡起始, new QLabel(QStringLiteral("个字到第")),
                         Spin遮挡结束, new QLabel(QStringLiteral("个字"))}),
                    3, 1);
    grid->addWidget(new QLabel(QStringLiteral("遮挡字符：")), 4, 0);
    grid->addWidget(Row({Option遮挡字符[0], Option遮挡字符[1], Text自定义字符}), 4, 1);
    return Frame遮挡;
}

QWidget* Form选项::createPreview() {
    Text示例文字 = Named(new QLineEdit(QStringLiteral("张三丰李四")), QStringLiteral("Text示例文字"));
    Label预览 = Named(new QLabel, QStringLiteral("Label预览"));
    QFont font = Label预览->font();
    font.setPointSize(font.pointSize() * 2);
    Label预览->setFont(font);
    return Row({new QLabel(QStringLiteral("预览：")), Text示例文字, Label预览});
}

void Form选项::setOptions(const core::GeneralOptions& o) {
    Check随机打乱候选名单->setChecked(o.RandomWaitingList);
    Check滚动时遮挡->setChecked(o.RandomFlashing);
    // An unknown style in the file shows as the first one.
    Option遮挡方式[qBound(0, int(o.RandomFlashingStyle), int(Option遮挡方式.size()) - 1)]->setChecked(true);
    Spin遮挡前面->setValue(o.RandomFlashing_Wei_1);
    Spin遮挡后面->setValue(o.RandomFlashing_Wei_2);
    Spin遮挡起始->setValue(o.RandomFlashing_Wei_3);
    Spin遮挡结束->setValue(o.RandomFlashing_Wei_4);
    // Masking treats every style but 0 as the custom characters.
    Option遮挡字符[o.RandomFlashing_CharStyle == 0 ? 0 : 1]->setChecked(true);
    Text自定义字符->setText(o.RandomFlashing_MyChar);
    Check退出时删除历史记录->setChecked(o.DeleteHistoryWhenExit);
    Check自动设置字号->setChecked(o.AutoSetFontSize);
}

core::GeneralOptions Form选项::options() const {
    core::GeneralOptions o;
    o.RandomWaitingList = Check随机打乱候选名单->isChecked();
    o.RandomFlashing = Check滚动时遮挡->isChecked();
    o.RandomFlashingStyle = qint16(styleGroup_->checkedId());
    o.RandomFlashing_Wei_1 = qint16(Spin遮挡前面->value());
    o.RandomFlashing_Wei_2 = qint16(Spin遮挡后面->value());
    o.RandomFlashing_Wei_3 = qint16(Spin遮挡起始->value());
    o.RandomFlashing_Wei_4 = qint16(Spin遮挡结束->value());
    o.RandomFlashing_CharStyle = qint16(charStyleGroup_->checkedId());
    o.RandomFlashing_MyChar = Text自定义字符->text();
    o.DeleteHistoryWhenExit = Check退出时删除历史记录->isChecked();
    o.AutoSetFontSize = Check自动设置字号->isChecked();
    return o;
}

void Form选项::refresh() {
    const core::GeneralOptions o = options();
    Frame遮挡->setEnabled(o.RandomFlashing);
    Spin遮挡前面->setEnabled(o.RandomFlashingStyle == 1);
    Spin遮挡后面->setEnabled(o.RandomFlashingStyle == 2);
    Spin遮挡起始->setEnabled(o.RandomFlashingStyle == 3);
    Spin遮挡结束->setEnabled(o.RandomFlashingStyle == 3);
    Text自定义字符->setEnabled(o.RandomFlashing_CharStyle == 1);
    const QString sample = Text示例文字->text();
    Label预览->setText(o.RandomFlashing
                           ? core::MaskText(sample, o.RandomFlashingStyle, o.RandomFlashing_Wei_1,
                                            o.RandomFlashing_Wei_2, o.RandomFlashing_Wei_3, o.RandomFlashing_Wei_4,
                                            o.RandomFlashing_CharStyle, o.RandomFlashing_MyChar, rng_)
                           : sample);
}

void Form选项::CommandOK_Click() {
    QString error;
    if (!core::WriteTextFile(options().write(), state_.AppFolder + QLatin1String(core::GeneralOptions::kFileName),
                             &error)) {
        dialogs_.message(QStringLiteral("保存设置时遇到错误！") + error, core::MsgIcon::Critical);
        return;
    }
    accept();
}

} // namespace ui
