#include "print/Form打印抽取结果.h"

#include "core/RunHistory.h"
#include "core/TextFiles.h"
#include "platform/system/ShellOpen.h"
#include "print/PrintResultDocument.h"
#include "print/Printers.h"
#include "print/SimpleResultDocument.h"
#include "ui/WindowHelpers.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace print {

using ui::Named;

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

Form打印抽取结果::Form打印抽取结果(core::AppState& state, core::Dialogs& dialogs, const Printers& printers,
                                   std::function<QString()> batchResults, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), state_(state), dialogs_(dialogs), printers_(printers),
      batchResults_(std::move(batchResults)), mainWindow_(mainWindow),
      openDocument_([](const QString& path) { platform::OpenWithShell(path, false); }) {
    setObjectName(QStringLiteral("Form打印抽取结果"));
    setWindowTitle(QStringLiteral("打印抽取结果"));
    buildControls();
}

void Form打印抽取结果::buildControls() {
    auto* layout = new QVBoxLayout(this);

    Frame打印内容选择 = Named(new QGroupBox(QStringLiteral("选择记录来源")), QStringLiteral("Frame打印内容选择"));
    auto* sources = new QHBoxLayout(Frame打印内容选择);
    const std::array<QString, 3> captions = {QStringLiteral("批量抽取结果(即时)"), QStringLiteral("抽取记录"),
                                             QStringLiteral("其它外部文件")};
    for (int i = 0; i < 3; ++i) {
        Option内容选择[i] = Named(new QRadioButton(captions[i]), QStringLiteral("Option内容选择%1").arg(i));
        sources->addWidget(Option内容选择[i]);
        connect(Option内容选择[i], &QRadioButton::clicked, this, [this, i] { Option内容选择_Click(i); });
    }
    Command浏览外部文件 = Named(new QPushButton(QStringLiteral("选择文件")), QStringLiteral("Command浏览外部文件"));
    sources->addWidget(Command浏览外部文件);
    sources->addStretch();
    layout->addWidget(Frame打印内容选择);

    Frame历史记录文件 = Named(new QFrame, QStringLiteral("Frame历史记录文件"));
    auto* files = new QHBoxLayout(Frame历史记录文件);
    files->setContentsMargins(0, 0, 0, 0);
    files->addWidget(Named(new QLabel(QStringLiteral("记录文件：")), QStringLiteral("Label1")));
    Combo选择历史记录文件 = Named(new QComboBox, QStringLiteral("Combo选择历史记录文件"));
    Combo选择历史记录文件->setPlaceholderText(QStringLiteral("请选择"));
    files->addWidget(Combo选择历史记录文件, 1);
    files->addWidget(Named(new QLabel(QStringLiteral("<- 请先选一个文件")), QStringLiteral("Label3")));
    layout->addWidget(Frame历史记录文件);

    layout->addWidget(Named(new QLabel(QStringLiteral("记录内容：")), QStringLiteral("Label2")));
    RichTextBox打印内容显示 = Named(new QPlainTextEdit, QStringLiteral("RichTextBox打印内容显示"));
    layout->addWidget(RichTextBox打印内容显示, 1);

    Label可用打印机 = Named(new QLabel, QStringLiteral("Label可用打印机"));
    layout->addWidget(Label可用打印机);
    layout->addWidget(
        Named(new QLabel(QStringLiteral("请确认打印机已经跟电脑正常连接，方可按[打印]！")), QStringLiteral("Label4")));

    auto* buttons = new QHBoxLayout;
    Commandtest = Named(new QPushButton(QStringLiteral("脱机预览")), QStringLiteral("Commandtest"));
    Command预览并打印 = Named(new QPushButton(QStringLiteral(" 打印")), QStringLiteral("Command预览并打印"));
    Command退出 = Named(new QPushButton(QStringLiteral("返回")), QStringLiteral("Command退出"));
    buttons->addStretch();
    for (QPushButton* b : {Commandtest, Command预览并打印, Command退出})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    auto* status = Named(new QStatusBar, QStringLiteral("StatusBar状态提示"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        StatusBar状态提示[i] = Named(new QLabel, QStringLiteral("StatusBar状态提示%1").arg(i + 1));
        status->addWidget(StatusBar状态提示[i], i + 1);
    }
    layout->addWidget(status);
    resize(640, 520);

    connect(Command浏览外部文件, &QPushButton::clicked, this, &Form打印抽取结果::Command浏览外部文件_Click);
    connect(Combo选择历史记录文件, &QComboBox::activated, this, &Form打印抽取结果::Combo选择历史记录文件_Click);
    connect(Commandtest, &QPushButton::clicked, this, &Form打印抽取结果::Commandtest_Click);
    connect(Command预览并打印, &QPushButton::clicked, this, &Form打印抽取结果::Command预览并打印_Click);
    connect(Command退出, &QPushButton::clicked, this, &Form打印抽取结果::Command退出_Click);
}

void Form打印抽取结果::Open(int printSource) {
    PrintSourceIndex = printSource;
    Form_Load();
    show();
}

void Form打印抽取结果::Form_Load() {
    TempDocumentPath = state_.AppFolder + QStringLiteral("zkpprint_temp.docx");
    // Every showing starts afresh, as a newly loaded window would.
    externalFile_.clear();
    Combo选择历史记录文件->clear();
    Option内容选择_Click(PrintSourceIndex);

    // Names carry the date and time with leading zeros, so name order is the order of writing.
    Combo选择历史记录文件->addItems(
        QDir(core::RunHistory::folder(state_.AppFolder)).entryList(QDir::Files, QDir::Name));
    if (Option内容选择[1]->isChecked() && Combo选择历史记录文件->count() > 0) {
        Combo选择历史记录文件->setCurrentIndex(Combo选择历史记录文件->count() - 1);
        Combo选择历史记录文件_Click();
    }

    PrinterListText = printers_.names().join(QStringLiteral("\r\n"));
    Command预览并打印->setEnabled(!PrinterListText.isEmpty());
    if (PrinterListText.isEmpty()) {
        Label可用打印机->setText(QStringLiteral("可用打印机:无"));
        message(QStringLiteral("没有打印机可用！\r\n没安装打印机？打印机没连接？打印机有卡纸等错误？"),
                MsgIcon::Critical);
    } else {
        Label可用打印机->setText(QStringLiteral("可用打印机：\n") + QString(PrinterListText).replace(u'\r', QString()));
    }

    const QRect screen = ui::ScreenRect();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    ui::SetWindowTopmost(this, false);
    setStatus({}, {});
}

void Form打印抽取结果::Option内容选择_Click(int index) {
    if (index < 0 || index > 2) return;
    Option内容选择[index]->setChecked(true);
    Frame历史记录文件->setVisible(index == 1);
    Command浏览外部文件->setVisible(index == 2);
    if (index == 0)
        setRecordText(batchResults_ ? batchResults_() : QString());
    else if (index == 1)
        Combo选择历史记录文件_Click();
    else
        setRecordText({});
}

void Form打印抽取结果::Combo选择历史记录文件_Click() {
    const QString name = Combo选择历史记录文件->currentText();
    setRecordText(name.isEmpty() ? QString()
                                 : core::ReadTextFile(core::RunHistory::folder(state_.AppFolder) + u'/' + name));
}

void Form打印抽取结果::Command浏览外部文件_Click() {
    externalFile_ =
        dialogs_.openFileName(QStringLiteral("选择文件"), QStringLiteral("文本文件(*.txt)|*.txt|所有文件(*.*)|*"));
    setRecordText(externalFile_.isEmpty() ? QString() : core::ReadTextFile(externalFile_));
}

void Form打印抽取结果::Command退出_Click() {
    close();
}

void Form打印抽取结果::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// No office program is driven, so there is nothing to close or end here.
void Form打印抽取结果::Form_Unload() {
    if (!mainWindow_) return;
    // Minimised once by the record viewer, it would come back as no window at all.
    ui::ShowAgain(mainWindow_, mainWindow_->windowState() & ~Qt::WindowMinimized);
}

void Form打印抽取结果::PreviewAndPrint(bool printFlag) {
    if (RichTextBox打印内容显示->toPlainText().isEmpty()) {
        message(QStringLiteral("没有内容可打印呢。请注意相关设置！"), MsgIcon::Exclamation);
        return;
    }
    message(QStringLiteral("接下来，在生成打印文档的过程中可能要花费1至3分钟，请稍候...\r\n"
                           "请留意打印机的动向及相关提示....\r\n请按[确定]"),
            MsgIcon::Information);
    if (BuildSimpleOutputDocument(printFlag) &&
        message(QStringLiteral("文件已经保存到了") + Native(TempDocumentPath) + QStringLiteral("\r\n要打开吗？"),
                MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes) {
        openDocument_(TempDocumentPath);
        // Only a strip of the window stays above the bottom edge while the document is shown.
        const QRect screen = ui::ScreenRect();
        move((screen.width() - width()) / 2, screen.height() - ui::ToPixels(1100));
    }
    setStatus(QStringLiteral("处理完毕！"), {});
}

bool Form打印抽取结果::BuildSimpleOutputDocument(bool printFlag) {
    const QString path = Native(TempDocumentPath);
    setStatus(QStringLiteral("正在生成简单输出文档："), path);
    const ResultDocument doc =
        SimpleResultDocument(sourceLine(), RichTextBox打印内容显示->toPlainText(), QDateTime::currentDateTime());

    setStatus(QStringLiteral("正在保存文档："), path);
    QString error;
    if (!doc.saveDocx(TempDocumentPath, &error)) {
        message(QStringLiteral("无法保存文档：") + path + QStringLiteral("\r\n") + error, MsgIcon::Critical);
        return false;
    }
    if (printFlag && message(QStringLiteral("文档已经准备好，请再次确认打印机已经准备好？\r\n"
                                            "打印机已经准备好，按[确定]；要取消打印按[取消]。"),
                             MsgIcon::Question, MsgButtons::OKCancel, MsgResult::Cancel) == MsgResult::OK) {
        setStatus(QStringLiteral("正在打印文档："), path);
        QPrinter printer(QPrinter::HighResolution);
        printers_.choose(printer);
        // The document is saved either way; a failed print is told but does not undo that.
        if (!PrintResultDocument(doc, printer, &error))
            message(QStringLiteral("打印失败：") + error, MsgIcon::Critical);
    }
    setStatus(QStringLiteral("处理完毕！"), {});
    return true;
}

QString Form打印抽取结果::sourceLine() const {
    const QString prefix = QStringLiteral("数据来源：");
    if (Option内容选择[0]->isChecked()) return prefix + Option内容选择[0]->text();
    if (Option内容选择[1]->isChecked())
        return prefix + Option内容选择[1]->text() + u' ' + Combo选择历史记录文件->currentText();
    if (Option内容选择[2]->isChecked()) return prefix + Option内容选择[2]->text() + u'-' + Native(externalFile_);
    return {};
}

void Form打印抽取结果::setStatus(const QString& step, const QString& object) {
    StatusBar状态提示[0]->setText(step);
    StatusBar状态提示[1]->setText(object);
    // Painted at once: building and printing run without pumping events.
    if (isVisible()) StatusBar状态提示[0]->parentWidget()->repaint();
}

void Form打印抽取结果::setRecordText(const QString& text) {
    RichTextBox打印内容显示->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

MsgResult Form打印抽取结果::message(const QString& text, MsgIcon icon, MsgButtons buttons,
                                    std::optional<MsgResult> defaultButton) {
    return dialogs_.message(text, icon, buttons, defaultButton);
}

} // namespace print
