#pragma once
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "ui/DocumentOpener.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace print {

class Printers;

// The print window: chooses the record source, shows the records, builds the simple result document,
// saves it for the word processor and prints it. The main window stays hidden while it is shown.
class Form打印抽取结果 : public QWidget {
public:
    // batchResults gives the batch result text of the main window (record source 0).
    Form打印抽取结果(core::AppState& state, core::Dialogs& dialogs, const Printers& printers,
                     std::function<QString()> batchResults, QWidget* mainWindow);

    // How a built document is opened; by default with the desktop's associated program.
    void setDocumentOpener(ui::DocumentOpener open) { openDocument_ = std::move(open); }

    // Loads the window for a record source (0 batch results, 1 history file, 2 external file) and shows it.
    void Open(int printSource);

    void Form_Load();
    void Option内容选择_Click(int index);
    void Combo选择历史记录文件_Click();
    void Command浏览外部文件_Click();
    void Commandtest_Click() { PreviewAndPrint(false); }
    void Command预览并打印_Click() { PreviewAndPrint(true); }
    void Command退出_Click();
    // True when the document was built and saved, printed or not.
    bool BuildSimpleOutputDocument(bool printFlag);

    int PrintSourceIndex = 1;
    QString TempDocumentPath;
    QString PrinterListText; // one printer a line, empty when there is none

    QGroupBox* Frame打印内容选择;
    std::array<QRadioButton*, 3> Option内容选择;
    QPushButton* Command浏览外部文件;
    QFrame* Frame历史记录文件;
    QComboBox* Combo选择历史记录文件;
    QPlainTextEdit* RichTextBox打印内容显示;
    QPushButton* Commandtest;
    QPushButton* Command预览并打印;
    QPushButton* Command退出;
    QLabel* Label可用打印机;
    std::array<QLabel*, 2> StatusBar状态提示; // panel 1 the step, panel 2 its object

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void Form_Unload();
    void PreviewAndPrint(bool printFlag);
    QString sourceLine() const;
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
    QString externalFile_; // the file chosen for source 2
};

} // namespace print
