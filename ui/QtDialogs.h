#pragma once
#include "core/Dialogs.h"

class QWidget;

namespace ui {

// The real dialogs: message boxes, input boxes and file dialogs of Qt.
class QtDialogs : public core::Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    using core::Dialogs::message;
    core::MsgResult message(const core::Message& m) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> password(const QString& prompt, const QString& title) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    std::optional<QColor> color(const QColor& initial) override;
    std::optional<QFont> font(const QFont& initial) override;

private:
    std::optional<QString> ask(const QString& prompt, const QString& title, const QString& defaultText, int echoMode);
    QWidget* parent_;
};

} // namespace ui
