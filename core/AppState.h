#pragma once
#include "core/GeneralOptions.h"
#include "core/LockPassword.h"
#include "core/PictureList.h"
#include "core/RunHistory.h"

#include <QString>

namespace core {

// What every window of the program shares. main() owns the one instance.
struct AppState {
    QString AppFolder; // with a trailing "/"
    RunHistory History;
    QString CurrentDrawText;
    quint32 RollingColor = 16777215; // white
    quint32 FlashColor = 255;        // red
    core::LockPassword LockPassword;
    int LockState = 0;
    GeneralOptions Options;
    QString ReviewProjectName;
    QString ReviewTime;
    QString ReviewPlace;
    core::PictureList PictureList;
};

} // namespace core
