#include "modes/FullScreenOpener.h"

#include "modes/Form全屏.h"
#include "modes/Form抽题时全屏.h"
#include "ui/Form1.h"

#include <QApplication>

namespace modes {

QWidget* OpenFullScreen(ui::Form1& form, const core::AppState& state) {
    for (QWidget* open : QApplication::topLevelWidgets())
        if (open->isVisible() && dynamic_cast<FullScreenWindow*>(open)) {
            open->raise();
            open->activateWindow();
            return open;
        }
    FullScreenWindow* window = nullptr;
    if (form.drawMode() == 2)
        window = new Form抽题时全屏(form, state);
    else
        window = new Form全屏(form, state);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // It reads the main window on every tick, so it may not outlive it.
    QObject::connect(&form, &QObject::destroyed, window, [window] { delete window; });
    window->show();
    window->activateWindow();
    return window;
}

} // namespace modes
