#pragma once
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "platform/office/Workbook.h"
#include "ui/DocumentOpener.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace print {

class Printers;
class ResultDocument;

// The print window: chooses the record source, shows the records, builds the simple result document or
// the print template joined with a workbook, saves it for the word processor and prints it. The main
// window stays hidden while it is shown.
class Form打印抽取结果 : public QWidget {
public:
    // batchResults gives the batch result text of the main window (record source 0).
    Form打印抽取结果(core::AppState& state, core::Dialogs& dialogs, const Printers& printers,
                     std::function<QString()> batchResults, QWidget* mainWindow);

    // How a built document is opened; by default with the desktop's associated program.
    void setDocumentOpener(ui::DocumentOpener open) { openDocument_ = std::move(open); }
    // How the program ends when the user goes off to edit the print template: the main window's exit routine.
    void setProgramExit(std::function<void()> exit) { exitProgram_ = std::move(exit); }

    // Loads the window for a record source (0 batch results, 1 history file, 2 external file) and shows it.
    void Open(int printSource);

    void Form_Load();
    void Option内容选择_Click(int index);
    void Combo选择历史记录文件_Click();
    void Command浏览外部文件_Click();
    void Commandtest_Click() { PreviewAndPrint(false); }
    void Command预览并打印_Click() { PreviewAndPrint(true); }
    void Command退出_Click();
    void Option输出选项_Click(int index);
    void Command选择数据库_Click();
    void Combo选择工作表_Click();
    void Command添加项目_Click();
    void Command移除项目_Click();
    void Command编辑打印模板_Click();
    // True when the document was built and saved, printed or not.
    bool BuildSimpleOutputDocument(bool printFlag);
    bool BuildTemplateDocument(bool printFlag);
    // The installed printers, one a line (CR LF between them); empty when there is none.
    QString ListPrinters() const;
    void LoadPrintSettings();
    void SavePrintSettings() const;

    int PrintSourceIndex = 1;
    QString TempDocumentPath;
    QString PrinterListText; // one printer a line, empty when there is none

    QGroupBox* Frame打印内容选择;
    std::array<QRadioButton*, 3> Option内容选择;
    QPushButton* Command浏览外部文件;
    QFrame* Frame历史记录文件;
    QComboBox* Combo选择历史记录文件;
    QPlainTextEdit* RichTextBox打印内容显示;
    QGroupBox* Frame输出选项;
    std::array<QRadioButton*, 2> Option输出选项;
    QCheckBox* Check表格第一行加灰色底;
    QGroupBox* Frame保留系统项目;
    std::array<QCheckBox*, 2> Check保留项目;
    QGroupBox* Frame链接至数据库;
    QLineEdit* Text数据库路径; // the workbook's path
    QPushButton* Command选择数据库;
    QComboBox* Combo选择工作表;
    QComboBox* Combo抽取结果匹配数据库字段;
    QListWidget* List可选项目; // the sheet's fields
    QPushButton* Command添加项目;
    QPushButton* Command移除项目;
    QListWidget* List已选项目; // the fields to print, in order
    QPushButton* Command编辑打印模板;
    QPushButton* Commandtest;
    QPushButton* Command预览并打印;
    QPushButton* Command退出;
    QLabel* Label可用打印机;
    std::array<QLabel*, 2> StatusBar状态提示; // panel 1 the step, panel 2 its object

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* buildOutputControls();
    QGroupBox* buildLinkControls();
    bool openWorkbook(const QString& path);
    void clearLink();
    bool linkIsComplete();
    bool saveAndPrint(const ResultDocument& doc, bool printFlag);
    QString sourceText() const;
    QString sourceLine() const;
    void Form_Unload();
    void PreviewAndPrint(bool printFlag);
    void setStatus(const QString& step, const QString& object);
    void setRecordText(const QString& text);
    core::MsgResult message(const QString& text, core::MsgIcon icon, core::MsgButtons buttons = core::MsgButtons::OK,
                            std::optional<core::MsgResult> defaultButton = std::nullopt);

    core::AppState& state_;
    core::Dialogs& dialogs_;
    const Printers& printers_;
    std::function<QString()> batchResults_;
    QWidget* mainWindow_;
    ui::DocumentOpener openDocument_;
    std::function<void()> exitProgram_;
    std::optional<platform::Workbook> workbook_;
    int unmatched_ = 0; // results the last linked document found in no workbook record
    QString externalFile_; // the file chosen for source 2
};

} // namespace print
