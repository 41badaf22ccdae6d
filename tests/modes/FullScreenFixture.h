#pragma once
// The main window with its full-screen command wired as the program wires it.
#include "Form1Fixture.h"
#include "modes/FullScreenOpener.h"

#include <QPointer>

struct FullScreenFixture : Fixture {
    QPointer<QWidget> window; // the last window the command opened

    FullScreenFixture() {
        form->setFullScreenOpener([this] { window = modes::OpenFullScreen(*form, state); });
    }
    // Keys then reach the window as the operator's would, not the main window's shortcuts.
    static void showActive(QWidget& w) {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }
    // Deletes what closed windows left for deletion.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
