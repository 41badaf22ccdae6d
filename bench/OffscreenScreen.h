#pragma once
// The benchmarks run without a display: on the tests' offscreen screen, large enough that
// start-up asks nothing. A platform the user names is kept.
#include <QByteArray>
#include <QtGlobal>

inline void UseOffscreenScreenUnlessGiven() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + ZANDREL_OFFSCREEN_CONFIG);
}
