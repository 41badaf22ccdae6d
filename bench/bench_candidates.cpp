// Times the candidate list for large number ranges and the start-up of the
// main window. Each range runs in a child process so its peak memory is its own.
#include "OffscreenScreen.h"
#include "core/AppState.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

QString ExcludedText() {
    QStringList numbers;
    for (int i = 1; i <= 100; ++i)
        numbers << QString::number(i * 7);
    return numbers.join(u' ');
}

double PeakMegabytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// One range through the main window: the reset that builds the list, then picks.
int RunRange(const QString& step) {
    QTemporaryDir dir;
    core::AppState state;
    state.AppFolder = dir.path() + u'/';
    ui::QtDialogs dialogs;
    QRandomGenerator rng(1);
    ui::Form1 form(state, dialogs, rng);
    form.Form_Load(QString());
    form.TextSet[0]->setText(QStringLiteral("0"));
    form.TextSet[1]->setText(QStringLiteral("10000"));
    form.TextSet[2]->setText(step);
    form.TextSet[3]->setText(ExcludedText());

    QElapsedTimer t;
    t.start();
    form.CommandReset_Click();
    const double buildMs = t.nsecsElapsed() / 1e6;

    form.Command开始_Click();
    const int picks = 20000;
    t.restart();
    for (int i = 0; i < picks; ++i)
        form.TimerCreating_Timer();
    const double pickUs = t.nsecsElapsed() / 1e3 / picks;
    form.Command确定_Click();

    std::printf("%10lld  %10.1f  %10.2f  %10.1f\n", qlonglong(form.candidates().count()), buildMs, pickUs,
                PeakMegabytes());
    return 0;
}

int RunStartup(const QElapsedTimer& sinceStart) {
    QTemporaryDir dir;
    core::AppState state;
    state.AppFolder = dir.path() + u'/';
    ui::QtDialogs dialogs;
    ui::Form1 form(state, dialogs, *QRandomGenerator::global());
    form.Form_Load(QString());
    while (!form.isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("start-up to a shown window: %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    UseOffscreenScreenUnlessGiven();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("range")) return RunRange(args[2]);
    if (args.size() == 2 && args[1] == QLatin1String("startup")) return RunStartup(sinceStart);

    std::printf("%10s  %10s  %10s  %10s\n", "entries", "build ms", "pick us", "peak MB");
    for (const char* step : {"1", "0.01", "0.001"}) {
        std::fflush(stdout);
        QProcess::execute(args[0], {QStringLiteral("range"), QString::fromLatin1(step)});
    }
    std::fflush(stdout);
    QProcess::execute(args[0], {QStringLiteral("startup")});
    return 0;
}
