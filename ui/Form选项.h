#pragma once
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/GeneralOptions.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QRandomGenerator;
class QSpinBox;

namespace ui {

// Edits the general options. They are only saved here and apply at the next
// start, so the running program's options stay as they are.
class Form选项 : public QDialog {
public:
    Form选项(core::AppState& state, core::Dialogs& dialogs, QRandomGenerator& rng, QWidget* parent = nullptr);

    // The options as the controls show them.
    core::GeneralOptions options() const;
    // Saves the options and closes; stays open when the file cannot be written.
    void CommandOK_Click();

    QCheckBox* Check随机打乱候选名单;
    QCheckBox* Check滚动时遮挡;
    QGroupBox* Frame遮挡;
    std::array<QRadioButton*, 4> Option遮挡方式; // index = RandomFlashingStyle
    QSpinBox* Spin遮挡前面;                      // RandomFlashing_Wei_1
    QSpinBox* Spin遮挡后面;                      // RandomFlashing_Wei_2
    QSpinBox* Spin遮挡起始;                      // RandomFlashing_Wei_3
    QSpinBox* Spin遮挡结束;                      // RandomFlashing_Wei_4
    std::array<QRadioButton*, 2> Option遮挡字符; // index = RandomFlashing_CharStyle
    QLineEdit* Text自定义字符;
    QLineEdit* Text示例文字;
    QLabel* Label预览;
    QCheckBox* Check退出时删除历史记录;
    QCheckBox* Check自动设置字号;
    QLabel* Label提示;
    QPushButton* Command确定;
    QPushButton* Command取消;

private:
    QGroupBox* createMaskFrame();
    QWidget* createPreview();
    void setOptions(const core::GeneralOptions& o);
    // Enables the controls that apply and redraws the preview.
    void refresh();

    core::AppState& state_;
    core::Dialogs& dialogs_;
    QRandomGenerator& rng_;
    QButtonGroup* styleGroup_;
    QButtonGroup* charStyleGroup_;
};

} // namespace ui
