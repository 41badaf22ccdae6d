#pragma once
// Drives a dialog that the code under test runs modally.
#include <QApplication>
#include <QDialog>
#include <QTest>

#include <functional>

// Once the next modal dialog runs, hands it to the script; a dialog the script leaves open is then
// rejected, so a failed check cannot leave the test waiting.
template <typename D> void WhenModal(std::function<void(D&)> script) {
    QMetaObject::invokeMethod(
        qApp,
        [script] {
            auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "no modal dialog of the expected type");
            script(*dialog);
            if (dialog->isVisible()) dialog->reject();
        },
        Qt::QueuedConnection);
}
