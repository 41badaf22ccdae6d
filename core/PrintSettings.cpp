#include "core/PrintSettings.h"

namespace core {

namespace {

QString BoolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

// Field names come from a workbook's first row and may hold any character but a line end; a tab
// separates them in the file.
constexpr QChar kFieldSeparator = u'\t';

} // namespace

PrintSettings PrintSettings::read(const QString& text) {
    PrintSettings s;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        const QString key = line.first(eq);
        const QString value = line.sliced(eq + 1);
        if (key == u"OutputOption")
            s.OutputOption = value.trimmed() == u"1" ? 1 : 0;
        else if (key == u"Workbook")
            s.Workbook = value;
        else if (key == u"Sheet")
            s.Sheet = value;
        else if (key == u"MatchField")
            s.MatchField = value;
        else if (key == u"Fields")
            s.Fields = value.isEmpty() ? QStringList() : value.split(kFieldSeparator);
        else if (key == u"KeepSeq")
            s.KeepSeq = value == u"True";
        else if (key == u"KeepTime")
            s.KeepTime = value == u"True";
        else if (key == u"GreyFirstRow")
            s.GreyFirstRow = value == u"True";
    }
    return s;
}

QString PrintSettings::write() const {
    return QStringList{
        QStringLiteral("OutputOption=%1").arg(OutputOption),
        QStringLiteral("Workbook=") + Workbook,
        QStringLiteral("Sheet=") + Sheet,
        QStringLiteral("MatchField=") + MatchField,
        QStringLiteral("Fields=") + Fields.join(kFieldSeparator),
        QStringLiteral("KeepSeq=") + BoolText(KeepSeq),
        QStringLiteral("KeepTime=") + BoolText(KeepTime),
        QStringLiteral("GreyFirstRow=") + BoolText(GreyFirstRow),
    }
        .join(QStringLiteral("\r\n"));
}

} // namespace core
