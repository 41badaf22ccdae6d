#pragma once
#include "core/Dialogs.h"
#include "platform/office/Workbook.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ui {

// Turns one sheet of a workbook into a name file: row 1 names the fields, the rows below are the names.
class Form从Excel导入姓名或文本 : public QDialog {
public:
    // The main window's list of name files, as the import sees it.
    struct NameFiles {
        QString folder;                                   // where the files lie, with the trailing "/"
        std::function<QString()> current;                 // the selected entry, "" when none
        std::function<void(const QString&)> addAndSelect; // listed unless there (case ignored), then selected
    };

    Form从Excel导入姓名或文本(core::Dialogs& dialogs, const QString& sourcePath, NameFiles files,
                              QWidget* parent = nullptr);

    // Opens the workbook and lists its sheets; false, after telling the user, when it cannot be read.
    bool Form_Load();
    void Combo选择工作表_Click();
    void List选择字段_Click();
    void Command更新结果_Click();
    void Text导入结果预览_Change();
    void Command确定导入_Click();
    void Command取消_Click();

    QLabel* Label文件路径;
    QGroupBox* Frame选择工作表;
    QComboBox* Combo选择工作表;
    QListWidget* List选择字段;
    QGroupBox* Frame字段间连接符;
    QLineEdit* Text字段间连接符;
    QPushButton* Command更新结果;
    QPlainTextEdit* Text导入结果预览;
    QLineEdit* Text导入后的文件名;
    QPushButton* Command确定导入;
    QPushButton* Command取消;

private:
    // The ticked cells of a data row, joined by the separator.
    QString previewLine(int sheet, int row) const;

    core::Dialogs& dialogs_;
    QString sourcePath_;
    NameFiles files_;
    std::optional<platform::Workbook> workbook_;
};

} // namespace ui
