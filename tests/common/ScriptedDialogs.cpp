#include "ScriptedDialogs.h"

using core::MsgButtons;
using core::MsgResult;

MsgResult ScriptedDialogs::message(const core::Message& m) {
    messages << m;
    if (!answers.isEmpty()) return answers.dequeue();
    if (m.defaultButton) return *m.defaultButton;
    return m.buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::OK;
}

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    inputs << Input{prompt, title, defaultText};
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.dequeue();
}

std::optional<QString> ScriptedDialogs::password(const QString& prompt, const QString& title) {
    return input(prompt, title, QString());
}

QString ScriptedDialogs::openFileName(const QString&, const QString&) {
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const core::Message& m : messages)
        out << m.text;
    return out;
}

QString ScriptedDialogs::saveFileName(const QString&, const QString&) {
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

std::optional<QColor> ScriptedDialogs::color(const QColor& initial) {
    colorPresets << initial;
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

std::optional<QFont> ScriptedDialogs::font(const QFont& initial) {
    fontPresets << initial;
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
}
