#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace core {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, YesNo };
enum class MsgResult { OK, Cancel, Yes, No };

inline const QString kAppTitle = QStringLiteral("TovrelZandrel");

struct Message {
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    // The button that Enter presses; the first one when unset.
    std::optional<MsgResult> defaultButton;
    QString title = kAppTitle;
};

// Every message box and input box of the program goes through this, so that
// tests can script the answers and check the texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult message(const Message& m) = 0;
    // The typed text, or nothing on Cancel.
    virtual std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // Like input, but the typed characters are hidden.
    virtual std::optional<QString> password(const QString& prompt, const QString& title) = 0;
    // A file to open, or "" on Cancel.
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    // A file to write, or "" on Cancel.
    virtual QString saveFileName(const QString& title, const QString& filter) = 0;
    // The chosen colour or font, or nothing on Cancel.
    virtual std::optional<QColor> color(const QColor& initial) = 0;
    virtual std::optional<QFont> font(const QFont& initial) = 0;

    MsgResult message(const QString& text, MsgIcon icon, MsgButtons buttons = MsgButtons::OK,
                      std::optional<MsgResult> defaultButton = std::nullopt) {
        return message(Message{text, icon, buttons, defaultButton});
    }
};

} // namespace core
