#pragma once
#include <QString>

class QFileDevice;

namespace platform {

// Why a file could not be opened, read or written, in Chinese words a user can act on: "文件不存在",
// "没有权限访问该文件", "磁盘空间不足" ...
QString FileFailureReason(const QFileDevice& file);

} // namespace platform
