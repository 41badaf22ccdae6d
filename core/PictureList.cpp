#include "core/PictureList.h"

#include "core/FileNames.h"
#include "platform/image/PictureDecoder.h"

#include <QDir>
#include <QFileInfo>

namespace core {

bool PictureList::add(const QString& path, QString* error) {
    const QImage image = platform::LoadPicture(path, error);
    if (image.isNull()) return false;
    const qint32 n = qint32(entries_.size());
    entries_.append(PictureEntry{n, StripExtension(QFileInfo(path).fileName()), image});
    return true;
}

QString PictureFolder(const QString& appFolder, const QString& nameFile) {
    return appFolder + QStringLiteral("图片列表/") + StripExtension(nameFile) + u'/';
}

bool IsPictureFile(const QString& name) {
    static const QStringList kExtensions = {".BMP", ".ICO", ".CUR", ".RLE", ".WMF", ".EMF", ".GIF", ".JPG"};
    return kExtensions.contains(name.right(4).toUpper());
}

QStringList MatchingPictureFiles(const QString& folder, const QStringList& candidates) {
    QSet<QString> wanted;
    for (const QString& c : candidates)
        wanted.insert(c.toUpper());
    QStringList out;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& f : files)
        if (IsPictureFile(f) && wanted.contains(StripExtension(f).toUpper())) out << f;
    return out;
}

} // namespace core
