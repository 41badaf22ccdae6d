// Without libFuzzer (gcc builds) a target replays the inputs it is given, files or folders of files, once each.
// Arguments starting with "-" are libFuzzer options and ignored, so ctest runs both kinds the same way.
#include "FuzzInput.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

int Replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    std::fprintf(stderr, "replaying %s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    int failures = 0, inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        if (arg.startsWith(u'-')) continue;
        if (!QFileInfo(arg).isDir()) {
            failures += Replay(arg);
            ++inputs;
            continue;
        }
        QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            failures += Replay(it.next());
            ++inputs;
        }
    }
    std::fprintf(stderr, "%d inputs replayed\n", inputs);
    return failures == 0 && inputs > 0 ? 0 : 1;
}
