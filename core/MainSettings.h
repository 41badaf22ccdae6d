#pragma once
#include <QDateTime>
#include <QString>

namespace core {

// The 17 lines of "SettingA.vq". Values of panels the window does not have are
// kept as read, so that saving never loses them.
struct MainSettings {
    static constexpr const char* kFileName = "SettingA.vq";
    static constexpr int kLines = 17;

    QString DrawCount = QStringLiteral("3");       // 1
    QString PerRow = QStringLiteral("3");          // 2
    qint16 IntervalOption = 0;                     // 3
    QString AdvancedViewTag = QStringLiteral("0"); // 4
    qint16 ProjectIndex = -1;                      // 5
    qint16 AutoExclude = 0;                        // 6
    QString InstanceCount = QStringLiteral("4");   // 7
    qint16 No2InRow = 0;                           // 8
    qint16 No3InRow = 0;                           // 9
    qint16 RangeOption = 0;                        // 10
    qint16 DrawMode = 0;                           // 11
    QString FileName;                              // 12
    qint16 ExcludeDrawn = 0;                       // 13
    qint16 Alignment = 2;                          // 14
    qint16 DisplayHeight = 0;                      // 15
    double SplitterLeft = 0;                       // 16
    QDateTime SavedAt;                             // 17

    // Lines the file held; a setting whose line is missing or unusable keeps its default.
    int linesRead = 0;

    QString toText() const;
    static MainSettings fromLines(const QStringList& lines);
};

} // namespace core
