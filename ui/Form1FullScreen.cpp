#include "ui/Form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>

namespace ui {

void Form1::Image全屏_Click() {
    if (!openFullScreen_) return; // nothing could show the draw, so this window stays
    if (warnIfNoCandidates()) return;
    DoNotLoadPicList = false;
    if (drawMode() == 1 && Combo选择姓名文件->currentIndex() >= 0 && !CurHasLoadedPicList) {
        ClearPictureList();
        ImportMatchingPictures(Combo选择姓名文件->currentText());
    }
    hide();
    openFullScreen_();
    QCoreApplication::processEvents();
    setWindowState(Qt::WindowMinimized);
}

} // namespace ui
