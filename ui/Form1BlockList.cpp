#include "ui/Form1.h"

#include <QListView>
#include <QTextCursor>
#include <QTextEdit>

namespace ui {

void Form1::appendToBlockList(const QString& text, const QColor& color) {
    // Whole lines are compared: a name that is part of a longer blocked name still goes in.
    if (blockListLines().contains(text)) return;
    const bool empty = RichTextBox屏蔽列表->document()->isEmpty();
    QTextCursor cursor(RichTextBox屏蔽列表->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(color);
    if (!empty) cursor.insertBlock();
    cursor.insertText(text, format);
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
