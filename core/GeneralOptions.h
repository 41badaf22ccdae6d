#pragma once
#include <QString>
#include <QStringList>

namespace core {

// The general options, read at start-up only ("GeneralSet.dat", key=value lines).
struct GeneralOptions {
    static constexpr const char* kFileName = "GeneralSet.dat";

    bool RandomWaitingList = false;
    bool RandomFlashing = false;
    qint16 RandomFlashingStyle = 0;
    qint16 RandomFlashing_Wei_1 = 0;
    qint16 RandomFlashing_Wei_2 = 0;
    qint16 RandomFlashing_Wei_3 = 0;
    qint16 RandomFlashing_Wei_4 = 0;
    qint16 RandomFlashing_CharStyle = 0;
    QString RandomFlashing_MyChar;
    bool DeleteHistoryWhenExit = false;
    bool AutoSetFontSize = false;

    // Applies the lines of the file's text. Empty lines and known keys without
    // "=" are skipped; lines with an unknown key are returned for a message.
    QStringList read(const QString& text);
    QString write() const;
};

} // namespace core
