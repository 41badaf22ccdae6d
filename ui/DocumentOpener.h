#pragma once
#include "core/Dialogs.h"

#include <functional>

namespace ui {

// Hands a file or folder to its associated program; true when it was taken.
using DocumentOpener = std::function<bool(const QString& path)>;

// Opens the path; when that fails, tells the user where it is, so that they can open it by hand.
bool OpenOrTell(const DocumentOpener& open, core::Dialogs& dialogs, const QString& path);

} // namespace ui
