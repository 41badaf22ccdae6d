#pragma once
#include "core/AppState.h"
#include "core/CandidateList.h"
#include "core/Dialogs.h"
#include "platform/sound/WavePlayer.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QRandomGenerator;
class QTextEdit;
class QTimer;
class QToolButton;

namespace ui {

// The main window. It owns the controls and their handlers, named as the
// program's documents name them; each handler delegates to the core objects.
class Form1 : public QMainWindow {
public:
    Form1(core::AppState& state, core::Dialogs& dialogs, QRandomGenerator& rng, QWidget* parent = nullptr);

    // Called when the exit routine ends the process.
    void setProcessEnd(std::function<void()> end) { endProcess_ = std::move(end); }

    // Start-up; false when the program must end at once.
    bool Form_Load(const QString& commandLine);
    void CommandExit_Click();

    // Candidate list
    void CommandReset_Click();
    void FillCandidateList(double from, double to, double step, const QLineEdit* excluded);
    void ShuffleCandidateList();

    // Draw cycle
    void Command开始_Click();
    void Command确定_Click();
    void TimerCreating_Timer();
    std::optional<QString> PickRandomCandidate();
    void menu_撤消_Click();

    // Run history
    void SaveDrawHistory();
    void ClearHistoryRecords(bool confirm);
    void CheckRecordFileCounts();
    void menu_查看历史记录_Click();
    void menu_打印历史记录_Click();
    void menu_清除历史记录_Click();
    void menu_清除高级抽取记录文本文件_Click();

    // Draw modes and files
    void Option抽取方式_Click(int index);
    void Combo选择姓名文件_Click();
    int drawMode() const;
    QString modeFolder() const;

    // Sound
    void Timer播放抽取中声音_Timer();
    void Image声音控制_Click();
    void playSound(const QString& name);
    void stopSound(const QString& name);

    // General options and review project
    void LoadGeneralSettings();
    void LoadProjectInfo();

    core::CandidateList& candidates() { return candidates_; }
    bool DrawStopped = true;
    bool RollingTickDone = true;
    int AnswerSeconds = 0;
    QString NameFilePath;
    QString QuestionBankPath;
    bool CurHasLoadedPicList = false;
    bool DoNotLoadPicList = false;
    int BaseDisplayHeight = 0; // twips
    int DisplayHeight = 0;     // twips
    qint64 StartScreenWidth = 0;

    // Controls
    QLabel* Image底图Middle;
    QLabel* Label结果;
    QLabel* Label结果2;
    QLabel* Label结果参照;
    QPushButton* Command开始;
    QPushButton* Command确定;
    QPushButton* CommandReset;
    QPushButton* CommandExit;
    QToolButton* Image声音控制;
    std::array<QRadioButton*, 3> Option抽取方式;
    QFrame* Frame抽取数字;
    QFrame* Frame抽取姓名;
    QComboBox* Combo项目;
    std::array<QLineEdit*, 4> TextSet;
    QCheckBox* Check自动排除;
    QCheckBox* Check自动排除已抽2;
    QComboBox* Combo选择姓名文件;
    QListView* List抽我;
    QTextEdit* RichTextBox屏蔽列表;
    QTimer* TimerCreating;
    QTimer* Timer播放抽取中声音;
    QTimer* TimerShowAdvance;
    QAction* menu_撤消;
    QAction* menu_查看历史记录;
    QAction* menu_打印历史记录;
    QAction* menu_清除历史记录;
    QAction* menu_清除高级抽取记录文本文件;
    QAction* menu_重置候选列表;
    QAction* menu锁定;
    QAction* menu退出;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void placeWindow(const QString& commandLine);
    QString currentModeCaption() const;
    QString currentSource() const;
    QStringList blockListLines() const;
    void appendToBlockList(const QString& result);
    core::MsgResult message(const QString& text, core::MsgIcon icon, core::MsgButtons buttons = core::MsgButtons::OK,
                            std::optional<core::MsgResult> defaultButton = std::nullopt);

    core::AppState& state_;
    core::Dialogs& dialogs_;
    QRandomGenerator& rng_;
    core::CandidateList candidates_;
    platform::WavePlayer sounds_;
    std::function<void()> endProcess_;
    bool exiting_ = false;
};

} // namespace ui
