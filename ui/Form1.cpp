#include "ui/Form1.h"

#include "core/NumberText.h"
#include "core/TextFiles.h"
#include "platform/system/WindowSearch.h"
#include "ui/BatchPanel.h"
#include "ui/Form状态提示.h"
#include "ui/QuestionPanel.h"
#include "ui/WindowHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace ui {

using core::MsgIcon;

namespace {

QAction* NamedAction(QMenu* menu, const QString& caption, const QString& name) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

} // namespace

Form1::Form1(core::AppState& state, core::Dialogs& dialogs, QRandomGenerator& rng, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), rng_(rng), windowFrame_(platform::WindowFrameRect),
      statusPopup_(new Form状态提示(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(core::kAppTitle);
    buildControls();
    buildMenus();
    connectHandlers();
    resize(1000, 700);
}

void Form1::buildControls() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    // Tight margins: the whole advanced view fits a 1024 x 768 screen.
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(4);
    setCentralWidget(central);

    // The result display: three labels stacked exactly over the background.
    Image底图Middle = Named(new QLabel(central), QStringLiteral("Image底图Middle"));
    Image底图Middle->setFixedHeight(220);
    Image底图Middle->setStyleSheet(QStringLiteral("background-color: #1f3a5f;"));
    auto* stack = new QGridLayout(Image底图Middle);
    stack->setContentsMargins(0, 0, 0, 0);
    for (QLabel** l : {&Label结果参照, &Label结果2, &Label结果}) {
        *l = new QLabel(Image底图Middle);
        (*l)->setAlignment(Qt::AlignCenter);
        (*l)->setStyleSheet(QStringLiteral("background: transparent;"));
        stack->addWidget(*l, 0, 0);
    }
    Label结果参照->setObjectName(QStringLiteral("Label结果参照"));
    Label结果2->setObjectName(QStringLiteral("Label结果2"));
    Label结果->setObjectName(QStringLiteral("Label结果"));
    applyDefaultDisplayFont();
    Label结果->setText(QStringLiteral("----"));
    Label结果2->hide();
    outer->addWidget(Image底图Middle);
    // The grip under the display drags its height.
    Image改变显示框高度 = Named(new QLabel(QStringLiteral("═"), central), QStringLiteral("Image改变显示框高度"));
    Image改变显示框高度->setAlignment(Qt::AlignCenter);
    Image改变显示框高度->setFixedHeight(8);
    Image改变显示框高度->setCursor(Qt::SizeVerCursor);
    Image改变显示框高度->installEventFilter(this);
    outer->addWidget(Image改变显示框高度);

    auto* buttons = Frame中央按钮 = Named(new QFrame(central), QStringLiteral("Frame中央按钮"));
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 2, 0, 2);
    Command开始 = Named(new QPushButton(QStringLiteral("开始"), buttons), QStringLiteral("Command开始"));
    Command确定 = Named(new QPushButton(QStringLiteral("确定"), buttons), QStringLiteral("Command确定"));
    CommandReset = Named(new QPushButton(QStringLiteral("重置候选列表"), buttons), QStringLiteral("CommandReset"));
    CommandExit = Named(new QPushButton(QStringLiteral("退出"), buttons), QStringLiteral("CommandExit"));
    Image声音控制 = Named(new QToolButton(buttons), QStringLiteral("Image声音控制"));
    Image声音控制->setProperty("Tag", QStringLiteral("有声"));
    Image声音控制->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    Image声音控制->setToolTip(QStringLiteral("声音开关"));
    for (QPushButton* b : {Command开始, Command确定}) {
        b->setMinimumSize(160, 48);
        QFont f = b->font();
        f.setPointSize(16);
        b->setFont(f);
    }
    Command确定->setEnabled(false);
    row->addStretch();
    row->addWidget(Command开始);
    row->addWidget(Command确定);
    row->addSpacing(24);
    row->addWidget(CommandReset);
    row->addWidget(Image声音控制);
    Image全屏 = Named(new QToolButton(buttons), QStringLiteral("Image全屏"));
    Image全屏->setIcon(style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    Image全屏->setToolTip(QStringLiteral("切换至全屏模式"));
    row->addWidget(Image全屏);
    row->addWidget(CommandExit);
    Command显示批量抽取 =
        Named(new QPushButton(QStringLiteral("高级>>"), buttons), QStringLiteral("Command显示批量抽取"));
    Command显示批量抽取->setProperty("Tag", QStringLiteral("0"));
    row->addWidget(Command显示批量抽取);
    // Driven by the instances menu; not shown.
    Text分身个数 = Named(new QLineEdit(QStringLiteral("4"), buttons), QStringLiteral("Text分身个数"));
    Command开始分身 = Named(new QPushButton(QStringLiteral("GO"), buttons), QStringLiteral("Command开始分身"));
    Text分身个数->hide();
    Command开始分身->hide();
    row->addStretch();
    outer->addWidget(buttons);

    auto* lower = Frame装着下部所有东西的容器 =
        Named(new QFrame(central), QStringLiteral("Frame装着下部所有东西的容器"));
    auto* lowerRow = new QHBoxLayout(lower);
    lowerRow->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(lower, 1);

    auto* left = new QVBoxLayout;
    lowerRow->addLayout(left, 1);
    auto* modes = new QGroupBox(QStringLiteral("抽取方式"), lower);
    auto* modeRow = new QHBoxLayout(modes);
    const QString captions[] = {QStringLiteral("抽数字"), QStringLiteral("抽文本(名字)"), QStringLiteral("抽题目")};
    for (int i = 0; i < 3; ++i)
        Option抽取方式[i] = Named(new QRadioButton(captions[i], modes), QStringLiteral("Option抽取方式%1").arg(i));
    Option抽取方式[0]->setChecked(true);
    Option抽取方式[1]->setToolTip(QStringLiteral("可以抽图片"));
    Option抽取方式[2]->setToolTip(QStringLiteral("这种模式最好全屏"));
    for (int i : {0, 2, 1})
        modeRow->addWidget(Option抽取方式[i]);
    left->addWidget(modes);

    Frame抽取数字 = Named(new QFrame(lower), QStringLiteral("Frame抽取数字"));
    auto* numbers = new QGridLayout(Frame抽取数字);
    Combo项目 = Named(new QComboBox(Frame抽取数字), QStringLiteral("Combo项目"));
    Combo项目->setEditable(true);
    Combo项目->setInsertPolicy(QComboBox::NoInsert); // projects are added through their own command only
    Combo项目->setEditText(QStringLiteral("选择项目"));
    Combo项目->setToolTip(QStringLiteral("未选定任何项目，当前编辑将不被保存。"));
    numbers->addWidget(new QLabel(QStringLiteral("项目："), Frame抽取数字), 0, 0);
    numbers->addWidget(Combo项目, 0, 1, 1, 3);
    const QString setLabels[] = {QStringLiteral("最小值："), QStringLiteral("最大值："), QStringLiteral("步长："),
                                 QStringLiteral("排除：")};
    const QString setTexts[] = {QStringLiteral("1"), QStringLiteral("60"), QStringLiteral("1"), QString()};
    const int setRows[] = {1, 1, 2, 3};
    const int setColumns[] = {0, 2, 0, 0};
    for (int i = 0; i < 4; ++i) {
        TextSet[i] = Named(new QLineEdit(setTexts[i], Frame抽取数字), QStringLiteral("TextSet%1").arg(i));
        numbers->addWidget(new QLabel(setLabels[i], Frame抽取数字), setRows[i], setColumns[i]);
        numbers->addWidget(TextSet[i], setRows[i], setColumns[i] + 1, 1, i == 3 ? 3 : 1);
    }
    TextSet[3]->setToolTip(QStringLiteral("请用空格分隔各个数字"));
    Check自动排除 = Named(new QCheckBox(QStringLiteral("自动排除"), Frame抽取数字), QStringLiteral("Check自动排除"));
    numbers->addWidget(Check自动排除, 4, 0, 1, 2);
    Command清除排除数字 =
        Named(new QPushButton(QStringLiteral("清除排除数字"), Frame抽取数字), QStringLiteral("Command清除排除数字"));
    Command清除排除数字->setEnabled(false);
    numbers->addWidget(Command清除排除数字, 4, 3);
    const QString projectButtons[] = {QStringLiteral("添加项目"), QStringLiteral("删除项目")};
    for (int i = 0; i < 2; ++i) {
        Command删增数字项目[i] =
            Named(new QPushButton(projectButtons[i], Frame抽取数字), QStringLiteral("Command删增数字项目%1").arg(i));
        Command删增数字项目[i]->setProperty("Tag", QStringLiteral("lock"));
    }
    numbers->addWidget(Command删增数字项目[0], 2, 2);
    numbers->addWidget(Command删增数字项目[1], 2, 3);

    auto* rules = new QGroupBox(QStringLiteral("禁止依据"), Frame抽取数字);
    auto* rulesRow = new QHBoxLayout(rules);
    Check禁止2连号 = Named(new QCheckBox(QStringLiteral("禁止2连号"), rules), QStringLiteral("Check禁止2连号"));
    Check禁止3连号 = Named(new QCheckBox(QStringLiteral("禁止3连号"), rules), QStringLiteral("Check禁止3连号"));
    const QString ranges[] = {QStringLiteral("当前行"), QStringLiteral("所有已抽数字")};
    for (int i = 0; i < 2; ++i)
        Option禁止范围[i] = Named(new QRadioButton(ranges[i], rules), QStringLiteral("Option禁止范围%1").arg(i));
    Option禁止范围[0]->setChecked(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Check禁止2连号, Check禁止3连号, Option禁止范围[0], Option禁止范围[1]})
        rulesRow->addWidget(w);
    numbers->addWidget(rules, 5, 0, 1, 4);
    left->addWidget(Frame抽取数字);

    Frame抽取姓名 = Named(new QFrame(lower), QStringLiteral("Frame抽取姓名"));
    auto* files = new QGridLayout(Frame抽取姓名);
    Combo选择姓名文件 = Named(new QComboBox(Frame抽取姓名), QStringLiteral("Combo选择姓名文件"));
    Combo选择姓名文件->setPlaceholderText(QStringLiteral("请选择"));
    files->addWidget(new QLabel(QStringLiteral("选择文件"), Frame抽取姓名), 0, 0);
    files->addWidget(Combo选择姓名文件, 0, 1, 1, 3);
    const struct {
        QPushButton** button;
        const char16_t* caption;
        const char16_t* name;
    } fileButtons[] = {{&Command新建文件, u"新建文件", u"Command新建文件"},
                       {&Command增加文件, u"导入/更新文件", u"Command增加文件"},
                       {&Command编辑文件, u"编辑文件", u"Command编辑文件"},
                       {&Command删除文件, u"删除文件", u"Command删除文件"}};
    int column = 0;
    for (const auto& b : fileButtons) {
        *b.button = Named(new QPushButton(QString::fromUtf16(b.caption), Frame抽取姓名), QString::fromUtf16(b.name));
        (*b.button)->setProperty("Tag", QStringLiteral("lock"));
        files->addWidget(*b.button, 1, column++);
    }
    Command查看图片列表 = Named(new QPushButton(QStringLiteral("查看文本对应的图片"), Frame抽取姓名),
                                QStringLiteral("Command查看图片列表"));
    files->addWidget(Command查看图片列表, 2, 0, 1, 4);
    Frame抽取姓名->hide();
    left->addWidget(Frame抽取姓名);

    Frame抽题后的答案解析等公布 = new QuestionPanel([this](const QString& sound) { playSound(sound); }, lower);
    Frame抽题后的答案解析等公布->hide();
    left->addWidget(Frame抽题后的答案解析等公布);
    // The question shows in the display in place of the result.
    stack->addWidget(Frame抽题后的答案解析等公布->RichTextBox题目信息[2], 0, 0);

    Check自动排除已抽2 = Named(new QCheckBox(QStringLiteral("排除已抽中的（加入屏蔽列表）"), lower),
                               QStringLiteral("Check自动排除已抽2"));
    left->addWidget(Check自动排除已抽2);
    left->addStretch();

    Frame批量抽取 = new BatchPanel(*this, state_, dialogs_, rng_, lower);
    lowerRow->addWidget(Frame批量抽取, 1);

    auto* right = new QGridLayout;
    lowerRow->addLayout(right, 1);
    right->addWidget(new QLabel(QStringLiteral("候选列表"), lower), 0, 0);
    right->addWidget(new QLabel(QStringLiteral("屏蔽列表"), lower), 0, 1);
    List抽我 = Named(new QListView(lower), QStringLiteral("List抽我"));
    List抽我->setModel(&candidates_);
    List抽我->setUniformItemSizes(true); // keeps a list of millions quick
    List抽我->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List抽我->setContextMenuPolicy(Qt::CustomContextMenu);
    right->addWidget(List抽我, 1, 0);
    RichTextBox屏蔽列表 = Named(new QTextEdit(lower), QStringLiteral("RichTextBox屏蔽列表"));
    RichTextBox屏蔽列表->setAcceptRichText(true);
    right->addWidget(RichTextBox屏蔽列表, 1, 1);
    right->addWidget(Frame抽题后的答案解析等公布->Frame正确答案及解析, 2, 0, 1, 2);

    TimerCreating = Named(new QTimer(this), QStringLiteral("TimerCreating"));
    TimerCreating->setInterval(40);
    Timer播放抽取中声音 = Named(new QTimer(this), QStringLiteral("Timer播放抽取中声音"));
    TimerShowAdvance = Named(new QTimer(this), QStringLiteral("TimerShowAdvance"));
    TimerShowAdvance->setSingleShot(true);
    TimerShowAdvance->setInterval(1);
    Timer闪 = Named(new QTimer(this), QStringLiteral("Timer闪"));
    Timer闪->setInterval(500);
    Timer检测要不要自动伸缩窗口 = Named(new QTimer(this), QStringLiteral("Timer检测要不要自动伸缩窗口"));
    Timer检测要不要自动伸缩窗口->setInterval(400);
}

void Form1::buildMenus() {
    QMenu* system = menuBar()->addMenu(QStringLiteral("系统"));
    menu锁定 = NamedAction(system, QStringLiteral("锁定"), QStringLiteral("menu锁定"));
    menu锁定->setCheckable(true);
    menu_修改密码 = NamedAction(system, QStringLiteral("修改锁定密码"), QStringLiteral("menu_修改密码"));
    menu_选项 = NamedAction(system, QStringLiteral("选项..."), QStringLiteral("menu_选项"));
    system->addSeparator();
    menu退出 = NamedAction(system, QStringLiteral("退出"), QStringLiteral("menu退出"));

    QMenu* draw = menuBar()->addMenu(QStringLiteral("抽取"));
    menu_撤消 = NamedAction(draw, QStringLiteral("撤消上一次抽取"), QStringLiteral("menu_撤消"));
    menu_撤消->setShortcut(QKeySequence::Undo);
    // The caption names the shortcut itself; a window shortcut below does the work.
    menu_全屏模式 = NamedAction(draw, QStringLiteral("全屏模式      Ctrl+ F"), QStringLiteral("menu_全屏模式"));
    draw->addSeparator();
    menu增加项目 = NamedAction(draw, QStringLiteral("添加项目"), QStringLiteral("menu增加项目"));
    menu删除当前项目 = NamedAction(draw, QStringLiteral("删除当前项目"), QStringLiteral("menu删除当前项目"));
    draw->addSeparator();
    menu_清空屏蔽列表 = NamedAction(draw, QStringLiteral("清空屏蔽列表"), QStringLiteral("menu_清空屏蔽列表"));

    // The candidate list's pop-up menu.
    auto* candidateMenu = new QMenu(QStringLiteral("从候选设为屏蔽菜单"), this);
    candidateMenu->setObjectName(QStringLiteral("menu_从候选设为屏蔽菜单"));
    menu_设为屏蔽 = NamedAction(candidateMenu, QStringLiteral("设为屏蔽"), QStringLiteral("menu_设为屏蔽"));
    connect(List抽我, &QWidget::customContextMenuRequested, candidateMenu,
            [this, candidateMenu](const QPoint& p) { candidateMenu->popup(List抽我->viewport()->mapToGlobal(p)); });

    QMenu* files = menuBar()->addMenu(QStringLiteral("抽名字/抽题目"));
    files->setObjectName(QStringLiteral("menu_名字档案"));
    menu_增加文件 = NamedAction(files, QStringLiteral("导入/更新文件"), QStringLiteral("menu_增加文件"));
    menu_删除当前文件 = NamedAction(files, QStringLiteral("删除当前文件"), QStringLiteral("menu_删除当前文件"));
    menu_重置候选列表 = NamedAction(files, QStringLiteral("重置候选列表"), QStringLiteral("menu_重置候选列表"));
    menu_项目设置 = NamedAction(files, QStringLiteral("项目设置"), QStringLiteral("menu_项目设置"));
    files->addSeparator();
    menu_公布答案 = NamedAction(files, QStringLiteral("公布答案"), QStringLiteral("menu_公布答案"));
    menu_公布答案->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu* window = menu_显示 = menuBar()->addMenu(QStringLiteral("显示"));
    window->setObjectName(QStringLiteral("menu_显示"));
    QMenu* views = window->addMenu(QStringLiteral("窗口模式"));
    connect(views->addAction(QStringLiteral("简洁")), &QAction::triggered, this, [this] { SetAdvancedView(false); });
    connect(views->addAction(QStringLiteral("高级")), &QAction::triggered, this, [this] { SetAdvancedView(true); });
    QMenu* sizes = window->addMenu(QStringLiteral("滚动框大小"));
    for (int i = 1; i <= 3; ++i)
        connect(sizes->addAction(QStringLiteral("%1X").arg(i)), &QAction::triggered, this,
                [this, i] { menu_显示框大小_sub_Click(i); });
    QMenu* colours = window->addMenu(QStringLiteral("文字颜色"));
    connect(colours->addAction(QStringLiteral("恢复默认文字颜色")), &QAction::triggered, this,
            &Form1::menu_恢复默认文字颜色_Click);
    connect(colours->addAction(QStringLiteral("设置滚动颜色")), &QAction::triggered, this,
            &Form1::menu_设置滚动时颜色_Click);
    connect(colours->addAction(QStringLiteral("设置闪烁颜色")), &QAction::triggered, this,
            &Form1::menu_设置闪烁颜色_Click);
    QMenu* fonts = window->addMenu(QStringLiteral("字体字号"));
    connect(fonts->addAction(QStringLiteral("恢复默认字体")), &QAction::triggered, this,
            &Form1::menu恢复默认字体_Click);
    connect(fonts->addAction(QStringLiteral("设置字体字号")), &QAction::triggered, this,
            &Form1::menu_设置显示字体_Click);
    connect(fonts->addAction(QStringLiteral("字号+5")), &QAction::triggered, this, [this] { menu字号增减_Click(0); });
    connect(fonts->addAction(QStringLiteral("字号-5")), &QAction::triggered, this, [this] { menu字号增减_Click(1); });
    QMenu* alignment = window->addMenu(QStringLiteral("文字对齐"));
    const QString alignments[] = {QStringLiteral("左对齐"), QStringLiteral("右对齐"), QStringLiteral("居中")};
    for (int i = 0; i < 3; ++i)
        connect(alignment->addAction(alignments[i]), &QAction::triggered, this,
                [this, i] { menu_文字对齐_sub_Click(i); });
    window->addSeparator();
    menu_全屏 = NamedAction(window, QStringLiteral("全屏"), QStringLiteral("menu_全屏"));
    // Present but not shown: the window is made topmost at start-up and whenever it slides back.
    for (const auto& [caption, handler] :
         {std::pair{QStringLiteral("窗口置于最前"), &Form1::menu_窗口置于最前_Click},
          std::pair{QStringLiteral("取消窗口置于最前"), &Form1::menu_取消窗口置最前_Click}}) {
        QAction* a = window->addAction(caption);
        a->setVisible(false);
        connect(a, &QAction::triggered, this, handler);
    }
    connect(window->addAction(QStringLiteral("窗口最大化")), &QAction::triggered, this, &Form1::menu_窗口最大化_Click);
    connect(window->addAction(QStringLiteral("窗口最小化")), &QAction::triggered, this, &Form1::menu_窗口最小化_Click);
    connect(window->addAction(QStringLiteral("分身术（多个抽取器同时工作）")), &QAction::triggered, this,
            &Form1::menu_分身术多个抽取器同时工作_Click);
    menu_窗口移至右下角 = NamedAction(window, QStringLiteral("窗口移至右下角"), QStringLiteral("menu_窗口移至右下角"));

    QMenu* history = menuBar()->addMenu(QStringLiteral("历史记录"));
    menu_查看历史记录 = NamedAction(history, QStringLiteral("查看历史记录"), QStringLiteral("menu_查看历史记录"));
    menu_打印历史记录 = NamedAction(history, QStringLiteral("查看/打印历史记录"), QStringLiteral("menu_打印历史记录"));
    menu_清除历史记录 = NamedAction(history, QStringLiteral("清除历史记录"), QStringLiteral("menu_清除历史记录"));
    history->addSeparator();
    menu_清除高级抽取记录文本文件 =
        NamedAction(history, QStringLiteral("清除高级抽取记录文件"), QStringLiteral("menu_清除高级抽取记录文本文件"));
    menu_清除高级抽取记录文本文件->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Delete));

    // What the audience must not reach while the window is locked.
    for (QAction* a : {menu_清除高级抽取记录文本文件, menu_清除历史记录, menu_修改密码, menu_选项, menu_项目设置,
                       menu增加项目, menu删除当前项目, menu_清空屏蔽列表, menu_设为屏蔽, menu_撤消, menu_重置候选列表,
                       menu_增加文件, menu_删除当前文件})
        a->setProperty("Tag", QStringLiteral("lock"));
    // Controls that rebuild the list would also clear the result on display.
    QList<QWidget*> lockedWidgets = {CommandReset, Combo项目, Combo选择姓名文件};
    for (QWidget* w : Option抽取方式)
        lockedWidgets << w;
    for (QWidget* w : TextSet)
        lockedWidgets << w;
    for (QWidget* w : lockedWidgets)
        w->setProperty("Tag", QStringLiteral("lock"));
}

void Form1::connectHandlers() {
    connect(Command开始, &QPushButton::clicked, this, &Form1::Command开始_Click);
    connect(Command确定, &QPushButton::clicked, this, &Form1::Command确定_Click);
    connect(CommandReset, &QPushButton::clicked, this, &Form1::CommandReset_Click);
    connect(CommandExit, &QPushButton::clicked, this, &Form1::CommandExit_Click);
    connect(Image声音控制, &QToolButton::clicked, this, &Form1::Image声音控制_Click);
    connect(Image全屏, &QToolButton::clicked, this, &Form1::Image全屏_Click);
    connect(menu_全屏模式, &QAction::triggered, this, &Form1::Image全屏_Click);
    connect(menu_全屏, &QAction::triggered, this, &Form1::Image全屏_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &Form1::Image全屏_Click);
    for (int i = 0; i < 3; ++i)
        connect(Option抽取方式[i], &QRadioButton::clicked, this, [this, i] { Option抽取方式_Click(i); });
    connect(Combo选择姓名文件, &QComboBox::activated, this, &Form1::Combo选择姓名文件_Click);
    connect(TimerCreating, &QTimer::timeout, this, &Form1::TimerCreating_Timer);
    connect(Timer播放抽取中声音, &QTimer::timeout, this, &Form1::Timer播放抽取中声音_Timer);
    connect(Timer闪, &QTimer::timeout, this, &Form1::Timer闪_Timer);
    connect(Timer检测要不要自动伸缩窗口, &QTimer::timeout, this, &Form1::Timer检测要不要自动伸缩窗口_Timer);
    connect(Command开始分身, &QPushButton::clicked, this, &Form1::Command开始分身_Click);
    connect(TimerShowAdvance, &QTimer::timeout, this, &Form1::TimerShowAdvance_Timer);
    connect(Command显示批量抽取, &QPushButton::clicked, this, &Form1::Command显示批量抽取_Click);
    for (QLabel* l : {Label结果, Label结果2}) {
        l->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(l, &QWidget::customContextMenuRequested, this,
                [this, l](const QPoint& p) { menu_显示->popup(l->mapToGlobal(p)); });
    }
    connect(menu_撤消, &QAction::triggered, this, &Form1::menu_撤消_Click);
    connect(menu_重置候选列表, &QAction::triggered, this, &Form1::CommandReset_Click);
    connect(menu_查看历史记录, &QAction::triggered, this, &Form1::menu_查看历史记录_Click);
    connect(menu_打印历史记录, &QAction::triggered, this, &Form1::menu_打印历史记录_Click);
    connect(menu_清除历史记录, &QAction::triggered, this, &Form1::menu_清除历史记录_Click);
    connect(menu_清除高级抽取记录文本文件, &QAction::triggered, this, &Form1::menu_清除高级抽取记录文本文件_Click);
    connect(menu退出, &QAction::triggered, this, &QWidget::close);
    connect(menu锁定, &QAction::triggered, this, &Form1::menu锁定_Click);
    connect(menu_修改密码, &QAction::triggered, this, &Form1::menu_修改密码_Click);
    connect(menu_选项, &QAction::triggered, this, &Form1::menu_选项_Click);
    connect(menu_项目设置, &QAction::triggered, this, &Form1::menu_项目设置_Click);
    connect(menu增加项目, &QAction::triggered, this, &Form1::menu增加项目_Click);
    connect(menu删除当前项目, &QAction::triggered, this, &Form1::menu删除当前项目_Click);
    connect(menu_设为屏蔽, &QAction::triggered, this, &Form1::menu_设为屏蔽_Click);
    connect(menu_清空屏蔽列表, &QAction::triggered, this, &Form1::menu_清空屏蔽列表_Click);
    connect(Command新建文件, &QPushButton::clicked, this, &Form1::Command新建文件_Click);
    connect(Command增加文件, &QPushButton::clicked, this, &Form1::Command增加文件_Click);
    connect(Command编辑文件, &QPushButton::clicked, this, &Form1::Command编辑文件_Click);
    connect(Command删除文件, &QPushButton::clicked, this, &Form1::Command删除文件_Click);
    connect(Command查看图片列表, &QPushButton::clicked, this, &Form1::Command查看图片列表_Click);
    connect(menu_增加文件, &QAction::triggered, this, &Form1::Command增加文件_Click);
    connect(menu_删除当前文件, &QAction::triggered, this, &Form1::Command删除文件_Click);
    connect(menu_窗口移至右下角, &QAction::triggered, this, &Form1::menu_窗口移至右下角_Click);
    connect(menu_公布答案, &QAction::triggered, this, &Form1::Command公布答案_Click);
    for (int i = 0; i < 2; ++i)
        connect(Command删增数字项目[i], &QPushButton::clicked, this, [this, i] { Command删增数字项目_Click(i); });
    connect(Command清除排除数字, &QPushButton::clicked, this, &Form1::Command清除排除数字_Click);
    connect(Combo项目, &QComboBox::activated, this, &Form1::Combo项目_Click);
    connect(Combo项目->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo项目_Change);
    for (int i = 0; i < 4; ++i) {
        connect(TextSet[i], &QLineEdit::textChanged, this, [this, i] { TextSet_Change(i, false); });
        connect(TextSet[i], &QLineEdit::textEdited, this, [this, i] { TextSet_Change(i, true); });
    }
    connect(Check禁止2连号, &QCheckBox::clicked, this, &Form1::Check禁止2连号_Click);
    connect(Check禁止3连号, &QCheckBox::clicked, this, &Form1::Check禁止3连号_Click);
}

core::MsgResult Form1::message(const QString& text, MsgIcon icon, core::MsgButtons buttons,
                               std::optional<core::MsgResult> defaultButton) {
    return dialogs_.message(text, icon, buttons, defaultButton);
}

bool Form1::Form_Load(const QString& commandLine) {
    menu_清除高级抽取记录文本文件->setProperty("Tag", QStringLiteral("lock"));
    if (state_.AppFolder.isEmpty()) state_.AppFolder = QCoreApplication::applicationDirPath();
    if (!state_.AppFolder.endsWith(u'/')) state_.AppFolder += u'/';
    CheckRecordFileCounts();
    BaseDisplayHeight = ToTwips(Image底图Middle->height());
    BaseGripHeight = ToTwips(Image改变显示框高度->height());
    DisplayHeight = BaseDisplayHeight;
    ChosenDisplayHeight = BaseDisplayHeight;

    LoadSettings();
    LoadDisplayFont();
    LoadTextColors();
    Frame批量抽取->LoadMultiBatchSettings();
    Frame批量抽取->LoadCompositeSettings();
    LoadGeneralSettings();
    // Without saved settings nothing has chosen a mode yet: build the default list.
    if (mainSettings_.linesRead < 11) Option抽取方式_Click(drawMode());
    if (state_.Options.AutoSetFontSize) {
        QFont f = Label结果->font();
        f.setPointSize(85);
        Label结果->setFont(f);
        Label结果2->setFont(f);
    }
    LoadProjectInfo();

    placeWindow(commandLine);
    centralWidget()->layout()->activate();
    deriveViewToggle(); // the first view is the other one than the height suggests
    SetWindowTopmost(this, false);
    const QRect screen = ScreenRect();
    StartScreenWidth = ToTwips(screen.width());
    if (screen.width() < 1024 || screen.height() < 768) {
        message(QStringLiteral("屏幕分辨率必须在1024*768以上才能正常运行本软件！"), MsgIcon::Critical);
        return false;
    }
    Frame批量抽取->RefreshAdvancedRecordList();
    TimerShowAdvance->start();
    Timer闪->start();
    Timer检测要不要自动伸缩窗口->start();
    return true;
}

void Form1::placeWindow(const QString& commandLine) {
    const QRect screen = ScreenRect();
    if (commandLine.trimmed().isEmpty()) {
        move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
        return;
    }
    // Left and top in twips.
    const QStringList parts = commandLine.split(u' ');
    double left = core::LeadingNumber(parts.value(0));
    double top = core::LeadingNumber(parts.value(1));
    const double screenW = ToTwips(screen.width());
    const double screenH = ToTwips(screen.height());
    // Any number stays on the screen: 800 twips of the window at least inside it, its top edge not above it.
    left = std::clamp(left, 800.0 - ToTwips(width()), screenW - 800);
    top = std::clamp(top, 0.0, screenH - 600);
    commandLinePosition_ = QPoint(ToPixels(left), ToPixels(top));
    move(*commandLinePosition_);
}

void Form1::LoadGeneralSettings() {
    const QString text = core::ReadTextFile(state_.AppFolder + QLatin1String(core::GeneralOptions::kFileName));
    for (const QString& line : state_.Options.read(text))
        dialogs_.message(core::Message{line + QStringLiteral("无法识别！"), MsgIcon::Critical, core::MsgButtons::OK,
                                       std::nullopt, QStringLiteral("读取选项设置错误！")});
}

void Form1::LoadProjectInfo() {
    const QStringList lines =
        core::ReadTextFile(state_.AppFolder + QStringLiteral("XiangMu.dat")).split(QStringLiteral("\r\n"));
    state_.ReviewProjectName = lines.value(0);
    state_.ReviewTime = lines.value(1);
    state_.ReviewPlace = lines.value(2);
}

void Form1::CommandExit_Click() {
    Label结果->setText(QStringLiteral("正在退出..."));
    Label结果2->setText(Label结果->text());
    QCoreApplication::processEvents();
    SaveDrawHistory();
    // A batch that runs on below this routine draws nothing more; its record says so and matches the history.
    Frame批量抽取->RecordInterruptedDraw();
    SaveSettings();
    ClearPictureList();
    Frame批量抽取->SaveMultiBatchSettings();
    Frame批量抽取->SaveCompositeSettings();
    if (state_.Options.DeleteHistoryWhenExit) ClearHistoryRecords(false);
    DrawStopped = true;
    TimerCreating->stop();
    stopSound(QStringLiteral("Working"));
    CloseWordDocument();
    exiting_ = true;
    close();
    if (endProcess_) endProcess_();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Every way of closing goes through the exit routine; its own close() is
    // swallowed while this one runs, so this close is the one that ends.
    if (!exiting_) {
        DrawStopped = true;
        CommandExit_Click();
    }
    event->setAccepted(exiting_);
}

} // namespace ui
