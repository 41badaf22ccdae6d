#include "modes/Form抽题时全屏.h"

#include "ui/Form1.h"
#include "ui/QuestionPanel.h"
#include "ui/WindowHelpers.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace modes {

namespace {

// Read across a room, the bank's type sizes are too small: up to this many times, as far as the box holds it.
constexpr double kEnlargement = 3;

// Shows a copy of the box's document in the other box, every type size so many times larger.
void CopyEnlarged(const QTextEdit* from, QTextEdit* to, double times) {
    QTextDocument* copy = from->document()->clone(to);
    const double base = from->document()->defaultFont().pointSizeF();
    struct Span {
        int position, length;
        double size;
    };
    QList<Span> spans; // collected first: merging formats rearranges the fragments
    for (QTextBlock b = copy->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const double size = f.charFormat().fontPointSize();
            spans.append({f.position(), f.length(), (size > 0 ? size : base) * times});
        }
    QTextCursor cursor(copy);
    for (const Span& s : spans) {
        cursor.setPosition(s.position);
        cursor.setPosition(s.position + s.length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontPointSize(s.size);
        cursor.mergeCharFormat(format);
    }
    QFont font = copy->defaultFont();
    font.setPointSizeF(base * times);
    copy->setDefaultFont(font);
    to->setDocument(copy); // the box deletes its previous copy, a child of its own
}

// As large as the box shows whole, with no line hidden below its edge.
void CopyToFit(const QTextEdit* from, QTextEdit* to) {
    for (double times = kEnlargement;; times -= 0.25) {
        CopyEnlarged(from, to, times);
        to->document()->setTextWidth(to->viewport()->width());
        // Below the bank's own size only as far as half of it: smaller would not be read anyway.
        if (times <= 0.5 || to->document()->size().height() <= to->viewport()->height()) return;
    }
}

QTextEdit* MakeBox(QWidget* parent, int index) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QStringLiteral("RichTextBox题目信息%1").arg(index));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus); // the keys stay with the key receiver
    return box;
}

QLabel* MakeInfoLabel(QWidget* parent, const QString& name, int points, const QString& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    QFont f = l->font();
    f.setPointSize(points);
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

Form抽题时全屏::Form抽题时全屏(ui::Form1& form, const core::AppState& state)
    : FullScreenWindow(form, state, QStringLiteral("Form抽题时全屏"),
                       QStringLiteral("操作提示： 空格-开始/确定  Ctrl+A-公布答案  ESC-退出全屏")) {
    for (int i = 0; i < 3; ++i)
        RichTextBox题目信息[i] = MakeBox(this, i);
    RichTextBox题目信息[2]->hide();

    Frame正确答案及解析 = new QFrame(this);
    Frame正确答案及解析->setObjectName(QStringLiteral("Frame正确答案及解析"));
    auto* answer = new QVBoxLayout(Frame正确答案及解析);
    answer->setContentsMargins(0, 0, 0, 0);
    QLabel* caption = MakeInfoLabel(Frame正确答案及解析, QStringLiteral("Label18"), 16, QStringLiteral("#e8eef6"));
    caption->setText(QStringLiteral("正确答案："));
    answer->addWidget(caption);
    answer->addWidget(RichTextBox题目信息[0], 1);
    answer->addWidget(RichTextBox题目信息[1], 2); // the analysis is the longer text
    Frame正确答案及解析->hide();

    Label题目信息 = MakeInfoLabel(this, QStringLiteral("Label题目信息"), 20, QStringLiteral("#e8eef6"));
    Label答题剩余时间 = MakeInfoLabel(this, QStringLiteral("Label答题剩余时间"), 72, QStringLiteral("#ffd700"));
    Label答题剩余时间->setAlignment(Qt::AlignCenter);

    // Copied on the next refresh tick; a bank's question is too large to copy every 40 ms.
    const ui::QuestionPanel& panel = *form_.Frame抽题后的答案解析等公布;
    for (int i = 0; i < 3; ++i)
        connect(panel.RichTextBox题目信息[i], &QTextEdit::textChanged, this, [this, i] { stale_[i] = true; });
}

void Form抽题时全屏::placeContent() {
    // Fractions of a 1024 x 768 design screen.
    const struct {
        QWidget* widget;
        ui::ScreenFractionRect rect;
    } places[] = {
        {Label结果, {20.0 / 1024, 56.0 / 768, 984.0 / 1024, 160.0 / 768}},
        {RichTextBox题目信息[2], {20.0 / 1024, 224.0 / 768, 690.0 / 1024, 296.0 / 768}},
        {Label题目信息, {730.0 / 1024, 224.0 / 768, 274.0 / 1024, 166.0 / 768}},
        {Label答题剩余时间, {730.0 / 1024, 390.0 / 768, 274.0 / 1024, 130.0 / 768}},
        {Frame正确答案及解析, {20.0 / 1024, 530.0 / 768, 690.0 / 1024, 200.0 / 768}},
        {Label历史记录, {730.0 / 1024, 530.0 / 768, 274.0 / 1024, 200.0 / 768}},
    };
    for (const auto& p : places)
        ui::MoveToScreenFraction(p.widget, p.rect);
    Label结果2->setGeometry(Label结果->geometry());
    stale_ = {true, true, true}; // fitted again to the new boxes
}

void Form抽题时全屏::refreshContent() {
    const ui::QuestionPanel& panel = *form_.Frame抽题后的答案解析等公布;
    RichTextBox题目信息[2]->setVisible(!panel.RichTextBox题目信息[2]->isHidden());
    Frame正确答案及解析->setVisible(!panel.Frame正确答案及解析->isHidden());
    Frame正确答案及解析->layout()->activate(); // the boxes have their sizes before the text is fitted
    for (int i = 0; i < 3; ++i)
        if (stale_[i]) {
            CopyToFit(panel.RichTextBox题目信息[i], RichTextBox题目信息[i]);
            stale_[i] = false;
        }
    Label题目信息->setText(QStringLiteral("题号：%1\n分值：%2\n限时：%3 秒\n总分：%4\n剩余时间：")
                               .arg(panel.Text题目信息[0]->text(), panel.Text题目信息[1]->text(),
                                    panel.Text题目信息[2]->text(), panel.Text抽题总得分->text()));
    Label答题剩余时间->setText(panel.Label答题剩余时间->text());
}

void Form抽题时全屏::Picture用于响应按键_KeyPress(quint16 code) {
    if (code == 1)
        form_.Command公布答案_Click();
    else
        FullScreenWindow::Picture用于响应按键_KeyPress(code);
}

} // namespace modes
