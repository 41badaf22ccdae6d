#pragma once
#include <QString>
#include <QStringList>

namespace core {

// The print window's choices ("PrintSet.dat", key=value lines), restored each time the window opens.
struct PrintSettings {
    static constexpr const char* kFileName = "PrintSet.dat";

    int OutputOption = 0; // 0 the simple document, 1 the template joined with a workbook
    QString Workbook;     // full path
    QString Sheet;
    QString MatchField;
    QStringList Fields; // the fields to print, in their order
    bool KeepSeq = false;
    bool KeepTime = false;
    bool GreyFirstRow = true;

    // Unknown keys and lines without "=" are skipped; a missing key keeps its default.
    static PrintSettings read(const QString& text);
    QString write() const;
};

} // namespace core
