#pragma once
#include <QImage>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace core {

struct PictureEntry {
    qint32 Index = 0;
    QString Name; // the main name of the picture file
    QImage Picture;
};

// The pictures of the current name file. Element 0 is always empty; the
// pictures follow from 1 in load order.
class PictureList {
public:
    PictureList() { clear(); }
    void clear() { entries_ = {PictureEntry{}}; }
    qsizetype upperBound() const { return entries_.size() - 1; }
    const PictureEntry& operator[](qsizetype i) const { return entries_[i]; }
    // Loads the picture, metafiles too; false with the reason, in Chinese, when it cannot be read.
    bool add(const QString& path, QString* error);

private:
    QList<PictureEntry> entries_;
};

// The picture folder of a name file: "图片列表/<main name>/".
QString PictureFolder(const QString& appFolder, const QString& nameFile);

// True for .bmp .ico .cur .rle .wmf .emf .gif .jpg, case ignored.
bool IsPictureFile(const QString& name);

// The picture files of the folder whose main name is a candidate (case
// ignored), in the folder's order.
QStringList MatchingPictureFiles(const QString& folder, const QStringList& candidates);

} // namespace core
