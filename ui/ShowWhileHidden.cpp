#include "ui/ShowWhileHidden.h"

#include <QDialog>

namespace ui {

void ShowWhileHidden(QWidget* mainWindow, QDialog* dialog) {
    mainWindow->hide();
    dialog->exec();
    mainWindow->show();
}

} // namespace ui
