#include "ui/Form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>

namespace ui {

void Form1::Image全屏_Click() {
    if (!openFullScreen_) return; // nothing could show the draw, so this window stays
    if (candidates_.isEmpty()) {
        message(QStringLiteral("候选列表现在是空的！请先选定一个项目？作好相关设置？或重置候选列表？清除已抽名单？"),
                core::MsgIcon::Exclamation);
        return;
    }
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
