#pragma once

class QDialog;
class QWidget;

namespace ui {

// Runs the dialog modally with the main window hidden, then shows it again.
void ShowWhileHidden(QWidget* mainWindow, QDialog* dialog);

} // namespace ui
