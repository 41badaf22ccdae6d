#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away program folder with the shipped templates and sounds and the
// empty data folders.
class ProgramFolder {
public:
    ProgramFolder();
    // With the trailing "/".
    QString path() const { return dir_.path() + u'/'; }
    QString file(const QString& relative) const { return path() + relative; }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};
