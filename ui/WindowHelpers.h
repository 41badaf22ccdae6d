#pragma once
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace ui {

// Gives a control its name, so that tests and the layout find it by that name.
template <class W> W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

constexpr int kTwipsPerPixel = 15;
inline int ToTwips(int px) {
    return px * kTwipsPerPixel;
}
inline int ToPixels(double twips) {
    return int(twips / kTwipsPerPixel);
}

// A rectangle as fractions of the screen (left and width of its width, top
// and height of its height).
struct ScreenFractionRect {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

// Size of the primary screen in pixels.
QRect ScreenRect();
// The part of the primary screen that windows may take (without panels and docks).
QRect WorkArea();

void MoveToScreenFraction(QWidget* w, const ScreenFractionRect& r);
void SetWindowTopmost(QWidget* w, bool notTopmost);
// Shows a window that another one stood in for, in the given state, active and, when it is topmost, above the others
// again.
void ShowAgain(QWidget* w, Qt::WindowStates state);
// Lets mouse events pass through the widget to what lies below.
void SetTransparentExStyle(QWidget* w);
// True when the mouse is over the window, its right and bottom edges included.
bool IsCursorOverForm(const QWidget* w);
// The same for a window that stands at g.
bool IsCursorOverRect(const QRect& g);
// True when a top-level window of the program has this object name (case ignored).
bool IsFormLoaded(const QString& name);
// Paints the label's picture onto the window at the label's geometry.
void PaintImageOnForm(const QLabel* image, QWidget* form);

int FindListItem(const QComboBox* box, const QString& text, bool exact);
// Selects the first matching item, which raises the box's activation handlers.
bool SelectListItem(QComboBox* box, const QString& text, bool exact);

} // namespace ui
