#pragma once
#include "core/AppState.h"
#include "core/Dialogs.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace ui {

// Edits the project name, time and place of a review ("XiangMu.dat").
class Form项目设置 : public QDialog {
public:
    Form项目设置(core::AppState& state, core::Dialogs& dialogs, QWidget* parent = nullptr);

    // Saves the three fields and closes; stays open when the file cannot be written.
    void CommandOK_Click();

    QLineEdit* Text项目名称;
    QLineEdit* Text评审时间;
    QLineEdit* Text评审地点;
    QPushButton* Command确定;
    QPushButton* Command取消;

private:
    core::AppState& state_;
    core::Dialogs& dialogs_;
};

} // namespace ui
