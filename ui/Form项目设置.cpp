#include "ui/Form项目设置.h"

#include "core/TextFiles.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace ui {

namespace {

// Each field is one line of the file, so a pasted line break must not split it.
QString OneLine(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n]"));
    return QString(text).replace(lineBreak, QStringLiteral(" "));
}

QLineEdit* AddField(QFormLayout* layout, const QString& label, const QString& name, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    edit->setMinimumWidth(300);
    layout->addRow(label, edit);
    return edit;
}

} // namespace

Form项目设置::Form项目设置(core::AppState& state, core::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), state_(state), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Form项目设置"));
    setWindowTitle(QStringLiteral("项目设置"));
    auto* layout = new QFormLayout(this);
    Text项目名称 =
        AddField(layout, QStringLiteral("项目名称："), QStringLiteral("Text项目名称"), state.ReviewProjectName);
    Text评审时间 = AddField(layout, QStringLiteral("评审时间："), QStringLiteral("Text评审时间"), state.ReviewTime);
    Text评审地点 = AddField(layout, QStringLiteral("评审地点："), QStringLiteral("Text评审地点"), state.ReviewPlace);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Command确定 = buttons->button(QDialogButtonBox::Ok);
    Command确定->setObjectName(QStringLiteral("Command确定"));
    Command确定->setText(QStringLiteral("确定"));
    Command取消 = buttons->button(QDialogButtonBox::Cancel);
    Command取消->setObjectName(QStringLiteral("Command取消"));
    Command取消->setText(QStringLiteral("取消"));
    layout->addRow(buttons);
    // Wired by hand so that a failed save can keep the dialog open.
    connect(Command确定, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(Command取消, &QPushButton::clicked, this, &QDialog::reject);
}

void Form项目设置::CommandOK_Click() {
    const QString name = OneLine(Text项目名称->text());
    const QString time = OneLine(Text评审时间->text());
    const QString place = OneLine(Text评审地点->text());
    QString error;
    if (!core::WriteTextFile(QStringList{name, time, place}.join(QStringLiteral("\r\n")),
                             state_.AppFolder + QStringLiteral("XiangMu.dat"), &error)) {
        dialogs_.message(QStringLiteral("保存设置时遇到错误！") + error, core::MsgIcon::Critical);
        return;
    }
    state_.ReviewProjectName = name;
    state_.ReviewTime = time;
    state_.ReviewPlace = place;
    accept();
}

} // namespace ui
