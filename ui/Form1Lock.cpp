#include "ui/Form1.h"

#include <QAction>
#include <QPushButton>

namespace ui {

using core::MsgIcon;

namespace {

// A damaged password file matches nothing: say so, rather than blame the typing.
QString WrongPasswordText(const core::LockPassword& password) {
    return password.isDamaged() ? QStringLiteral("锁定密码文件zmkm.dat已损坏，无法解锁。删除程序文件夹中的zmkm.dat后，"
                                                 "锁定密码为空。")
                                : QStringLiteral("密码错误！");
}

} // namespace

bool Form1::askNewPassword() {
    const auto first = dialogs_.password(QStringLiteral("请设置锁定密码："), core::kAppTitle);
    if (!first || first->isEmpty()) return false;
    const auto second = dialogs_.password(QStringLiteral("请再输入一次密码："), core::kAppTitle);
    if (!second) return false;
    if (*second != *first) {
        message(QStringLiteral("两次输入的密码不一致！"), MsgIcon::Critical);
        return false;
    }
    state_.LockPassword.set(*first);
    return true;
}

void Form1::ApplyLock(bool locked) {
    state_.LockState = locked ? 1 : 0;
    menu锁定->setChecked(locked);
    const QList<QObject*> tagged = findChildren<QObject*>();
    for (QObject* o : tagged) {
        if (o->property("Tag").toString() != QStringLiteral("lock")) continue;
        if (auto* a = qobject_cast<QAction*>(o))
            a->setEnabled(!locked);
        else if (auto* w = qobject_cast<QWidget*>(o))
            w->setEnabled(!locked);
    }
    // A result on display stays there until the lock is lifted.
    if (!locked && DrawStopped) Command开始->setEnabled(true);
}

void Form1::menu锁定_Click() {
    const bool locked = state_.LockState == 1;
    if (!locked) {
        if (state_.LockPassword.isSet() || askNewPassword())
            ApplyLock(true);
        else
            menu锁定->setChecked(false);
        return;
    }
    menu锁定->setChecked(true);
    const auto typed = dialogs_.password(QStringLiteral("请输入解锁密码："), core::kAppTitle);
    if (!typed) return;
    if (!state_.LockPassword.matches(*typed)) {
        message(WrongPasswordText(state_.LockPassword), MsgIcon::Critical);
        return;
    }
    ApplyLock(false);
}

void Form1::menu_修改密码_Click() {
    if (state_.LockPassword.isSet()) {
        const auto old = dialogs_.password(QStringLiteral("请输入原密码："), core::kAppTitle);
        if (!old) return;
        if (!state_.LockPassword.matches(*old)) {
            message(WrongPasswordText(state_.LockPassword), MsgIcon::Critical);
            return;
        }
    }
    if (askNewPassword()) message(QStringLiteral("密码已修改。"), MsgIcon::Information);
}

} // namespace ui
