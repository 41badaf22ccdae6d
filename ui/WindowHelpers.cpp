#include "ui/WindowHelpers.h"

#include "core/ListSearch.h"
#include "platform/system/WindowSearch.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace ui {

QRect ScreenRect() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect();
}

QRect WorkArea() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void MoveToScreenFraction(QWidget* w, const ScreenFractionRect& r) {
    const QRect s = ScreenRect();
    w->setGeometry(int(s.width() * r.Left), int(s.height() * r.Top), int(s.width() * r.Width),
                   int(s.height() * r.Height));
}

void SetWindowTopmost(QWidget* w, bool notTopmost) {
    const bool visible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, !notTopmost);
    if (visible) w->show(); // changing window flags hides a shown window
}

void ShowAgain(QWidget* w, Qt::WindowStates state) {
    w->setWindowState(state);
    w->show();
    w->raise();
    w->activateWindow();
    // The window manager forgets that a hidden window stood above the others.
    if (w->windowFlags() & Qt::WindowStaysOnTopHint) platform::KeepWindowAbove(w->winId());
}

void SetTransparentExStyle(QWidget* w) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

bool IsCursorOverForm(const QWidget* w) {
    return IsCursorOverRect(w->frameGeometry());
}

bool IsCursorOverRect(const QRect& g) {
    const QPoint p = QCursor::pos();
    // Bounds included on all four sides.
    return p.x() >= g.left() && p.x() <= g.left() + g.width() && p.y() >= g.top() && p.y() <= g.top() + g.height();
}

bool IsFormLoaded(const QString& name) {
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows)
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void PaintImageOnForm(const QLabel* image, QWidget* form) {
    const QPixmap pixmap = image->pixmap();
    if (pixmap.isNull()) return;
    QPainter painter(form);
    painter.drawPixmap(image->geometry(), pixmap);
}

int FindListItem(const QComboBox* box, const QString& text, bool exact) {
    QStringList items;
    items.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return core::FindListItem(items, text, exact);
}

bool SelectListItem(QComboBox* box, const QString& text, bool exact) {
    const int i = FindListItem(box, text, exact);
    if (i < 0) return false;
    box->setCurrentIndex(i);
    emit box->activated(i); // code selection raises the click handler as a user's would
    return true;
}

} // namespace ui
