#include "platform/image/Metafile.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>

namespace platform {

namespace {

constexpr int kTimeoutMs = 20000;
constexpr int kMaxSide = 2000;           // pixels; a metafile may claim any size
constexpr QSize kFallbackSize(400, 300); // for a drawing that states none

bool fail(QString* reason, const QString& text) {
    if (reason) *reason = text;
    return false;
}

// Runs the converter on `input` and leaves the drawing in `output`.
bool convert(MetafileKind kind, const QString& input, const QString& output, QString* reason) {
    const bool wmf = kind == MetafileKind::Wmf;
    const QString program =
        QStandardPaths::findExecutable(wmf ? QStringLiteral("wmf2svg") : QStringLiteral("emf2svg-conv"));
    if (program.isEmpty()) {
        return fail(reason, wmf ? QStringLiteral("未安装显示WMF图片所需的程序 wmf2svg（软件包 libwmf-bin）")
                                : QStringLiteral("未安装显示EMF图片所需的程序 emf2svg-conv（软件包 emf2svg）"));
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program,
                  wmf ? QStringList{QStringLiteral("-o"), output, input}
                      : QStringList{QStringLiteral("-p"), QStringLiteral("-i"), input, QStringLiteral("-o"), output});
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !QFile::exists(output))
        return fail(reason, QStringLiteral("图片已损坏，或其格式不受支持"));
    return true;
}

} // namespace

MetafileKind MetafileKindOf(const QByteArray& bytes) {
    if (bytes.size() < 44) return MetafileKind::None;
    const uchar* b = reinterpret_cast<const uchar*>(bytes.constData());
    // An EMF starts with its header record, type 1, whose signature is " EMF".
    if (qFromLittleEndian<quint32>(b) == 1 && qFromLittleEndian<quint32>(b + 40) == 0x464D4520)
        return MetafileKind::Emf;
    // A WMF starts with the placeable header's key, or with the header record: type 1 or 2, 9 words long.
    if (qFromLittleEndian<quint32>(b) == 0x9AC6CDD7) return MetafileKind::Wmf;
    const quint16 type = qFromLittleEndian<quint16>(b), words = qFromLittleEndian<quint16>(b + 2),
                  version = qFromLittleEndian<quint16>(b + 4);
    if ((type == 1 || type == 2) && words == 9 && (version == 0x0100 || version == 0x0300)) return MetafileKind::Wmf;
    return MetafileKind::None;
}

QImage RenderMetafile(const QByteArray& bytes, QString* reason) {
    const MetafileKind kind = MetafileKindOf(bytes);
    if (kind == MetafileKind::None) {
        fail(reason, QStringLiteral("图片已损坏，或其格式不受支持"));
        return {};
    }
    QTemporaryDir folder;
    QFile input(folder.filePath(kind == MetafileKind::Wmf ? QStringLiteral("in.wmf") : QStringLiteral("in.emf")));
    if (!folder.isValid() || !input.open(QIODevice::WriteOnly) || input.write(bytes) != bytes.size()) {
        fail(reason, QStringLiteral("无法在临时文件夹中转换图片"));
        return {};
    }
    input.close();
    const QString output = folder.filePath(QStringLiteral("out.svg"));
    if (!convert(kind, input.fileName(), output, reason)) return {};
    QSvgRenderer svg(output);
    if (!svg.isValid()) {
        fail(reason, QStringLiteral("图片已损坏，或其格式不受支持"));
        return {};
    }
    QSize size = svg.defaultSize();
    if (size.isEmpty()) size = kFallbackSize;
    if (size.width() > kMaxSide || size.height() > kMaxSide) size.scale(kMaxSide, kMaxSide, Qt::KeepAspectRatio);
    // On paper, as the office program shows it: black formula text stays readable on a dark full screen.
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

} // namespace platform
