#include "ui/Form1.h"

#include "ui/Form选项.h"
#include "ui/Form项目设置.h"
#include "ui/ShowWhileHidden.h"

namespace ui {

void Form1::menu_选项_Click() {
    Form选项 dialog(state_, dialogs_, rng_, this);
    ShowWhileHidden(this, &dialog);
}

void Form1::menu_项目设置_Click() {
    Form项目设置 dialog(state_, dialogs_, this);
    ShowWhileHidden(this, &dialog);
}

} // namespace ui
