#pragma once

class QWidget;

namespace core {
struct AppState;
}

namespace ui {
class Form1;
}

namespace modes {

// Shows the full-screen window of the main window's draw mode, modeless, or brings the open one to the front. It
// closes itself and is deleted with the main window at the latest.
QWidget* OpenFullScreen(ui::Form1& form, const core::AppState& state);

} // namespace modes
