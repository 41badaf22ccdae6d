#include "FuzzInput.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

// Readers build text documents, fonts and pictures, which need a GUI application; none is shown.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

QString InputFile(const uint8_t* data, size_t size, const QString& suffix) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input") + suffix);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        qFatal("cannot write the input to %s", qPrintable(path));
    return path;
}
