#include "platform/office/XlsChild.h"

#include "platform/office/SheetTransfer.h"
#include "platform/office/XlsReader.h"
#include "platform/system/ProcessWait.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <climits>
#include <cstdio>
#include <new>
#include <sys/resource.h>

namespace platform {

namespace {

// How the child ends.
enum ExitCode { kRead = 0, kNotRead = 1, kUsage = 2, kOutOfMemory = 3, kNoOutput = 4 };

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

void limit(int resource, rlim_t value) {
    const rlimit bound{value, value};
    setrlimit(resource, &bound);
}

bool writeAll(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

} // namespace

QString DefaultXlsReader() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ZandrelXls");
}

std::optional<std::vector<WorkbookSheet>> ReadXlsInChild(const QString& program, const QString& path, QString* error,
                                                         XlsChildLimits bounds) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.setChildProcessModifier([bounds] {
        // An address-sanitized child reserves far more address space than any limit would allow.
        if (!kAddressSanitizer) limit(RLIMIT_AS, rlim_t(bounds.memoryBytes));
        limit(RLIMIT_CPU, rlim_t(bounds.seconds));
        limit(RLIMIT_CORE, 0);
    });
    child.start(program, {path});
    if (!child.waitForStarted()) {
        setError(error, QStringLiteral("无法启动读取.xls工作簿的程序%1：%2").arg(program, child.errorString()));
        return std::nullopt;
    }
    child.closeWriteChannel();
    QByteArray out;
    bool tooMuch = false;
    QObject::connect(&child, &QProcess::readyReadStandardOutput, &child, [&] {
        out += child.readAllStandardOutput();
        if (out.size() > bounds.resultBytes && !tooMuch) {
            tooMuch = true;
            child.kill();
        }
    });
    // The window keeps painting while the child reads.
    WaitKeepingPainting(child, int(std::min<qint64>(qint64(bounds.seconds) * 1000, INT_MAX)));
    const bool late = child.state() == QProcess::Running;
    if (late || tooMuch) {
        child.kill();
        child.waitForFinished();
        setError(error, tooMuch
                            ? PastLimitText(QStringLiteral("工作簿的内容超过%1 MB").arg(bounds.resultBytes >> 20))
                            : QStringLiteral("读取.xls工作簿超过了%1秒，已停止，文件可能已损坏").arg(bounds.seconds));
        return std::nullopt;
    }
    out += child.readAllStandardOutput();
    if (child.exitStatus() == QProcess::CrashExit) {
        setError(error, QStringLiteral("读取.xls工作簿的程序意外终止，文件可能已损坏"));
        return std::nullopt;
    }
    switch (child.exitCode()) {
    case kRead:
        if (std::optional<std::vector<WorkbookSheet>> sheets = UnpackSheets(out)) return sheets;
        setError(error, QStringLiteral("读取.xls工作簿的程序交回的结果不完整"));
        return std::nullopt;
    case kNotRead:
        setError(error, QString::fromUtf8(out));
        return std::nullopt;
    case kOutOfMemory:
        setError(error, PastLimitText(QStringLiteral("读取时需要的内存超过%1 MB").arg(bounds.memoryBytes >> 20)));
        return std::nullopt;
    default:
        setError(error, QStringLiteral("读取.xls工作簿的程序意外结束（代码%1），文件可能已损坏").arg(child.exitCode()));
        return std::nullopt;
    }
}

int RunXlsChild(int argc, char** argv) {
    if (argc != 2) return kUsage;
    try {
        QString reason;
        const std::optional<std::vector<WorkbookSheet>> sheets = ReadXls(QFile::decodeName(argv[1]), &reason);
        if (!sheets) return writeAll(reason.toUtf8()) ? kNotRead : kNoOutput;
        return writeAll(PackSheets(*sheets)) ? kRead : kNoOutput;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

} // namespace platform
