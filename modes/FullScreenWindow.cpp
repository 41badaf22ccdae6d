#include "modes/FullScreenWindow.h"

#include "core/AppState.h"
#include "core/StoredColor.h"
#include "modes/AudienceText.h"
#include "ui/Form1.h"
#include "ui/WindowHelpers.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace modes {

namespace {

void SetTextColour(QLabel* label, const QColor& colour) {
    if (label->palette().color(QPalette::WindowText) == colour) return;
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, int points, const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText); // candidate texts are never markup
    QFont f = l->font();
    f.setPointSize(points);
    l->setFont(f);
    SetTextColour(l, colour);
    return l;
}

QPixmap BackgroundPicture() {
    QPixmap pixmap(1024, 768);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, pixmap.height());
    gradient.setColorAt(0, QColor(0x1f, 0x3a, 0x5f));
    gradient.setColorAt(1, QColor(0x05, 0x0b, 0x18));
    painter.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

// The character code of a key press; Ctrl with a letter gives its control code.
quint16 KeyPressCode(const QKeyEvent* e) {
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return quint16(e->key() - Qt::Key_A + 1);
    if (e->key() == Qt::Key_Escape) return 27;
    if (e->key() == Qt::Key_Space) return 32;
    return e->text().isEmpty() ? 0 : e->text().at(0).unicode();
}

} // namespace

FullScreenWindow::FullScreenWindow(ui::Form1& form, const core::AppState& state, const QString& objectName,
                                   const QString& keyHint)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form_(form), state_(state) {
    setObjectName(objectName);
    setWindowTitle(core::kAppTitle);
    setProperty("audienceScreen", true); // the operator's dialogs stay off it

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(BackgroundPicture());
    Image1->hide();

    Picture用于响应按键 = new QWidget(this);
    Picture用于响应按键->setObjectName(QStringLiteral("Picture用于响应按键"));
    Picture用于响应按键->setFocusPolicy(Qt::StrongFocus);
    Picture用于响应按键->resize(1, 1);
    Picture用于响应按键->installEventFilter(this);

    const QColor light(0xe8, 0xee, 0xf6);
    Label标题 = MakeLabel(this, QStringLiteral("Label标题"), 26, light);
    Label标题->setAlignment(Qt::AlignCenter);
    // Large enough to read from the back of a room; rows break between fields, never inside a name.
    Label历史记录 = MakeLabel(this, QStringLiteral("Label历史记录"), 16, light);
    Label历史记录->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = Label历史记录->font();
    bold.setBold(true);
    Label历史记录->setFont(bold);
    Label历史记录->hide();
    label操作提示 = MakeLabel(this, QStringLiteral("label操作提示"), 12, light);
    label操作提示->setText(keyHint);
    label操作提示->setAlignment(Qt::AlignCenter);
    for (QLabel** l : {&Label结果, &Label结果2}) {
        *l = MakeLabel(this, {}, 12, Qt::white);
        (*l)->setAlignment(Qt::AlignCenter);
        (*l)->setToolTip(QStringLiteral("右击有菜单哦！"));
        (*l)->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(*l, &QWidget::customContextMenuRequested, this,
                [this, label = *l](const QPoint& p) { form_.menu_显示->popup(label->mapToGlobal(p)); });
    }
    Label结果->setObjectName(QStringLiteral("Label结果"));
    Label结果2->setObjectName(QStringLiteral("Label结果2"));

    const struct {
        QTimer** timer;
        const char16_t* name;
        int interval;
        void (FullScreenWindow::*tick)();
    } timers[] = {{&Timer刷新, u"Timer刷新", 40, &FullScreenWindow::Timer刷新_Timer},
                  {&Timer闪, u"Timer闪", 500, &FullScreenWindow::Timer闪_Timer},
                  {&Timer更新标题题, u"Timer更新标题题", 1000, &FullScreenWindow::Timer更新标题题_Timer}};
    for (const auto& t : timers) {
        *t.timer = new QTimer(this);
        (*t.timer)->setObjectName(QString::fromUtf16(t.name));
        (*t.timer)->setInterval(t.interval);
        connect(*t.timer, &QTimer::timeout, this, t.tick);
        (*t.timer)->start();
    }

    setGeometry(ui::ScreenRect());
    if (state_.Options.AutoSetFontSize) setMainFontSize(115);
}

void FullScreenWindow::setMainFontSize(int points) {
    QFont f = form_.Label结果->font();
    f.setPointSize(points);
    form_.Label结果->setFont(f);
    form_.Label结果2->setFont(form_.Label结果->font());
}

void FullScreenWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    label操作提示->setGeometry(0, h - label操作提示->sizeHint().height(), w, label操作提示->sizeHint().height());
    Label标题->setGeometry(0, h * 8 / 768, w, h * 48 / 768);
    Picture用于响应按键->move(w, 0); // off the screen, yet it keeps the focus
    placeContent();
    showHistory();
    update();
}

void FullScreenWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Mirror at once rather than show the design captions until the first ticks.
    Timer刷新_Timer();
    Timer更新标题题_Timer();
    copyVisibility();
    Picture用于响应按键->setFocus();
}

void FullScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), Image1->pixmap());
}

void FullScreenWindow::Timer刷新_Timer() {
    const bool changed = Label结果->text() != form_.Label结果->text();
    Label结果->setText(form_.Label结果->text());
    Label结果2->setText(form_.Label结果2->text());
    // A long result shows whole: its type shrinks to the label's width.
    for (QLabel* l : {Label结果, Label结果2}) {
        const QFont font = FontToFit(form_.Label结果->font(), l->text(), l->size());
        if (l->font() != font) l->setFont(font);
    }
    SetTextColour(Label结果, core::FromStoredColor(state_.RollingColor));
    if (changed) Label结果_Change();
    refreshContent();
}

void FullScreenWindow::Timer闪_Timer() {
    Picture用于响应按键->setFocus();
    SetTextColour(Label结果2, core::FromStoredColor(blinkPhase_ ? state_.RollingColor : state_.FlashColor));
    blinkPhase_ = !blinkPhase_;
    copyVisibility();
}

void FullScreenWindow::copyVisibility() {
    // The main window is hidden: its labels' own flags tell what it would show.
    Label结果->setVisible(!form_.Label结果->isHidden());
    Label结果2->setVisible(!form_.Label结果2->isHidden());
}

void FullScreenWindow::Timer更新标题题_Timer() {
    Label标题->setText(form_.windowTitle());
}

void FullScreenWindow::Picture用于响应按键_KeyPress(quint16 code) {
    const core::RunHistory& history = state_.History;
    switch (code) {
    case 32:
        if (form_.Command开始->isEnabled()) {
            form_.Command开始_Click();
        } else if (form_.Command确定->isEnabled()) {
            form_.Command确定_Click();
            if (history.count() > 0) prependHistory(core::RunHistory::formatLine(history.last()));
        }
        break;
    case 26: {
        const qint32 n = history.count();
        if (n == 0) break;
        const QString line = core::RunHistory::formatLine(history.last());
        form_.menu_撤消_Click();
        if (history.count() == n - 1) prependHistory(QStringLiteral("撤消: ") + line);
        break;
    }
    case 27:
        close();
        break;
    case 12:
        form_.menu字号增减_Click(0);
        break;
    case 19:
        form_.menu字号增减_Click(1);
        break;
    default:
        break;
    }
}

void FullScreenWindow::prependHistory(const QString& line) {
    historyLines_.prepend(line);
    showHistory();
    Label历史记录->show(); // also for an undo, which would otherwise go unseen as the first line
}

void FullScreenWindow::showHistory() {
    Label历史记录->setText(
        HistoryRows(historyLines_, Label历史记录->fontMetrics(), Label历史记录->width(), Label历史记录->height()));
}

bool FullScreenWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Picture用于响应按键 || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    Picture用于响应按键_KeyPress(KeyPressCode(static_cast<QKeyEvent*>(event)));
    return true;
}

void FullScreenWindow::closeEvent(QCloseEvent* event) {
    if (state_.Options.AutoSetFontSize) setMainFontSize(85);
    form_.restoreFromFullScreen();
    event->accept();
}

} // namespace modes
