#include "core/MainSettings.h"

#include "core/HistoryRecord.h"
#include "core/NumberText.h"

namespace core {

QString MainSettings::toText() const {
    const QStringList lines = {
        DrawCount,
        PerRow,
        PrintNumber(IntervalOption),
        AdvancedViewTag,
        PrintNumber(ProjectIndex),
        PrintNumber(AutoExclude),
        InstanceCount,
        PrintNumber(No2InRow),
        PrintNumber(No3InRow),
        PrintNumber(RangeOption),
        PrintNumber(DrawMode),
        FileName,
        PrintNumber(ExcludeDrawn),
        PrintNumber(Alignment),
        PrintNumber(DisplayHeight),
        PrintNumber(float(SplitterLeft)),
        GeneralDateTime(SavedAt),
    };
    return lines.join(QStringLiteral("\r\n"));
}

MainSettings MainSettings::fromLines(const QStringList& lines) {
    MainSettings s;
    s.linesRead = int(qMin<qsizetype>(lines.size(), kLines));
    auto number = [&](int line, qint16& field) {
        if (line > s.linesRead) return;
        if (const auto v = ToInt16(LeadingNumber(lines[line - 1]))) field = *v;
    };
    auto text_ = [&](int line, QString& field) {
        if (line <= s.linesRead) field = lines[line - 1];
    };
    text_(1, s.DrawCount);
    text_(2, s.PerRow);
    number(3, s.IntervalOption);
    text_(4, s.AdvancedViewTag);
    number(5, s.ProjectIndex);
    number(6, s.AutoExclude);
    text_(7, s.InstanceCount);
    number(8, s.No2InRow);
    number(9, s.No3InRow);
    number(10, s.RangeOption);
    number(11, s.DrawMode);
    text_(12, s.FileName);
    number(13, s.ExcludeDrawn);
    number(14, s.Alignment);
    number(15, s.DisplayHeight);
    if (s.linesRead >= 16) s.SplitterLeft = LeadingNumber(lines[15]);
    return s;
}

} // namespace core
