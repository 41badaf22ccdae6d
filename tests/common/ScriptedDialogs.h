#pragma once
#include "core/Dialogs.h"

#include <QList>
#include <QQueue>

// Dialogs for tests: records every message and answers from queues. A message
// with no queued answer gets its default button.
class ScriptedDialogs : public core::Dialogs {
public:
    struct Input {
        QString prompt;
        QString title;
        QString defaultText;
    };

    using core::Dialogs::message;
    core::MsgResult message(const core::Message& m) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> password(const QString& prompt, const QString& title) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    std::optional<QColor> color(const QColor& initial) override;
    std::optional<QFont> font(const QFont& initial) override;

    QList<core::Message> messages;
    QList<Input> inputs;
    QQueue<core::MsgResult> answers;
    QQueue<std::optional<QString>> inputAnswers; // empty queue: Cancel
    QQueue<QString> fileAnswers;
    QQueue<QString> saveAnswers;
    QQueue<std::optional<QColor>> colorAnswers; // empty queue: Cancel
    QQueue<std::optional<QFont>> fontAnswers;
    QList<QColor> colorPresets; // what each colour dialog opened with
    QList<QFont> fontPresets;

    QStringList texts() const;
};
