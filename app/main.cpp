#include "core/AppState.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    core::AppState state;
    state.AppFolder = QCoreApplication::applicationDirPath() + u'/';
    ui::QtDialogs dialogs;
    ui::Form1 form(state, dialogs, *QRandomGenerator::global());
    dialogs.setParent(&form);
    form.setProcessEnd([] { QCoreApplication::exit(0); });
    form.setProcessAbort([] { std::exit(0); });
    form.setProgramStarter(
        [](const QString& program, const QStringList& args) { QProcess::startDetached(program, args); });
    const QStringList args = app.arguments();
    if (!form.Form_Load(args.mid(1).join(u' '))) return 1;
    return app.exec();
}
