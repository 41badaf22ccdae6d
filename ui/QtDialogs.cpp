#include "ui/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

namespace {

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQt(MsgResult r) {
    switch (r) {
    case MsgResult::OK:
        return QMessageBox::Ok;
    case MsgResult::Cancel:
        return QMessageBox::Cancel;
    case MsgResult::Yes:
        return QMessageBox::Yes;
    case MsgResult::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// Texts keep the CR LF line ends of the program's messages; labels want LF.
QString Lines(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// While another window stands in for the hidden main window, a dialog owned by the main window could open
// behind that (topmost) window; the active window owns it then.
QWidget* Owner(QWidget* parent) {
    QWidget* active = QApplication::activeWindow();
    return parent && !parent->isVisible() && active ? active : parent;
}

// The audience's full-screen display is no place for the operator's questions: a message box stands where
// the operator's window stood (on top, as every box is).
QWidget* BoxOwner(QWidget* parent) {
    const QWidget* active = QApplication::activeWindow();
    return active && active->property("audienceScreen").toBool() ? parent : Owner(parent);
}

// The program writes its filters "description( *.a;*.b)|*.a;*.b|...". Qt wants "description (*.a *.b)" and does
// not split patterns at ";", so such a filter would list nothing.
QString ToQtFilter(const QString& filter) {
    static const QRegularExpression ownPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = QString(parts[i]).remove(ownPatterns);
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        out << description + QStringLiteral(" (") + patterns + u')';
    }
    return out.join(QStringLiteral(";;"));
}

// Room the window manager takes from the title bar for the window's icon and its three buttons.
constexpr int kTitleBarChrome = 160;

} // namespace

MsgResult QtDialogs::message(const core::Message& m) {
    QMessageBox box(ToQt(m.icon), m.title, Lines(m.text), QMessageBox::NoButton, BoxOwner(parent_));
    box.setWindowFlag(Qt::WindowStaysOnTopHint); // the main window is topmost too
    QList<MsgResult> buttons;
    switch (m.buttons) {
    case MsgButtons::OK:
        buttons = {MsgResult::OK};
        break;
    case MsgButtons::OKCancel:
        buttons = {MsgResult::OK, MsgResult::Cancel};
        break;
    case MsgButtons::YesNo:
        buttons = {MsgResult::Yes, MsgResult::No};
        break;
    }
    for (MsgResult b : buttons)
        box.addButton(ToQt(b));
    box.setDefaultButton(ToQt(m.defaultButton.value_or(buttons.first())));
    // A short message makes a box too narrow for its title; the box takes its width from the layout.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid)
        grid->addItem(new QSpacerItem(box.fontMetrics().horizontalAdvance(m.title) + kTitleBarChrome, 0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    const int pressed = box.exec();
    for (MsgResult b : buttons)
        if (pressed == ToQt(b)) return b;
    // Closed with Escape or the close box: the last button (Cancel, No, or OK).
    return buttons.last();
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    return ask(prompt, title, defaultText, QLineEdit::Normal);
}

std::optional<QString> QtDialogs::password(const QString& prompt, const QString& title) {
    return ask(prompt, title, QString(), QLineEdit::Password);
}

std::optional<QString> QtDialogs::ask(const QString& prompt, const QString& title, const QString& defaultText,
                                      int echoMode) {
    bool ok = false;
    const QString text = QInputDialog::getText(Owner(parent_), title, Lines(prompt), QLineEdit::EchoMode(echoMode),
                                               defaultText, &ok, Qt::WindowStaysOnTopHint);
    if (!ok) return std::nullopt;
    return text;
}

QString QtDialogs::openFileName(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(Owner(parent_), title, QString(), ToQtFilter(filter));
}

QString QtDialogs::saveFileName(const QString& title, const QString& filter) {
    return QFileDialog::getSaveFileName(Owner(parent_), title, QString(), ToQtFilter(filter));
}

std::optional<QColor> QtDialogs::color(const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, Owner(parent_));
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QFont> QtDialogs::font(const QFont& initial) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, Owner(parent_));
    if (!ok) return std::nullopt;
    return f;
}

} // namespace ui
