#pragma once
#include "core/AppState.h"
#include "core/CandidateList.h"
#include "core/Dialogs.h"
#include "core/MainSettings.h"
#include "core/NumberProjects.h"
#include "core/QuestionBank.h"
#include "platform/office/WordDocument.h"
#include "platform/sound/WavePlayer.h"
#include "platform/system/ShellOpen.h"
#include "ui/DocumentOpener.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QColor;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
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
    // Shows the print window for a record source; the print window shows this window again when it closes.
    void setPrintWindowOpener(std::function<void(int printSource)> open) { openPrintWindow_ = std::move(open); }
    void menu_清除历史记录_Click();
    void menu_清除高级抽取记录文本文件_Click();

    // Draw modes and files
    void Option抽取方式_Click(int index);
    void Combo选择姓名文件_Click();
    void Command新建文件_Click();
    void Command增加文件_Click();
    // Lists the file unless it is there and selects it, which rebuilds the candidate list; true when listed now.
    bool SelectFileInList(const QString& name);
    void Command编辑文件_Click();
    void Command删除文件_Click();
    void menu_窗口移至右下角_Click();
    // Hands a file or folder to its associated program, or tells the user where it is.
    void OpenWithShell(const QString& path);
    void setDocumentOpener(DocumentOpener open) { openDocument_ = std::move(open); }

    // Question banks and the question mode
    QString ImportQuestionBank(const QString& path);
    // The numbers of a bank, without touching Questions.
    QString ReadQuestionNumbers(const QString& path);
    void CloseWordDocument();
    void Command公布答案_Click();

    // Candidate pictures
    void ImportMatchingPictures(const QString& nameFile);
    void ClearPictureList();
    void Command查看图片列表_Click();
    int drawMode() const;
    QString modeFolder() const;

    // Full-screen window: hides this window and shows the one of the current mode.
    void Image全屏_Click();
    // Creates and shows the full-screen window; it shows this window again when it closes.
    void setFullScreenOpener(std::function<void()> open) { openFullScreen_ = std::move(open); }
    // Called by the full-screen window as it closes: this window comes back as it was.
    void restoreFromFullScreen();

    // Sound
    void Timer播放抽取中声音_Timer();
    void Image声音控制_Click();
    void playSound(const QString& name);
    void stopSound(const QString& name);

    // Settings files
    void SaveSettings();
    void LoadSettings();
    void LoadGeneralSettings();

    // Views
    void Command显示批量抽取_Click();
    void SetAdvancedView(bool advanced);
    void SetDisplayHeight(int h);
    void menu_显示框大小_sub_Click(int index);
    void TimerShowAdvance_Timer();
    bool isAdvancedView() const;

    // Further instances and window placement
    void Command开始分身_Click();
    void menu_分身术多个抽取器同时工作_Click();
    void Timer检测要不要自动伸缩窗口_Timer();
    void menu_窗口置于最前_Click();
    void menu_窗口最大化_Click();
    void menu_窗口最小化_Click();
    void menu_取消窗口置最前_Click();
    // Waits while events go on; callers look at isExiting() afterwards, as the window may have closed.
    void Delay(double seconds);
    // How further instances are started: the program and its arguments.
    void setProgramStarter(std::function<void(const QString&, const QStringList&)> start) {
        startProgram_ = std::move(start);
    }
    // Where the window manager really keeps a window, frame included; empty when it cannot tell.
    void setWindowFrameProbe(std::function<QRect(quintptr)> probe) { windowFrame_ = std::move(probe); }
    // Ends the process at once, without the exit routine.
    void setProcessAbort(std::function<void()> abort) { abortProcess_ = std::move(abort); }

    // Display look
    void LoadTextColors();
    void SaveTextColors();
    void LoadDisplayFont();
    void SaveDisplayFont();
    void menu_恢复默认文字颜色_Click();
    void menu_设置滚动时颜色_Click();
    void menu_设置闪烁颜色_Click();
    void menu恢复默认字体_Click();
    void menu_设置显示字体_Click();
    void menu字号增减_Click(int index);
    void menu_文字对齐_sub_Click(int index);
    void Timer闪_Timer();
    void LoadProjectInfo();

    // Number projects
    void Combo项目_Click();
    void Combo项目_Change();
    void menu增加项目_Click();
    void menu删除当前项目_Click();
    void Command删增数字项目_Click(int index);
    void Command清除排除数字_Click();
    // byUser: the user's own edit, which is stored into the chosen project.
    void TextSet_Change(int index, bool byUser);
    void Check禁止2连号_Click();
    void Check禁止3连号_Click();

    // Block list
    void menu_设为屏蔽_Click();
    void menu_清空屏蔽列表_Click();

    // Lock and dialogs
    void menu锁定_Click();
    void menu_修改密码_Click();
    void ApplyLock(bool locked);
    void menu_选项_Click();
    void menu_项目设置_Click();

    core::CandidateList& candidates() { return candidates_; }
    // True once the exit routine has begun: waits and batches stop.
    bool isExiting() const { return exiting_; }
    core::NumberProjects NumberProjects;
    core::QuestionBank Questions;
    QString LastProjectName;
    double LastProjectMin = -1;
    double LastProjectMax = -1;
    double LastProjectStep = -1;
    QString LastProjectExclude;
    bool DrawStopped = true;
    bool RollingTickDone = true;
    QString NameFilePath;
    QString QuestionBankPath;
    QString ExcelImportPath; // the workbook the name import reads
    bool CurHasLoadedPicList = false;
    bool DoNotLoadPicList = false;
    int BaseDisplayHeight = 0; // twips
    int DisplayHeight = 0;     // twips, the largest step of the chosen height the view has room for
    int ChosenDisplayHeight = 0; // twips, what the user asked for; kept in the settings
    int BaseGripHeight = 0;    // twips
    qint64 StartScreenWidth = 0;

    // Controls
    QLabel* Image底图Middle;
    QLabel* Label结果;
    QLabel* Label结果2;
    QLabel* Label结果参照;
    QLabel* Image改变显示框高度;
    QFrame* Frame中央按钮;
    QFrame* Frame装着下部所有东西的容器;
    QPushButton* Command显示批量抽取;
    QMenu* menu_显示;
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
    std::array<QPushButton*, 2> Command删增数字项目;
    QPushButton* Command清除排除数字;
    QCheckBox* Check禁止2连号;
    QCheckBox* Check禁止3连号;
    std::array<QRadioButton*, 2> Option禁止范围;
    QCheckBox* Check自动排除已抽2;
    QComboBox* Combo选择姓名文件;
    QPushButton* Command新建文件;
    QPushButton* Command增加文件;
    QPushButton* Command编辑文件;
    QPushButton* Command删除文件;
    QPushButton* Command查看图片列表;
    QToolButton* Image全屏;
    QAction* menu_全屏模式;
    QAction* menu_全屏;
    class QuestionPanel* Frame抽题后的答案解析等公布;
    class BatchPanel* Frame批量抽取;
    QListView* List抽我;
    QTextEdit* RichTextBox屏蔽列表;
    QTimer* TimerCreating;
    QTimer* Timer播放抽取中声音;
    QTimer* TimerShowAdvance;
    QTimer* Timer闪;
    QTimer* Timer检测要不要自动伸缩窗口;
    QLineEdit* Text分身个数;
    QPushButton* Command开始分身;
    QAction* menu_撤消;
    QAction* menu_查看历史记录;
    QAction* menu_打印历史记录;
    QAction* menu_清除历史记录;
    QAction* menu_清除高级抽取记录文本文件;
    QAction* menu_重置候选列表;
    QAction* menu_增加文件;
    QAction* menu_删除当前文件;
    QAction* menu_窗口移至右下角;
    QAction* menu_公布答案;
    QAction* menu锁定;
    QAction* menu_修改密码;
    QAction* menu_选项;
    QAction* menu_项目设置;
    QAction* menu增加项目;
    QAction* menu删除当前项目;
    QAction* menu_设为屏蔽;
    QAction* menu_清空屏蔽列表;
    QAction* menu退出;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void placeWindow(const QString& commandLine);
    QString currentModeCaption() const;
    QString currentSource() const;
    QStringList blockListLines() const;
    // Says once per folder and run that the files of these names are not listed.
    void warnUnlistedNames(const QString& folder, QStringList names);
    // Warns when there is nothing to draw from; true when the list is empty.
    bool warnIfNoCandidates();
    // False when the list already holds the line, or the line is too long for it (the user is told).
    bool appendToBlockList(const QString& text, const QColor& color);
    // Removes the last line equal to the text in that colour.
    void removeLastBlockLine(const QString& text, const QColor& color);
    void selectProject(int index);
    int projectListIndex() const;
    bool askNewPassword();
    // The bank, when its first table can hold questions; else the user is told and may edit it.
    std::optional<platform::WordDocument> OpenWordDocument(const QString& path);
    void loadBlockList();
    void setDisplayFont(const QFont& font);
    void applyDefaultDisplayFont();
    void deriveViewToggle();
    int simpleClientHeight() const;
    int simpleClientHeight(int displayTwips) const;
    int gripPixels(int displayTwips) const;
    // The display height the view can show with the whole window on the screen.
    int fittingDisplayHeight(int h, bool advanced) const;
    void showDisplayHeight(int h);
    core::MsgResult message(const QString& text, core::MsgIcon icon, core::MsgButtons buttons = core::MsgButtons::OK,
                            std::optional<core::MsgResult> defaultButton = std::nullopt);

    core::AppState& state_;
    core::Dialogs& dialogs_;
    QRandomGenerator& rng_;
    core::CandidateList candidates_;
    platform::WavePlayer sounds_;
    std::function<void()> endProcess_;
    std::function<void()> abortProcess_;
    std::function<void(const QString&, const QStringList&)> startProgram_;
    std::function<QRect(quintptr)> windowFrame_;
    std::function<void(int)> openPrintWindow_;
    std::function<void()> openFullScreen_;
    DocumentOpener openDocument_ = platform::OpenWithShell;
    QString importFilter_;
    QStringList foldersWarned_;
    class Form状态提示* statusPopup_;
    std::optional<platform::WordDocument> wordDoc_;
    core::MainSettings mainSettings_;
    QStringList unreadSettings_; // settings files that were there but could not be read
    bool exiting_ = false;
    bool flashShowsRolling_ = false;
    std::optional<QPoint> commandLinePosition_;
    bool fullScreenOpen_ = false;
    Qt::WindowStates windowStateBeforeFullScreen_;
    bool DisplayGripDragging = false;
    int DisplayGripStartY = 0; // twips
};

} // namespace ui
