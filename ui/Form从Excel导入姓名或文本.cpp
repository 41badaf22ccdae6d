#include "ui/Form从Excel导入姓名或文本.h"

#include "core/FileNames.h"
#include "core/TextFiles.h"
#include "ui/WindowHelpers.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

namespace {

// The editor shows LF; name files keep CR LF.
QString WithCrLf(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n]"));
    return text.split(lineBreak).join(QStringLiteral("\r\n"));
}

} // namespace

Form从Excel导入姓名或文本::Form从Excel导入姓名或文本(core::Dialogs& dialogs, const QString& sourcePath, NameFiles files,
                                                     QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), sourcePath_(sourcePath), files_(std::move(files)) {
    setObjectName(QStringLiteral("Form从Excel导入姓名或文本"));
    setWindowTitle(QStringLiteral("从Excel工作簿导入姓名（文本）"));
    auto* layout = new QGridLayout(this);

    Label文件路径 = Named(new QLabel, QStringLiteral("Label文件路径"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("源文件路径：")));
    pathRow->addWidget(Label文件路径, 1);
    layout->addLayout(pathRow, 0, 0, 1, 3);
    auto* rules = new QLabel(QStringLiteral("说明：工作表必须是一个标准的数据表；无标题无空行无合并单元格；第一行是字段"
                                            "名（学号、姓名、性别等名称）。"));
    rules->setWordWrap(true);
    layout->addWidget(rules, 1, 0, 1, 3);

    Frame选择工作表 = Named(new QGroupBox(QStringLiteral("1.选择工作表")), QStringLiteral("Frame选择工作表"));
    Combo选择工作表 = Named(new QComboBox, QStringLiteral("Combo选择工作表"));
    Combo选择工作表->setPlaceholderText(QStringLiteral("选择工作表"));
    (new QVBoxLayout(Frame选择工作表))->addWidget(Combo选择工作表);
    List选择字段 = Named(new QListWidget, QStringLiteral("List选择字段"));
    Frame字段间连接符 = Named(new QGroupBox, QStringLiteral("Frame字段间连接符"));
    Text字段间连接符 = Named(new QLineEdit(QStringLiteral("-")), QStringLiteral("Text字段间连接符"));
    auto* separatorRow = new QHBoxLayout(Frame字段间连接符);
    separatorRow->addWidget(new QLabel(QStringLiteral("字段间连接符：")));
    separatorRow->addWidget(Text字段间连接符);
    auto* fields = new QVBoxLayout;
    fields->addWidget(Frame选择工作表);
    fields->addWidget(new QLabel(QStringLiteral("2.选择字段(需要的打勾)：")));
    fields->addWidget(List选择字段, 1);
    fields->addWidget(Frame字段间连接符);
    layout->addLayout(fields, 2, 0);

    Command更新结果 = Named(new QPushButton(QStringLiteral("3.更新->")), QStringLiteral("Command更新结果"));
    layout->addWidget(Command更新结果, 2, 1, Qt::AlignVCenter);

    Text导入结果预览 = Named(new QPlainTextEdit, QStringLiteral("Text导入结果预览"));
    Text导入后的文件名 = Named(new QLineEdit, QStringLiteral("Text导入后的文件名"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Text导入后的文件名, 1);
    nameRow->addWidget(new QLabel(QStringLiteral(".txt ( 修改文件主名 )")));
    auto* result = new QVBoxLayout;
    result->addWidget(new QLabel(QStringLiteral("预览结果：")));
    result->addWidget(Text导入结果预览, 1);
    result->addWidget(new QLabel(QStringLiteral("4.修改导入后的文件名:")));
    result->addLayout(nameRow);
    layout->addLayout(result, 2, 2);

    Command确定导入 = Named(new QPushButton(QStringLiteral("5.确定导入")), QStringLiteral("Command确定导入"));
    Command取消 = Named(new QPushButton(QStringLiteral("取消")), QStringLiteral("Command取消"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command确定导入);
    buttons->addWidget(Command取消);
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(Combo选择工作表, &QComboBox::currentIndexChanged, this, [this] { Combo选择工作表_Click(); });
    connect(List选择字段, &QListWidget::itemChanged, this, [this] { List选择字段_Click(); });
    connect(Command更新结果, &QPushButton::clicked, this, [this] { Command更新结果_Click(); });
    connect(Text导入结果预览, &QPlainTextEdit::textChanged, this, [this] { Text导入结果预览_Change(); });
    connect(Command确定导入, &QPushButton::clicked, this, [this] { Command确定导入_Click(); });
    connect(Command取消, &QPushButton::clicked, this, [this] { Command取消_Click(); });
    List选择字段_Click();
    Text导入结果预览_Change();
}

bool Form从Excel导入姓名或文本::Form_Load() {
    adjustSize();
    const QRect screen = ScreenRect();
    move(screen.center() - rect().center());
    SetWindowTopmost(this, false);
    Label文件路径->setText(QDir::toNativeSeparators(sourcePath_));
    // Only the lower-case extension is taken off, so "BOOK.XLS" keeps its own.
    static const QRegularExpression extension(QStringLiteral("\\.xlsx?"));
    Text导入后的文件名->setText(QFileInfo(sourcePath_).fileName().remove(extension));
    QString error;
    workbook_ = platform::Workbook::open(sourcePath_, &error);
    if (!workbook_) {
        dialogs_.message(QStringLiteral("无法读取Excel工作簿：") + QDir::toNativeSeparators(sourcePath_) +
                             QStringLiteral("\r\n") + error,
                         MsgIcon::Critical);
        reject();
        return false;
    }
    Combo选择工作表->addItems(workbook_->sheetNames());
    Combo选择工作表->setCurrentIndex(0); // lists the first sheet's fields
    return true;
}

void Form从Excel导入姓名或文本::Combo选择工作表_Click() {
    const int sheet = Combo选择工作表->currentIndex();
    if (sheet < 0) return;
    List选择字段->clear();
    // Past the last used column every cell is empty, so the loop ends.
    for (int column = 1;; ++column) {
        const QString name = workbook_->cellText(sheet, 1, column);
        if (name.isEmpty()) break;
        auto* item = new QListWidgetItem(name);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        List选择字段->addItem(item);
    }
    List选择字段_Click();
}

void Form从Excel导入姓名或文本::List选择字段_Click() {
    int ticked = 0;
    for (int i = 0; i < List选择字段->count(); ++i)
        if (List选择字段->item(i)->checkState() == Qt::Checked) ++ticked;
    Frame字段间连接符->setVisible(ticked > 1);
}

QString Form从Excel导入姓名或文本::previewLine(int sheet, int row) const {
    QString line;
    for (int i = 0; i < List选择字段->count(); ++i) {
        if (List选择字段->item(i)->checkState() != Qt::Checked) continue;
        if (!line.isEmpty()) line += Text字段间连接符->text();
        // A line break typed in a cell (Alt+Enter) is no new name: it reads as a blank.
        QString cell = workbook_->cellText(sheet, row, i + 1);
        cell.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
        line += cell.trimmed();
    }
    return line;
}

void Form从Excel导入姓名或文本::Command更新结果_Click() {
    const int sheet = Combo选择工作表->currentIndex();
    if (sheet < 0) return;
    Text导入结果预览->clear();
    bool anyTicked = false;
    for (int i = 0; i < List选择字段->count(); ++i)
        anyTicked = anyTicked || List选择字段->item(i)->checkState() == Qt::Checked;
    if (!anyTicked) {
        dialogs_.message(QStringLiteral("至少要选择一个字段！"), MsgIcon::Critical);
        return;
    }
    QString preview;
    // The data end at the first empty first cell, ticked or not.
    for (int row = 2; !workbook_->cellText(sheet, row, 1).isEmpty(); ++row) {
        if (!preview.isEmpty()) preview += u'\n';
        preview += previewLine(sheet, row);
    }
    Text导入结果预览->setPlainText(preview);
}

void Form从Excel导入姓名或文本::Text导入结果预览_Change() {
    Command确定导入->setEnabled(!Text导入结果预览->toPlainText().isEmpty());
}

void Form从Excel导入姓名或文本::Command确定导入_Click() {
    const QString preview = Text导入结果预览->toPlainText();
    if (preview.isEmpty()) {
        dialogs_.message(QStringLiteral("没东西可导入！"), MsgIcon::Critical);
        return;
    }
    QString name = Text导入后的文件名->text();
    // The name must not lead out of the folder of name files.
    if (!core::IsPlainFileName(name)) {
        dialogs_.message(QStringLiteral("文件名不合法：") + name, MsgIcon::Critical);
        return;
    }
    if (!name.endsWith(QStringLiteral(".txt"))) name += QStringLiteral(".txt");
    const QString path = files_.folder + name;
    if (QFileInfo::exists(path) &&
        dialogs_.message(QStringLiteral("文件") + QDir::toNativeSeparators(path) + QStringLiteral(" 已经存在，覆盖？"),
                         MsgIcon::Exclamation, MsgButtons::OKCancel) != MsgResult::OK)
        return;
    QString error;
    if (!core::WriteTextFile(WithCrLf(preview), path, &error)) {
        // Nothing was saved, so the list gets no entry and the user may try another name.
        dialogs_.message(QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(path) + QStringLiteral("\r\n") +
                             error,
                         MsgIcon::Critical);
        return;
    }
    if (files_.current() == name)
        dialogs_.message(QStringLiteral("导入完成后，请在主窗口中按一次【重置候选列表】！"), MsgIcon::Information);
    files_.addAndSelect(name);
    accept();
}

void Form从Excel导入姓名或文本::Command取消_Click() {
    reject();
}

} // namespace ui
