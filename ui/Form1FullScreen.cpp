#include "ui/Form1.h"

#include "ui/WindowHelpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>

namespace ui {

void Form1::Image全屏_Click() {
    if (!openFullScreen_) return; // nothing could show the draw, so this window stays
    if (fullScreenOpen_) {
        openFullScreen_(); // brings the open one to the front; never a second one
        return;
    }
    if (warnIfNoCandidates()) return;
    DoNotLoadPicList = false;
    if (drawMode() == 1 && Combo选择姓名文件->currentIndex() >= 0 && !CurHasLoadedPicList) {
        ClearPictureList();
        ImportMatchingPictures(Combo选择姓名文件->currentText());
    }
    windowStateBeforeFullScreen_ = windowState() & ~(Qt::WindowMinimized | Qt::WindowActive);
    fullScreenOpen_ = true;
    hide();
    openFullScreen_();
    QCoreApplication::processEvents();
    setWindowState(Qt::WindowMinimized);
}

void Form1::restoreFromFullScreen() {
    fullScreenOpen_ = false;
    ShowAgain(this, windowStateBeforeFullScreen_);
}

} // namespace ui
