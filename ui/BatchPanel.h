#pragma once
#include "core/AppState.h"
#include "core/Dialogs.h"

#include <QFrame>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QRandomGenerator;

namespace ui {

class Form1;

// The batch panel of the advanced view: timed batches, several prize batches
// from one group, one batch from each of several groups, and the records of
// their result text. It drives the main window's own Start and Confirm.
class BatchPanel : public QFrame {
public:
    BatchPanel(Form1& form, core::AppState& state, core::Dialogs& dialogs, QRandomGenerator& rng,
               QWidget* parent = nullptr);

    // Single batch
    void RunBatchDraw();
    // The confirmed result; nothing once the exit routine has run, which ends the batch undrawn.
    std::optional<QString> DrawAfterCountdown(int seconds);
    void Command开始批量抽取_Click();
    void Command另存_Click();
    bool SaveTextToFile(const QString& text, const QString& path);

    // Several batches, several groups
    void Option批量抽取的方式_Click(int index);
    void Combo多组复合中的组选择_Click(int index);
    void Command开始多次批量抽取_Click();
    void Command多组复合抽取_Click();
    void SaveMultiBatchSettings();
    void SaveCompositeSettings();
    void LoadMultiBatchSettings();
    void LoadCompositeSettings();

    // Records of the result text
    void SaveAdvancedRecord();
    // Called by the exit routine: a running multi-batch or multi-group draw ends its record as interrupted.
    void RecordInterruptedDraw();
    void RefreshAdvancedRecordList();
    void ClearAdvancedRecords(bool confirm);
    void Command查看高级抽取记录文件_Click();
    void Command复制结果_Click();
    void Command打印批量抽取结果_Click();

    QLineEdit* Text要出多少个号码;
    std::array<QRadioButton*, 5> Option时间间隔;
    QLineEdit* Text每行放多少个号码;
    QPushButton* Command开始批量抽取;
    QPushButton* Command打印批量抽取结果;
    QPushButton* Command另存;
    QPushButton* Command复制结果;
    QPlainTextEdit* Text高级结果;
    QProgressBar* ProgressBar批量抽取进度;
    QLabel* Label批量进度提示;
    QLabel* Label批量本此剩余时间;
    QLabel* Label批量抽取提示;
    std::array<QRadioButton*, 2> Option批量抽取的方式;
    QFrame* Frame多次批量抽取的设置;
    QPushButton* Command开始多次批量抽取;
    std::array<QCheckBox*, 10> Check选取抽取批次;
    std::array<QLineEdit*, 10> Text各批次名称;
    std::array<QLineEdit*, 10> Text各批次数量;
    QFrame* Frame多组复合抽取设置;
    QPushButton* Command多组复合抽取;
    std::array<QCheckBox*, 10> Check多组复合选择;
    std::array<QComboBox*, 10> Combo多组复合中的组选择;
    std::array<QLineEdit*, 10> Text多组复合中每组的数量;
    QComboBox* Combo高级抽取记录文件;
    QPushButton* Command查看高级抽取记录文件;

private:
    void buildSingleBatch();
    void buildMultiBatch();
    void buildComposite();
    void buildRecords();
    QComboBox* groupSource() const;
    void appendResultText(const QString& text);
    void showRunning(bool running);
    void keepPendingRecords();
    // Ends the record of a multi-batch or multi-group draw with the line and saves it, once.
    void finishRecord(const QString& endLine);
    bool readRows(const QString& file, const QString& errorText, std::array<QCheckBox*, 10>& checks,
                  const std::function<void(int, const QString&)>& setName, std::array<QLineEdit*, 10>& counts);
    void writeRows(const QString& file, const std::array<QCheckBox*, 10>& checks, const QStringList& names,
                   const std::array<QLineEdit*, 10>& counts);

    Form1& form_;
    core::AppState& state_;
    core::Dialogs& dialogs_;
    QRandomGenerator& rng_;
    bool recordPending_ = false; // a multi-batch or multi-group draw runs and its record is not saved yet
};

} // namespace ui
