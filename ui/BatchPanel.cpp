#include "ui/BatchPanel.h"

#include "core/CandidateList.h"
#include "core/FileNames.h"
#include "core/NumberText.h"
#include "core/TextFiles.h"
#include "ui/Form1.h"
#include "ui/WindowHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <algorithm>
#include <climits>

namespace ui {

using core::MsgIcon;

namespace {

const QString kMultiBatchFile = QStringLiteral("DuoPiChiSet.dat");
const QString kCompositeFile = QStringLiteral("FuHeSet.dat");

// Numbers restored from files may lie beyond an int: they count as its bounds.
int Rounded(const QString& text) {
    return int(std::clamp(core::RoundHalfEven(core::LeadingNumber(text)), double(INT_MIN), double(INT_MAX)));
}

QString Now() {
    return core::GeneralDateTime(QDateTime::currentDateTime());
}

} // namespace

BatchPanel::BatchPanel(Form1& form, core::AppState& state, core::Dialogs& dialogs, QRandomGenerator& rng,
                       QWidget* parent)
    : QFrame(parent), form_(form), state_(state), dialogs_(dialogs), rng_(rng) {
    setObjectName(QStringLiteral("Frame批量抽取"));
    // Tight margins: the whole advanced view fits a 1024 x 768 screen.
    (new QVBoxLayout(this))->setContentsMargins(0, 0, 0, 0);
    buildSingleBatch();
    buildMultiBatch();
    buildComposite();
    buildRecords();
    Option批量抽取的方式_Click(0);
}

void BatchPanel::buildSingleBatch() {
    auto* grid = new QGridLayout;
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
    Text要出多少个号码 = Named(new QLineEdit(QStringLiteral("3"), this), QStringLiteral("Text要出多少个号码"));
    Text每行放多少个号码 = Named(new QLineEdit(QStringLiteral("3"), this), QStringLiteral("Text每行放多少个号码"));
    grid->addWidget(new QLabel(QStringLiteral("总共要抽多少个？"), this), 0, 0);
    grid->addWidget(Text要出多少个号码, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("每行放多少个？"), this), 0, 2);
    grid->addWidget(Text每行放多少个号码, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("时间间隔？"), this), 1, 0);
    const QString intervals[] = {QStringLiteral("1秒"), QStringLiteral("2秒"), QStringLiteral("3秒"),
                                 QStringLiteral("随机（1-15秒）"), QStringLiteral("瞬间")};
    auto* row = new QHBoxLayout;
    // The two rows of options share this panel: each row is its own group.
    auto* intervalGroup = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        Option时间间隔[i] = Named(new QRadioButton(intervals[i], this), QStringLiteral("Option时间间隔%1").arg(i));
        intervalGroup->addButton(Option时间间隔[i]);
        row->addWidget(Option时间间隔[i]);
    }
    Option时间间隔[0]->setChecked(true);
    grid->addLayout(row, 1, 1, 1, 3);

    const struct {
        QPushButton** button;
        const char16_t* caption;
        const char16_t* name;
        void (BatchPanel::*handler)();
    } buttons[] = {
        {&Command开始批量抽取, u"单批次抽取", u"Command开始批量抽取", &BatchPanel::Command开始批量抽取_Click},
        {&Command打印批量抽取结果, u"即时打印", u"Command打印批量抽取结果", &BatchPanel::Command打印批量抽取结果_Click},
        {&Command另存, u"保存为一个文件", u"Command另存", &BatchPanel::Command另存_Click},
        {&Command复制结果, u"复制进剪贴板", u"Command复制结果", &BatchPanel::Command复制结果_Click},
    };
    int column = 0;
    for (const auto& b : buttons) {
        *b.button = Named(new QPushButton(QString::fromUtf16(b.caption), this), QString::fromUtf16(b.name));
        connect(*b.button, &QPushButton::clicked, this, b.handler);
        grid->addWidget(*b.button, 2, column++);
    }
    Text高级结果 = Named(new QPlainTextEdit(QStringLiteral("空白"), this), QStringLiteral("Text高级结果"));
    grid->addWidget(Text高级结果, 3, 0, 1, 4);
    ProgressBar批量抽取进度 = Named(new QProgressBar(this), QStringLiteral("ProgressBar批量抽取进度"));
    ProgressBar批量抽取进度->setRange(0, 100);
    ProgressBar批量抽取进度->setValue(0);
    Label批量进度提示 = Named(new QLabel(this), QStringLiteral("Label批量进度提示"));
    Label批量本此剩余时间 = Named(new QLabel(this), QStringLiteral("Label批量本此剩余时间"));
    Label批量抽取提示 =
        Named(new QLabel(QStringLiteral("正在自动批量抽取，请稍候..."), this), QStringLiteral("Label批量抽取提示"));
    Label批量抽取提示->hide();
    grid->addWidget(ProgressBar批量抽取进度, 4, 0, 1, 2);
    grid->addWidget(Label批量进度提示, 4, 2);
    grid->addWidget(Label批量本此剩余时间, 4, 3);
    grid->addWidget(Label批量抽取提示, 5, 0, 1, 4);

    const QString methods[] = {QStringLiteral("单组多批次"), QStringLiteral("多组复合")};
    auto* methodRow = new QHBoxLayout;
    auto* methodGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        Option批量抽取的方式[i] =
            Named(new QRadioButton(methods[i], this), QStringLiteral("Option批量抽取的方式%1").arg(i));
        connect(Option批量抽取的方式[i], &QRadioButton::clicked, this, [this, i] { Option批量抽取的方式_Click(i); });
        methodGroup->addButton(Option批量抽取的方式[i]);
        methodRow->addWidget(Option批量抽取的方式[i]);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(methodRow);
}

void BatchPanel::buildMultiBatch() {
    Frame多次批量抽取的设置 = Named(new QFrame(this), QStringLiteral("Frame多次批量抽取的设置"));
    auto* grid = new QGridLayout(Frame多次批量抽取的设置);
    grid->setContentsMargins(0, 0, 0, 0);
    const char16_t* names[] = {u"一等奖", u"二等奖", u"三等奖", u"四等奖", u"五等奖",
                               u"六等奖", u"七等奖", u"八等奖", u"九等奖", u"鼓励奖"};
    const int counts[] = {3, 5, 10, 15, 50, 100, 150, 300, 500, 800};
    for (int i = 0; i < 10; ++i) {
        QWidget* f = Frame多次批量抽取的设置;
        Check选取抽取批次[i] =
            Named(new QCheckBox(QString::number(i + 1), f), QStringLiteral("Check选取抽取批次%1").arg(i));
        Text各批次名称[i] =
            Named(new QLineEdit(QString::fromUtf16(names[i]), f), QStringLiteral("Text各批次名称%1").arg(i));
        Text各批次名称[i]->setToolTip(QStringLiteral("输入本批次名称"));
        Text各批次数量[i] =
            Named(new QLineEdit(QString::number(counts[i]), f), QStringLiteral("Text各批次数量%1").arg(i));
        Text各批次数量[i]->setToolTip(QStringLiteral("输入本批次抽取的数量"));
        grid->addWidget(Check选取抽取批次[i], i % 5, (i / 5) * 3);
        grid->addWidget(Text各批次名称[i], i % 5, (i / 5) * 3 + 1);
        grid->addWidget(Text各批次数量[i], i % 5, (i / 5) * 3 + 2);
    }
    Command开始多次批量抽取 = Named(new QPushButton(QStringLiteral("开始多批次抽取"), Frame多次批量抽取的设置),
                                    QStringLiteral("Command开始多次批量抽取"));
    connect(Command开始多次批量抽取, &QPushButton::clicked, this, &BatchPanel::Command开始多次批量抽取_Click);
    grid->addWidget(Command开始多次批量抽取, 5, 0, 1, 6);
    layout()->addWidget(Frame多次批量抽取的设置);
}

void BatchPanel::buildComposite() {
    Frame多组复合抽取设置 = Named(new QFrame(this), QStringLiteral("Frame多组复合抽取设置"));
    auto* grid = new QGridLayout(Frame多组复合抽取设置);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 10; ++i) {
        QWidget* f = Frame多组复合抽取设置;
        Check多组复合选择[i] =
            Named(new QCheckBox(QString::number(i + 1), f), QStringLiteral("Check多组复合选择%1").arg(i));
        Combo多组复合中的组选择[i] = Named(new QComboBox(f), QStringLiteral("Combo多组复合中的组选择%1").arg(i));
        Combo多组复合中的组选择[i]->setEditable(true);
        Combo多组复合中的组选择[i]->setEditText(QStringLiteral("请选择"));
        connect(Combo多组复合中的组选择[i], &QComboBox::activated, this,
                [this, i] { Combo多组复合中的组选择_Click(i); });
        Text多组复合中每组的数量[i] =
            Named(new QLineEdit(QStringLiteral("3"), f), QStringLiteral("Text多组复合中每组的数量%1").arg(i));
        Text多组复合中每组的数量[i]->setToolTip(QStringLiteral("输入本组要抽的数量"));
        grid->addWidget(Check多组复合选择[i], i % 5, (i / 5) * 3);
        grid->addWidget(Combo多组复合中的组选择[i], i % 5, (i / 5) * 3 + 1);
        grid->addWidget(Text多组复合中每组的数量[i], i % 5, (i / 5) * 3 + 2);
    }
    Command多组复合抽取 = Named(new QPushButton(QStringLiteral("开始多组复合抽取"), Frame多组复合抽取设置),
                                QStringLiteral("Command多组复合抽取"));
    connect(Command多组复合抽取, &QPushButton::clicked, this, &BatchPanel::Command多组复合抽取_Click);
    grid->addWidget(Command多组复合抽取, 5, 0, 1, 6);
    layout()->addWidget(Frame多组复合抽取设置);
}

void BatchPanel::buildRecords() {
    auto* row = new QHBoxLayout;
    Combo高级抽取记录文件 = Named(new QComboBox(this), QStringLiteral("Combo高级抽取记录文件"));
    Combo高级抽取记录文件->setPlaceholderText(QStringLiteral("文件列表"));
    Command查看高级抽取记录文件 =
        Named(new QPushButton(QStringLiteral("查看"), this), QStringLiteral("Command查看高级抽取记录文件"));
    connect(Command查看高级抽取记录文件, &QPushButton::clicked, this, &BatchPanel::Command查看高级抽取记录文件_Click);
    row->addWidget(Combo高级抽取记录文件, 1);
    row->addWidget(Command查看高级抽取记录文件);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

QComboBox* BatchPanel::groupSource() const {
    return form_.drawMode() == 0 ? form_.Combo项目 : form_.Combo选择姓名文件;
}

void BatchPanel::appendResultText(const QString& text) {
    Text高级结果->moveCursor(QTextCursor::End);
    Text高级结果->insertPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Text高级结果->moveCursor(QTextCursor::End);
}

void BatchPanel::keepPendingRecords() {
    // The batch's own records follow; earlier ones go to a history file, never lost.
    form_.SaveDrawHistory();
}

std::optional<QString> BatchPanel::DrawAfterCountdown(int seconds) {
    if (seconds != 0) {
        form_.Command开始_Click();
        Label批量本此剩余时间->setText(QString::number(seconds));
        for (int c = 1; c <= seconds && !form_.DrawStopped; ++c) {
            form_.Delay(1);
            Label批量本此剩余时间->setText(QString::number(seconds - c));
        }
        // The exit routine has saved the run: a result confirmed now would be in no history.
        if (form_.isExiting()) return std::nullopt;
    } else {
        form_.DrawStopped = false;
        state_.CurrentDrawText = form_.PickRandomCandidate().value_or(state_.CurrentDrawText);
        form_.Label结果->setText(core::ShownText(state_.CurrentDrawText));
        form_.Label结果2->setText(form_.Label结果->text());
    }
    form_.Command确定_Click();
    return state_.CurrentDrawText;
}

void BatchPanel::RunBatchDraw() {
    ProgressBar批量抽取进度->setValue(0);
    showRunning(true);
    const QString randomCaption = Option时间间隔[3]->text();
    int k = 0;
    for (int i = 4; i >= 0; --i)
        if (Option时间间隔[i]->isChecked()) k = i;

    const int n = Rounded(Text要出多少个号码->text());
    int rowCount = 0;
    bool cutShort = false;
    for (int i = 1; i <= n; ++i) {
        // A list that runs short ends the batch: a draw from nothing would repeat the last result.
        if (form_.candidates().isEmpty() || form_.isExiting()) {
            cutShort = true;
            break;
        }
        int seconds = int(core::LeadingNumber(Option时间间隔[k]->text()));
        if (k == 3) {
            seconds = int(rng_.bounded(14)) + 1;
            Option时间间隔[3]->setText(QString::number(seconds) + QStringLiteral("秒"));
        }
        const std::optional<QString> drawn = DrawAfterCountdown(seconds);
        if (!drawn) {
            cutShort = true;
            break;
        }
        const QString& result = *drawn;
        ++rowCount;
        if (rowCount >= core::LeadingNumber(Text每行放多少个号码->text()) ||
            i >= core::LeadingNumber(Text要出多少个号码->text())) {
            appendResultText(QStringLiteral("  ") + result + QStringLiteral("\r\n"));
            rowCount = 0;
        } else {
            appendResultText(QStringLiteral("  ") + result);
        }
        const double total = core::LeadingNumber(Text要出多少个号码->text());
        ProgressBar批量抽取进度->setValue(total > 0 ? int(i / total * 100) : 0);
        Label批量进度提示->setText(QString::number(i) + u'/' + Text要出多少个号码->text());
    }
    if (cutShort && rowCount > 0) appendResultText(QStringLiteral("\r\n")); // a batch cut short still ends its row

    Option时间间隔[3]->setText(randomCaption);
    showRunning(false);
}

void BatchPanel::showRunning(bool running) {
    // While a batch runs, the draw buttons are its own and the result commands wait.
    for (QPushButton* b : {Command开始批量抽取, Command复制结果, Command另存, Command打印批量抽取结果})
        b->setEnabled(!running);
    Label批量抽取提示->setVisible(running);
    form_.Command开始->setVisible(!running);
    form_.Command确定->setVisible(!running);
    Label批量本此剩余时间->clear();
}

void BatchPanel::Command开始批量抽取_Click() {
    const int n = Rounded(Text要出多少个号码->text());
    const int perRow = Rounded(Text每行放多少个号码->text());
    if (n < 1 || perRow < 1) {
        dialogs_.message(QStringLiteral("必须设置一个大于等于1的整数！"), MsgIcon::Critical);
        return;
    }
    if (form_.candidates().count() < n) {
        dialogs_.message(QStringLiteral("候选列表中数量已经不足%1！\r\n清除被屏蔽了的名单？重置候选列表？").arg(n),
                         MsgIcon::Critical);
        return;
    }
    keepPendingRecords();
    Text高级结果->setPlainText(QStringLiteral("开始:") + Now() + u'\n');
    RunBatchDraw();
    if (!form_.isExiting()) appendResultText(QStringLiteral("\r\n结束:") + Now() + QStringLiteral("\r\n"));
}

void BatchPanel::Command另存_Click() {
    const QString path =
        dialogs_.saveFileName(QStringLiteral("保存为一个文件"), QStringLiteral("文本文件( *.txt)|*.txt"));
    if (!path.isEmpty()) SaveTextToFile(Text高级结果->toPlainText().replace(u'\n', QStringLiteral("\r\n")), path);
}

bool BatchPanel::SaveTextToFile(const QString& text, const QString& path) {
    QString error;
    if (core::WriteTextFile(text, path, &error)) return true;
    dialogs_.message(error, MsgIcon::Critical);
    return false;
}

void BatchPanel::Option批量抽取的方式_Click(int index) {
    Option批量抽取的方式[index]->setChecked(true);
    Frame多次批量抽取的设置->setVisible(index == 0);
    Command开始多次批量抽取->setVisible(index == 0);
    Frame多组复合抽取设置->setVisible(index == 1);
    Command多组复合抽取->setVisible(index == 1);
    if (index != 1) return;
    const QComboBox* source = groupSource();
    for (QComboBox* box : Combo多组复合中的组选择) {
        const QString text = box->currentText();
        box->clear();
        for (int i = 0; i < source->count(); ++i)
            box->addItem(source->itemText(i));
        box->setEditText(text);
    }
}

void BatchPanel::Combo多组复合中的组选择_Click(int index) {
    const QString chosen = Combo多组复合中的组选择[index]->currentText();
    for (int i = 0; i < 10; ++i)
        if (i != index && Combo多组复合中的组选择[i]->currentText() == chosen)
            Combo多组复合中的组选择[i]->setEditText(QString());
}

void BatchPanel::Command开始多次批量抽取_Click() {
    int total = 0;
    bool any = false;
    for (int i = 0; i < 10; ++i) {
        if (!Check选取抽取批次[i]->isChecked()) continue;
        const int n = Rounded(Text各批次数量[i]->text());
        if (n < 1) {
            dialogs_.message(QStringLiteral("各批次的数量必须大于等于1！"), MsgIcon::Critical);
            return;
        }
        total += n;
        any = true;
    }
    if (!any) {
        dialogs_.message(QStringLiteral("您至少要勾选一个批次！"), MsgIcon::Critical);
        return;
    }
    if (form_.candidates().count() < total) {
        dialogs_.message(
            QStringLiteral("候选列表中数量已经不足%1！\r\n清除被屏蔽了的名单？重置候选列表？减少某批次的数量？")
                .arg(total),
            MsgIcon::Critical);
        return;
    }
    Text高级结果->setPlainText(QStringLiteral("开始:") + Now() + QStringLiteral("\n\n"));
    recordPending_ = true;
    appendResultText(QStringLiteral("从 ") + groupSource()->currentText() + QStringLiteral(" 抽出：\r\n"));
    for (int i = 0; i < 10 && !form_.isExiting(); ++i) {
        if (!Check选取抽取批次[i]->isChecked()) continue;
        appendResultText(QStringLiteral("\r\n") + Text各批次名称[i]->text() + QStringLiteral("：\r\n"));
        Text要出多少个号码->setText(Text各批次数量[i]->text());
        RunBatchDraw();
    }
    finishRecord(QStringLiteral("\r\n结束:") + Now() + QStringLiteral("\r\n"));
}

void BatchPanel::Command多组复合抽取_Click() {
    QComboBox* source = groupSource();
    QList<int> rows;
    for (int i = 0; i < 10; ++i) {
        if (!Check多组复合选择[i]->isChecked()) continue;
        if (FindListItem(source, Combo多组复合中的组选择[i]->currentText(), false) < 0) {
            dialogs_.message(Check多组复合选择[i]->text() + Combo多组复合中的组选择[i]->currentText() +
                                 QStringLiteral("无效！请重新选择！"),
                             MsgIcon::Critical);
            return;
        }
        rows << i;
    }
    if (rows.isEmpty()) {
        dialogs_.message(QStringLiteral("您至少要勾选一组！"), MsgIcon::Critical);
        return;
    }
    keepPendingRecords();
    Text高级结果->setPlainText(QStringLiteral("开始:") + Now() + u'\n');
    recordPending_ = true;
    for (int i : rows) {
        if (form_.isExiting()) break;
        form_.DoNotLoadPicList = true;
        SelectListItem(source, Combo多组复合中的组选择[i]->currentText(), false);
        QCoreApplication::processEvents();
        form_.DoNotLoadPicList = false;
        appendResultText(QStringLiteral("\r\n从 ") + source->currentText() + QStringLiteral(" 抽出：\r\n"));
        Text要出多少个号码->setText(Text多组复合中每组的数量[i]->text());
        RunBatchDraw();
    }
    finishRecord(QStringLiteral("\r\n结束:") + Now() + QStringLiteral("\r\n"));
}

void BatchPanel::finishRecord(const QString& endLine) {
    if (!recordPending_) return; // the exit routine has ended it already
    recordPending_ = false;
    appendResultText(endLine);
    SaveAdvancedRecord();
    RefreshAdvancedRecordList();
}

void BatchPanel::RecordInterruptedDraw() {
    finishRecord(QStringLiteral("\r\n中断:") + Now() + QStringLiteral("（退出程序，抽取未完成）\r\n"));
}

void BatchPanel::writeRows(const QString& file, const std::array<QCheckBox*, 10>& checks, const QStringList& names,
                           const std::array<QLineEdit*, 10>& counts) {
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << QString::number(checks[i]->isChecked() ? 1 : 0) << names[i] << counts[i]->text();
    core::WriteTextFile(lines.join(QStringLiteral("\r\n")), state_.AppFolder + file);
}

bool BatchPanel::readRows(const QString& file, const QString& errorText, std::array<QCheckBox*, 10>& checks,
                          const std::function<void(int, const QString&)>& setName, std::array<QLineEdit*, 10>& counts) {
    // A first start has no file yet: the design values stand, and nothing is wrong.
    if (!QFile::exists(state_.AppFolder + file)) return true;
    const QStringList lines = core::ReadTextFile(state_.AppFolder + file).split(QStringLiteral("\r\n"));
    for (int i = 0; i < 10; ++i) {
        if (lines.size() < 3 * i + 3) {
            dialogs_.message(errorText + QStringLiteral("\r\n9下标越界"), MsgIcon::Critical);
            return false;
        }
        checks[i]->setChecked(Rounded(lines[3 * i]) == 1);
        setName(i, lines[3 * i + 1]);
        counts[i]->setText(lines[3 * i + 2]);
    }
    return true;
}

void BatchPanel::SaveMultiBatchSettings() {
    QStringList names;
    for (QLineEdit* t : Text各批次名称)
        names << t->text();
    writeRows(kMultiBatchFile, Check选取抽取批次, names, Text各批次数量);
}

void BatchPanel::SaveCompositeSettings() {
    QStringList names;
    for (QComboBox* c : Combo多组复合中的组选择)
        names << c->currentText();
    writeRows(kCompositeFile, Check多组复合选择, names, Text多组复合中每组的数量);
}

void BatchPanel::LoadMultiBatchSettings() {
    readRows(
        kMultiBatchFile, QStringLiteral("在读取多批次的设置时遇到错误！"), Check选取抽取批次,
        [this](int i, const QString& s) { Text各批次名称[i]->setText(s); }, Text各批次数量);
}

void BatchPanel::LoadCompositeSettings() {
    readRows(
        kCompositeFile, QStringLiteral("在读取复合抽取的设置时遇到错误！"), Check多组复合选择,
        [this](int i, const QString& s) { Combo多组复合中的组选择[i]->setEditText(s); }, Text多组复合中每组的数量);
}

void BatchPanel::SaveAdvancedRecord() {
    const QString folder = state_.AppFolder + QStringLiteral("aqr");
    QDir().mkpath(folder);
    const QString name = core::SanitizeFileName(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_HH时mm分ss秒")) + QStringLiteral(".aqr"));
    // A record of an earlier batch in the same second is never replaced.
    const QString path = core::CreateFreeFile(folder, name);
    if (path.isEmpty()) return;
    if (!core::WriteTextFile(Text高级结果->toPlainText().replace(u'\n', QStringLiteral("\r\n")), path))
        QFile::remove(path); // the empty file that held the name
}

void BatchPanel::RefreshAdvancedRecordList() {
    Combo高级抽取记录文件->clear();
    const QStringList files = QDir(state_.AppFolder + QStringLiteral("aqr")).entryList(QDir::Files, QDir::Name);
    for (const QString& f : files)
        Combo高级抽取记录文件->addItem(QString(f).remove(QStringLiteral(".aqr")));
    Combo高级抽取记录文件->setCurrentIndex(Combo高级抽取记录文件->count() - 1);
}

void BatchPanel::ClearAdvancedRecords(bool confirm) {
    if (confirm && dialogs_.message(QStringLiteral("即将删掉所有高级抽取记录文本文件，并且不能恢复。确定吗？"),
                                    MsgIcon::Exclamation, core::MsgButtons::OKCancel,
                                    core::MsgResult::Cancel) != core::MsgResult::OK)
        return;
    core::RecreateFolder(state_.AppFolder + QStringLiteral("aqr"));
    Combo高级抽取记录文件->clear();
}

void BatchPanel::Command查看高级抽取记录文件_Click() {
    const QString name = Combo高级抽取记录文件->currentText();
    const QString path = state_.AppFolder + QStringLiteral("aqr/") + name + QStringLiteral(".aqr");
    if (!QFile::exists(path)) return;
    // The editor gets a copy, so the record itself is never changed.
    const QString copyFolder = QDir::tempPath() + QStringLiteral("/zkptem");
    QDir().mkpath(copyFolder);
    const QString copy = copyFolder + u'/' + name + QStringLiteral(".txt");
    core::WriteTextFile(core::ReadTextFile(path), copy);
    form_.showMinimized();
    form_.OpenWithShell(copy);
}

void BatchPanel::Command复制结果_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Text高级结果->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
}

void BatchPanel::Command打印批量抽取结果_Click() {
    form_.menu_打印历史记录_Click();
}

} // namespace ui
