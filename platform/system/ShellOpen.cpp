#include "platform/system/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

int OpenWithShell(const QString& path, bool wait) {
    Q_UNUSED(wait); // openUrl hands the document to xdg-open and returns; there is no launcher to wait for
    const QString full = GetShortPath(path);
    if (!full.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(full));
    return 0;
}

QString GetShortPath(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.absoluteFilePath() : QString();
}

} // namespace platform
