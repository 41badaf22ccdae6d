#include "core/AppState.h"
#include "modes/FullScreenOpener.h"
#include "platform/system/EndSignals.h"
#include "print/Form打印抽取结果.h"
#include "print/SystemPrinters.h"
#include "ui/BatchPanel.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"
#include "ui/QtTranslations.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::InstallQtTranslations(ui::DialogLocale(QLocale::system()));
    core::AppState state;
    state.AppFolder = QCoreApplication::applicationDirPath() + u'/';
    ui::QtDialogs dialogs;
    ui::Form1 form(state, dialogs, *QRandomGenerator::global());
    dialogs.setParent(&form);
    form.setProcessEnd([] { QCoreApplication::exit(0); });
    form.setProcessAbort([] { std::exit(0); });
    form.setProgramStarter(
        [](const QString& program, const QStringList& args) { QProcess::startDetached(program, args); });
    print::SystemPrinters printers;
    std::unique_ptr<print::Form打印抽取结果> printWindow; // created on first use
    form.setPrintWindowOpener([&](int printSource) {
        if (!printWindow) {
            printWindow = std::make_unique<print::Form打印抽取结果>(
                state, dialogs, printers, [&form] { return form.Frame批量抽取->Text高级结果->toPlainText(); }, &form);
            printWindow->setProgramExit([&form] { form.CommandExit_Click(); });
        }
        printWindow->Open(printSource);
    });
    form.setFullScreenOpener([&form, &state] { modes::OpenFullScreen(form, state); });
    const QStringList args = app.arguments();
    if (!form.Form_Load(args.mid(1).join(u' '))) return 1;
    // A log-out or kill ends the program through its exit routine, so the run's draws are saved.
    platform::OnEndSignal([&form] { form.CommandExit_Click(); });
    return app.exec();
}
