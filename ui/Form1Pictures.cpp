#include "ui/Form1.h"

#include "core/FileNames.h"
#include "ui/Form状态提示.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

void Form1::ClearPictureList() {
    state_.PictureList.clear();
    CurHasLoadedPicList = false;
}

void Form1::ImportMatchingPictures(const QString& nameFile) {
    const QString folder = core::PictureFolder(state_.AppFolder, nameFile);
    const QStringList files = core::MatchingPictureFiles(folder, candidates_.texts());
    if (files.isEmpty()) return;
    QCoreApplication::processEvents();
    const QString question = QStringLiteral("全屏显示时可同时滚动对应图片。\r\n现在导入与“") + nameFile +
                             QStringLiteral("”中文本（名字）匹配的%1张图片吗？\r\n").arg(files.size()) +
                             QStringLiteral("根据图片数量，在此过程中可能停止响应几分钟。。。");
    if (message(question, MsgIcon::Question, MsgButtons::OKCancel, MsgResult::Cancel) != MsgResult::OK) return;
    // A picture that cannot be loaded is no reason to drop the rest: each is named with its reason at the end.
    QStringList problems;
    for (int j = 0; j < files.size(); ++j) {
        statusPopup_->setText(QStringLiteral("%1/%2 正在导入图片：").arg(j + 1).arg(files.size()) + files[j]);
        QCoreApplication::processEvents();
        QString error;
        if (!state_.PictureList.add(folder + files[j], &error)) problems << files[j] + QStringLiteral("：") + error;
    }
    CurHasLoadedPicList = true;
    statusPopup_->hide();
    if (!problems.isEmpty())
        message(QStringLiteral("在导入图片过程中遇到问题：\r\n") + problems.join(QStringLiteral("\r\n")),
                MsgIcon::None);
}

void Form1::Command查看图片列表_Click() {
    if (Combo选择姓名文件->currentIndex() < 0) return;
    const QString folder = core::PictureFolder(state_.AppFolder, Combo选择姓名文件->currentText());
    core::CreateFolderPath(folder);
    const qsizetype found = core::MatchingPictureFiles(folder, candidates_.texts()).size();
    const qsizetype needed = candidates_.count();
    menu_窗口移至右下角_Click();
    OpenWithShell(folder);
    QCoreApplication::processEvents();
    QString text =
        QStringLiteral("共需%1张图片(不包括已被屏蔽了的名单)，目前已有%2张有效图片。").arg(needed).arg(found);
    if (found < needed) text += QStringLiteral("请您认真核对缺了哪个？");
    const QStringList lines = {
        text,
        QString(),
        QStringLiteral("请将图片复制到已打开的文件夹：") + QDir::toNativeSeparators(folder),
        QStringLiteral("然后按名称（名字）重命名，如： 张三.jpg 或 张三.bmp、李四.jpg"),
        QString(),
        QStringLiteral("要匹配的是图片文件的主名(不包括扩展名.*) ，如  张三.jpg 或 张三.bmp 均可匹配“张三”。"),
        QString(),
        QStringLiteral("可以识别的图形格式有：.bmp  .ico  .cur   .rle .wmf .emf .gif .jpg  "),
        QStringLiteral("图片分辨率以接近400*300为宜。图片太大会耗用较长处理时间。"),
        QString(),
        QStringLiteral("处理好后，关闭文件夹窗口，按一次[重置候选列表]。"),
    };
    message(lines.join(QStringLiteral("\r\n")), MsgIcon::Information);
}

} // namespace ui
