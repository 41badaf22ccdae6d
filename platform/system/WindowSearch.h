#pragma once
#include <QRect>
#include <QString>

namespace platform {

// The first top-level window of the desktop, other than startWindow, whose non-empty title contains titlePart,
// ignoring case; 0 when there is none or the desktop has no window list (offscreen, Wayland).
quintptr FindWindowByTitlePart(quintptr startWindow, const QString& titlePart);

// Asks the window manager to bring the window to the foreground; false when no window manager lists it.
bool ActivateWindow(quintptr window);

// Asks the window manager to keep the window above the others (again, after it was hidden); false when no
// window manager can be asked.
bool KeepWindowAbove(quintptr window);

// Where the window really stands on the screen, its window manager's frame included; the window manager may
// have kept it elsewhere than it was asked to. Empty when the desktop cannot tell (offscreen, Wayland).
QRect WindowFrameRect(quintptr window);

} // namespace platform
