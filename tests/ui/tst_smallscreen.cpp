#include "Form1Fixture.h"

#include <QApplication>
#include <QFile>

// The program refuses screens below 1024 x 768: this test runs on a smaller one.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile f(config);
    f.open(QIODevice::WriteOnly);
    f.write(
        R"({"screens":[{"name":"s0","x":0,"y":0,"width":1000,"height":768,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);

    ProgramFolder folder;
    core::AppState state;
    state.AppFolder = folder.path();
    ScriptedDialogs dialogs;
    QRandomGenerator rng(1);
    ui::Form1 form(state, dialogs, rng);
    const bool started = form.Form_Load(QString());
    const bool ok = !started && dialogs.texts() == QStringList{"屏幕分辨率必须在1024*768以上才能正常运行本软件！"} &&
                    dialogs.messages[0].icon == core::MsgIcon::Critical;
    if (!ok) qWarning("small screen: started=%d messages=%s", started, qPrintable(dialogs.texts().join(u'|')));
    return ok ? 0 : 1;
}
