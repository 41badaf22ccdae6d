#include "platform/system/FailureReason.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace platform {

QString FileFailureReason(const QFileDevice& file) {
    const QFileInfo info(file.fileName());
    if (info.isDir()) return QStringLiteral("这是一个文件夹，不是文件");
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("磁盘空间不足，或系统资源不足");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        if (!info.exists() && !info.dir().exists()) return QStringLiteral("文件夹不存在");
        if (!info.exists() && !(file.openMode() & QIODevice::WriteOnly)) return QStringLiteral("文件不存在");
        return QStringLiteral("没有权限访问该文件");
    case QFileDevice::ReadError:
        return QStringLiteral("读取文件时出错，文件或磁盘可能已损坏");
    case QFileDevice::WriteError:
        return QStringLiteral("写入文件时出错，磁盘可能已满或已损坏");
    default:
        return QStringLiteral("无法访问该文件");
    }
}

} // namespace platform
