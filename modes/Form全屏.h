#pragma once
#include "modes/FullScreenWindow.h"

namespace modes {

// The full-screen window of the numbers and names modes: the result display
// over the whole screen and, in names mode, the drawn candidate's picture.
class Form全屏 : public FullScreenWindow {
public:
    Form全屏(ui::Form1& form, const core::AppState& state);

    // The first picture whose name is this one, case ignored; none hides it.
    void ShowPictureForName(const QString& name);

    QLabel* Image图片;

protected:
    void placeContent() override;
    void Label结果_Change() override;
};

} // namespace modes
