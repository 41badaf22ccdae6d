#include "ui/Form1.h"

#include <QListView>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace ui {

namespace {

// The text box would take minutes to lay out a line of megabytes.
constexpr qsizetype kLongestBlockLine = 10000;

} // namespace

bool Form1::appendToBlockList(const QString& text, const QColor& color) {
    if (text.size() > kLongestBlockLine) {
        message(QStringLiteral("抽中的内容超过%1个字符，太长，不能加入屏蔽列表。").arg(kLongestBlockLine),
                core::MsgIcon::Exclamation);
        return false;
    }
    // Whole lines are compared: a name that is part of a longer blocked name still goes in.
    if (blockListLines().contains(text)) return false;
    const bool empty = RichTextBox屏蔽列表->document()->isEmpty();
    QTextCursor cursor(RichTextBox屏蔽列表->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(color);
    if (!empty) cursor.insertBlock();
    cursor.insertText(text, format);
    return true;
}

void Form1::removeLastBlockLine(const QString& text, const QColor& color) {
    QTextDocument* doc = RichTextBox屏蔽列表->document();
    for (QTextBlock b = doc->lastBlock(); b.isValid(); b = b.previous()) {
        if (b.text() != text || b.begin().fragment().charFormat().foreground().color() != color) continue;
        // The line goes with the line break before it, or after it when it is the first line.
        QTextCursor cursor(doc);
        const int end = b.position() + b.length() - 1;
        if (b.previous().isValid()) {
            cursor.setPosition(b.position() - 1);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(b.position());
            cursor.setPosition(b.next().isValid() ? b.next().position() : end, QTextCursor::KeepAnchor);
        }
        cursor.removeSelectedText();
        return;
    }
}

void Form1::menu_设为屏蔽_Click() {
    const QModelIndex current = List抽我->currentIndex();
    if (!current.isValid()) return;
    appendToBlockList(candidates_.text(current.row()), QColor(0, 0, 255));
    CommandReset_Click();
}

void Form1::menu_清空屏蔽列表_Click() {
    if (message(QStringLiteral("要清空屏蔽列表吗？被屏蔽的名单将重新参加抽取。"), core::MsgIcon::Question,
                core::MsgButtons::OKCancel, core::MsgResult::Cancel) != core::MsgResult::OK)
        return;
    RichTextBox屏蔽列表->clear();
    CommandReset_Click();
}

} // namespace ui
