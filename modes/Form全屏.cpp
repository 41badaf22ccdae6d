#include "modes/Form全屏.h"

#include "core/AppState.h"
#include "ui/Form1.h"
#include "ui/WindowHelpers.h"

#include <QLabel>

namespace modes {

namespace {

// Fills a 410 x 307 pixel box in its binding dimension, keeping the aspect ratio;
// smaller pictures are enlarged.
QSize FittedSize(const QSize& picture) {
    const double rx = 410.0 / picture.width();
    const double ry = 307.0 / picture.height();
    return rx < ry ? QSize(410, qRound(picture.height() * rx)) : QSize(qRound(picture.width() * ry), 307);
}

} // namespace

Form全屏::Form全屏(ui::Form1& form, const core::AppState& state)
    : FullScreenWindow(form, state, QStringLiteral("Form全屏"),
                       QStringLiteral("操作提示： 空格-开始/确定  ESC-退出全屏")) {
    Image图片 = new QLabel(this);
    Image图片->setObjectName(QStringLiteral("Image图片"));
    Image图片->setScaledContents(true);
    Image图片->hide();
}

void Form全屏::placeContent() {
    // Centred across the screen, so that the name stands over its picture.
    ui::MoveToScreenFraction(Label结果, {203.0 / 1024, 173.0 / 768, 618.0 / 1024, 182.0 / 768});
    Label结果2->setGeometry(Label结果->geometry());
    // The corner takes the height between the result and the key hint.
    const int top = Label结果->geometry().bottom() + 1 + ui::ToPixels(400);
    const int margin = ui::ToPixels(120);
    Label历史记录->setGeometry(width() * 7 / 10 + margin, top, width() - width() * 7 / 10 - 2 * margin,
                               label操作提示->y() - top);
}

void Form全屏::Label结果_Change() {
    if (form_.drawMode() != 1) return;
    Image图片->clear();
    // The candidate drawn, not the caption, which may show it masked.
    ShowPictureForName(state_.CurrentDrawText);
}

void Form全屏::ShowPictureForName(const QString& name) {
    Image图片->hide();
    const core::PictureList& pictures = state_.PictureList;
    const QString wanted = name.toUpper();
    for (qsizetype i = 1; i <= pictures.upperBound(); ++i) {
        const core::PictureEntry& entry = pictures[i];
        if (entry.Name.toUpper() != wanted) continue;
        const QSize size = FittedSize(entry.Picture.size());
        Image图片->setGeometry((width() - size.width()) / 2, Label结果->y() + Label结果->height() + ui::ToPixels(400),
                               size.width(), size.height());
        Image图片->setPixmap(QPixmap::fromImage(entry.Picture));
        Image图片->show();
        return;
    }
}

} // namespace modes
