#include "print/Form打印抽取结果.h"

#include "core/PrintSettings.h"
#include "core/RunHistory.h"
#include "core/TextFiles.h"
#include "platform/system/ShellOpen.h"
#include "print/PrintResultDocument.h"
#include "print/Printers.h"
#include "print/ResultTable.h"
#include "print/SimpleResultDocument.h"
#include "print/TemplateDocument.h"
#include "ui/WindowHelpers.h"

#include <QCheckBox>
#include <QCloseEvent>
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
      openDocument_(platform::OpenWithShell) {
    setObjectName(QStringLiteral("Form打印抽取结果"));
    setWindowTitle(QStringLiteral("打印抽取结果"));
    buildControls();
}

void Form打印抽取结果::buildControls() {
    auto* window = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    window->addLayout(columns, 1);
    auto* layout = new QVBoxLayout;
    columns->addLayout(layout, 3);
    columns->addWidget(buildOutputControls(), 2);

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
    window->addWidget(Label可用打印机);
    window->addWidget(
        Named(new QLabel(QStringLiteral("请确认打印机已经跟电脑正常连接，方可按[打印]！")), QStringLiteral("Label4")));

    auto* buttons = new QHBoxLayout;
    Command编辑打印模板 = Named(new QPushButton(QStringLiteral("编辑打印模板")), QStringLiteral("Command编辑打印模板"));
    Commandtest = Named(new QPushButton(QStringLiteral("脱机预览")), QStringLiteral("Commandtest"));
    Command预览并打印 = Named(new QPushButton(QStringLiteral(" 打印")), QStringLiteral("Command预览并打印"));
    Command退出 = Named(new QPushButton(QStringLiteral("返回")), QStringLiteral("Command退出"));
    buttons->addWidget(Command编辑打印模板);
    buttons->addStretch();
    for (QPushButton* b : {Commandtest, Command预览并打印, Command退出})
        buttons->addWidget(b);
    window->addLayout(buttons);

    auto* status = Named(new QStatusBar, QStringLiteral("StatusBar状态提示"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        StatusBar状态提示[i] = Named(new QLabel, QStringLiteral("StatusBar状态提示%1").arg(i + 1));
        status->addWidget(StatusBar状态提示[i], i + 1);
    }
    window->addWidget(status);
    resize(900, 600);

    connect(Command浏览外部文件, &QPushButton::clicked, this, &Form打印抽取结果::Command浏览外部文件_Click);
    connect(Combo选择历史记录文件, &QComboBox::activated, this, &Form打印抽取结果::Combo选择历史记录文件_Click);
    connect(Commandtest, &QPushButton::clicked, this, &Form打印抽取结果::Commandtest_Click);
    connect(Command预览并打印, &QPushButton::clicked, this, &Form打印抽取结果::Command预览并打印_Click);
    connect(Command退出, &QPushButton::clicked, this, &Form打印抽取结果::Command退出_Click);
    connect(Command编辑打印模板, &QPushButton::clicked, this, &Form打印抽取结果::Command编辑打印模板_Click);
}

QWidget* Form打印抽取结果::buildOutputControls() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    Frame输出选项 = Named(new QGroupBox(QStringLiteral("输出选项")), QStringLiteral("Frame输出选项"));
    auto* output = new QVBoxLayout(Frame输出选项);
    const std::array<QString, 2> captions = {QStringLiteral("仅输出简单记录文本"),
                                             QStringLiteral("链接输出Excel工作表中的资料")};
    for (int i = 0; i < 2; ++i) {
        Option输出选项[i] = Named(new QRadioButton(captions[i]), QStringLiteral("Option输出选项%1").arg(i));
        output->addWidget(Option输出选项[i]);
        connect(Option输出选项[i], &QRadioButton::clicked, this, [this, i] { Option输出选项_Click(i); });
    }
    auto* grey = new QHBoxLayout;
    Check表格第一行加灰色底 =
        Named(new QCheckBox(QStringLiteral("项目行设灰色底")), QStringLiteral("Check表格第一行加灰色底"));
    grey->addWidget(Check表格第一行加灰色底);
    grey->addWidget(Named(new QLabel(QStringLiteral("(表格第一行)")), QStringLiteral("Label6")));
    grey->addStretch();
    output->addLayout(grey);
    layout->addWidget(Frame输出选项);

    Frame保留系统项目 = Named(new QGroupBox(QStringLiteral("保留抽取时产生的：")), QStringLiteral("Frame保留系统项目"));
    auto* kept = new QHBoxLayout(Frame保留系统项目);
    const std::array<QString, 2> items = {QStringLiteral("抽取序号"), QStringLiteral("抽取时间")};
    for (int i = 0; i < 2; ++i) {
        Check保留项目[i] = Named(new QCheckBox(items[i]), QStringLiteral("Check保留项目%1").arg(i));
        kept->addWidget(Check保留项目[i]);
    }
    kept->addStretch();
    layout->addWidget(Frame保留系统项目);
    layout->addWidget(buildLinkControls(), 1);
    Option输出选项_Click(0);
    return column;
}

QGroupBox* Form打印抽取结果::buildLinkControls() {
    Frame链接至数据库 = Named(new QGroupBox(QStringLiteral("链接至数据库")), QStringLiteral("Frame链接至数据库"));
    auto* grid = new QGridLayout(Frame链接至数据库);
    Text数据库路径 = Named(new QLineEdit, QStringLiteral("Text数据库路径"));
    Text数据库路径->setReadOnly(true);
    Text数据库路径->setPlaceholderText(QStringLiteral("请选择Excel工作簿"));
    Command选择数据库 = Named(new QPushButton(QStringLiteral("选择工作簿")), QStringLiteral("Command选择数据库"));
    Combo选择工作表 = Named(new QComboBox, QStringLiteral("Combo选择工作表"));
    Combo抽取结果匹配数据库字段 = Named(new QComboBox, QStringLiteral("Combo抽取结果匹配数据库字段"));
    Combo抽取结果匹配数据库字段->setPlaceholderText(QStringLiteral("请选择"));
    List可选项目 = Named(new QListWidget, QStringLiteral("List可选项目"));
    List已选项目 = Named(new QListWidget, QStringLiteral("List已选项目"));
    Command添加项目 = Named(new QPushButton(QStringLiteral("添加 >")), QStringLiteral("Command添加项目"));
    Command移除项目 = Named(new QPushButton(QStringLiteral("< 移除")), QStringLiteral("Command移除项目"));

    grid->addWidget(new QLabel(QStringLiteral("工作簿：")), 0, 0);
    grid->addWidget(Text数据库路径, 0, 1, 1, 2);
    grid->addWidget(Command选择数据库, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("工作表：")), 1, 0);
    grid->addWidget(Combo选择工作表, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("抽取结果匹配字段：")), 2, 0);
    grid->addWidget(Combo抽取结果匹配数据库字段, 2, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("可选项目：")), 3, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("已选项目(按打印顺序)：")), 3, 2, 1, 2);
    grid->addWidget(List可选项目, 4, 0, 1, 2);
    grid->addWidget(List已选项目, 4, 2, 1, 2);
    grid->addWidget(Command添加项目, 5, 0, 1, 2);
    grid->addWidget(Command移除项目, 5, 2, 1, 2);
    grid->setRowStretch(4, 1);

    connect(Command选择数据库, &QPushButton::clicked, this, &Form打印抽取结果::Command选择数据库_Click);
    connect(Combo选择工作表, &QComboBox::activated, this, &Form打印抽取结果::Combo选择工作表_Click);
    connect(Command添加项目, &QPushButton::clicked, this, &Form打印抽取结果::Command添加项目_Click);
    connect(List可选项目, &QListWidget::itemDoubleClicked, this, &Form打印抽取结果::Command添加项目_Click);
    connect(Command移除项目, &QPushButton::clicked, this, &Form打印抽取结果::Command移除项目_Click);
    connect(List已选项目, &QListWidget::itemDoubleClicked, this, &Form打印抽取结果::Command移除项目_Click);
    return Frame链接至数据库;
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

    PrinterListText = ListPrinters();
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
    LoadPrintSettings();
}

QString Form打印抽取结果::ListPrinters() const {
    return printers_.names().join(QStringLiteral("\r\n"));
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
    // Batch results give the simple document only.
    if (index == 0) {
        Option输出选项[0]->setChecked(true);
        Option输出选项_Click(0);
    }
    Option输出选项[1]->setEnabled(index != 0);
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
    SavePrintSettings();
    if (!mainWindow_) return;
    // Minimised once by the record viewer, it would come back as no window at all.
    ui::ShowAgain(mainWindow_, mainWindow_->windowState() & ~Qt::WindowMinimized);
}

void Form打印抽取结果::PreviewAndPrint(bool printFlag) {
    if (RichTextBox打印内容显示->toPlainText().isEmpty()) {
        message(QStringLiteral("没有内容可打印呢。请注意相关设置！"), MsgIcon::Exclamation);
        return;
    }
    if (Option输出选项[1]->isChecked() && !linkIsComplete()) return;
    message(QStringLiteral("接下来，在生成打印文档的过程中可能要花费1至3分钟，请稍候...\r\n"
                           "请留意打印机的动向及相关提示....\r\n请按[确定]"),
            MsgIcon::Information);
    unmatched_ = 0;
    const bool built = Option输出选项[0]->isChecked() ? BuildSimpleOutputDocument(printFlag)
                                                      : BuildTemplateDocument(printFlag);
    if (built &&
        message(QStringLiteral("文件已经保存到了") + Native(TempDocumentPath) + QStringLiteral("\r\n要打开吗？"),
                MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes) {
        // Only a strip of the window stays above the bottom edge while the document is shown.
        if (ui::OpenOrTell(openDocument_, dialogs_, TempDocumentPath)) {
            const QRect screen = ui::ScreenRect();
            move((screen.width() - width()) / 2, screen.height() - ui::ToPixels(1100));
        }
    }
    setStatus(QStringLiteral("处理完毕！"),
              unmatched_ > 0 ? QStringLiteral("有%1个抽取结果在工作表中没有找到").arg(unmatched_) : QString());
}

bool Form打印抽取结果::linkIsComplete() {
    QString text;
    if (Combo选择工作表->count() == 0 || Combo选择工作表->currentText().isEmpty())
        text = QStringLiteral("所指定的数据库(EXCEL)文件无效：") + Text数据库路径->text();
    else if (Combo抽取结果匹配数据库字段->count() == 0 || Combo抽取结果匹配数据库字段->currentText().isEmpty())
        text = QStringLiteral("未指定抽取结果匹配的数据库项目！");
    else if (List已选项目->count() == 0)
        text = QStringLiteral("未指定“已选取项目！”");
    if (!text.isEmpty()) message(text, MsgIcon::Critical);
    return text.isEmpty();
}

bool Form打印抽取结果::BuildSimpleOutputDocument(bool printFlag) {
    const QString path = Native(TempDocumentPath);
    setStatus(QStringLiteral("正在生成简单输出文档："), path);
    return saveAndPrint(
        SimpleResultDocument(sourceLine(), RichTextBox打印内容显示->toPlainText(), QDateTime::currentDateTime()),
        printFlag);
}

bool Form打印抽取结果::BuildTemplateDocument(bool printFlag) {
    const QString path = Native(TempDocumentPath);
    setStatus(QStringLiteral("正在生成打印文档："), path);
    QStringList fields;
    for (int i = 0; i < List已选项目->count(); ++i)
        fields << List已选项目->item(i)->text();
    const ResultTable table = PrepareResultTable(
        RichTextBox打印内容显示->toPlainText(), SheetRecords::read(*workbook_, Combo选择工作表->currentIndex()),
        {Combo抽取结果匹配数据库字段->currentText(), fields, Check保留项目[0]->isChecked(),
         Check保留项目[1]->isChecked()});
    unmatched_ = table.unmatched;

    const QString templatePath = TemplateDocument::path(state_.AppFolder);
    const QHash<QString, QString> values = {
        {QStringLiteral("{ReviewProjectName}"), state_.ReviewProjectName},
        {QStringLiteral("{ReviewTime}"), state_.ReviewTime},
        {QStringLiteral("{ReviewPlace}"), state_.ReviewPlace},
        {QStringLiteral("{RecordSource}"), sourceText()},
        {QStringLiteral("{PrintTime}"), core::GeneralDateTime(QDateTime::currentDateTime())},
    };
    QString error = QStringLiteral("file not found");
    const auto doc = templatePath.isEmpty() ? std::nullopt
                                            : TemplateDocument::build(templatePath, values,
                                                                      TemplateDocument::resultTable(
                                                                          table, Check表格第一行加灰色底->isChecked()),
                                                                      &error);
    if (!doc) {
        message(QStringLiteral("无法读取打印模板：") +
                    Native(templatePath.isEmpty() ? state_.AppFolder + QLatin1String(TemplateDocument::kFileName)
                                                  : templatePath) +
                    QStringLiteral("\r\n") + error,
                MsgIcon::Critical);
        return false;
    }
    return saveAndPrint(*doc, printFlag);
}

bool Form打印抽取结果::saveAndPrint(const ResultDocument& doc, bool printFlag) {
    const QString path = Native(TempDocumentPath);
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
        if (!PrintResultDocument(doc, printer, QFileInfo(TempDocumentPath).fileName(), &error))
            message(QStringLiteral("打印失败：") + error, MsgIcon::Critical);
    }
    setStatus(QStringLiteral("处理完毕！"), {});
    return true;
}

QString Form打印抽取结果::sourceText() const {
    if (Option内容选择[0]->isChecked()) return Option内容选择[0]->text();
    if (Option内容选择[1]->isChecked()) return Option内容选择[1]->text() + u' ' + Combo选择历史记录文件->currentText();
    if (Option内容选择[2]->isChecked()) return Option内容选择[2]->text() + u'-' + Native(externalFile_);
    return {};
}

QString Form打印抽取结果::sourceLine() const {
    const QString text = sourceText();
    return text.isEmpty() ? QString() : QStringLiteral("数据来源：") + text;
}

void Form打印抽取结果::Option输出选项_Click(int index) {
    if (index < 0 || index > 1) return;
    Option输出选项[index]->setChecked(true);
    Frame保留系统项目->setVisible(index == 1);
    Frame链接至数据库->setVisible(index == 1);
}

void Form打印抽取结果::Command选择数据库_Click() {
    const QString path = dialogs_.openFileName(
        QStringLiteral("选择工作簿"), QStringLiteral("Excel工作簿(*.xlsx;*.xls)|*.xlsx;*.xls|所有文件(*.*)|*"));
    if (path.isEmpty()) return;
    if (!openWorkbook(path))
        message(QStringLiteral("所指定的数据库(EXCEL)文件无效：") + Native(path), MsgIcon::Critical);
}

bool Form打印抽取结果::openWorkbook(const QString& path) {
    workbook_ = platform::Workbook::open(path);
    Text数据库路径->setText(Native(path));
    Combo选择工作表->clear();
    if (workbook_) {
        Combo选择工作表->addItems(workbook_->sheetNames());
        Combo选择工作表->setCurrentIndex(0);
    }
    Combo选择工作表_Click();
    return workbook_.has_value();
}

void Form打印抽取结果::clearLink() {
    workbook_.reset();
    Text数据库路径->clear();
    Combo选择工作表->clear();
    Combo选择工作表_Click();
}

void Form打印抽取结果::Combo选择工作表_Click() {
    Combo抽取结果匹配数据库字段->clear();
    List可选项目->clear();
    List已选项目->clear();
    const int sheet = Combo选择工作表->currentIndex();
    if (!workbook_ || sheet < 0) return;
    const QStringList fields = SheetRecords::fieldsOf(*workbook_, sheet);
    Combo抽取结果匹配数据库字段->addItems(fields);
    Combo抽取结果匹配数据库字段->setCurrentIndex(-1);
    List可选项目->addItems(fields);
}

void Form打印抽取结果::Command添加项目_Click() {
    const QListWidgetItem* item = List可选项目->currentItem();
    if (item && List已选项目->findItems(item->text(), Qt::MatchExactly).isEmpty()) List已选项目->addItem(item->text());
}

void Form打印抽取结果::Command移除项目_Click() {
    delete List已选项目->currentItem();
}

void Form打印抽取结果::Command编辑打印模板_Click() {
    if (message(QStringLiteral("编辑好后，保存并关掉文件，再重新运行抽取器，进入此打印程序。"), MsgIcon::Exclamation,
                MsgButtons::OKCancel, MsgResult::Cancel) != MsgResult::OK)
        return;
    const QString path = TemplateDocument::path(state_.AppFolder);
    // When no program could open it, the user is told where it is and the program stays.
    if (!path.isEmpty() && !ui::OpenOrTell(openDocument_, dialogs_, path)) return;
    // The run's records and the settings are saved on the way out.
    SavePrintSettings();
    if (exitProgram_) exitProgram_();
}

void Form打印抽取结果::LoadPrintSettings() {
    const core::PrintSettings s = core::PrintSettings::read(
        core::ReadTextFile(state_.AppFolder + QLatin1String(core::PrintSettings::kFileName)));
    if (Option输出选项[1]->isEnabled()) Option输出选项_Click(s.OutputOption);
    Check保留项目[0]->setChecked(s.KeepSeq);
    Check保留项目[1]->setChecked(s.KeepTime);
    Check表格第一行加灰色底->setChecked(s.GreyFirstRow);
    // A workbook that has moved or can no longer be read restores nothing of the link.
    clearLink();
    if (s.Workbook.isEmpty() || !QFileInfo::exists(s.Workbook)) return;
    if (!openWorkbook(s.Workbook)) {
        clearLink();
        return;
    }
    const int sheet = workbook_->sheetIndex(s.Sheet);
    if (sheet < 0) return;
    Combo选择工作表->setCurrentIndex(sheet);
    Combo选择工作表_Click();
    Combo抽取结果匹配数据库字段->setCurrentIndex(Combo抽取结果匹配数据库字段->findText(s.MatchField));
    for (const QString& field : s.Fields)
        if (!List可选项目->findItems(field, Qt::MatchExactly).isEmpty()) List已选项目->addItem(field);
}

void Form打印抽取结果::SavePrintSettings() const {
    core::PrintSettings s;
    s.OutputOption = Option输出选项[1]->isChecked() ? 1 : 0;
    s.Workbook = workbook_ ? QDir::fromNativeSeparators(Text数据库路径->text()) : QString();
    s.Sheet = workbook_ ? Combo选择工作表->currentText() : QString();
    s.MatchField = Combo抽取结果匹配数据库字段->currentText();
    for (int i = 0; i < List已选项目->count(); ++i)
        s.Fields << List已选项目->item(i)->text();
    s.KeepSeq = Check保留项目[0]->isChecked();
    s.KeepTime = Check保留项目[1]->isChecked();
    s.GreyFirstRow = Check表格第一行加灰色底->isChecked();
    core::WriteTextFile(s.write(), state_.AppFolder + QLatin1String(core::PrintSettings::kFileName));
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
