#include "ui/DocumentOpener.h"

#include <QDir>

namespace ui {

bool OpenOrTell(const DocumentOpener& open, core::Dialogs& dialogs, const QString& path) {
    if (open(path)) return true;
    dialogs.message(QStringLiteral("没能用系统关联的程序打开：\r\n") + QDir::toNativeSeparators(path) +
                        QStringLiteral("\r\n可能没有安装能打开它的程序，请手动打开它。"),
                    core::MsgIcon::Exclamation);
    return false;
}

} // namespace ui
