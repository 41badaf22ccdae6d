#include "core/GeneralOptions.h"

#include "core/NumberText.h"

namespace core {

namespace {

QString BoolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QStringList GeneralOptions::read(const QString& text) {
    struct Flag {
        const char* key;
        bool* value;
    };
    struct Number {
        const char* key;
        qint16* value;
    };
    const Flag flags[] = {{"RandomWaitingList", &RandomWaitingList},
                          {"RandomFlashing", &RandomFlashing},
                          {"DeleteHistoryWhenExit", &DeleteHistoryWhenExit},
                          {"AutoSetFontSize", &AutoSetFontSize}};
    const Number numbers[] = {
        {"RandomFlashingStyle", &RandomFlashingStyle},   {"RandomFlashing_Wei_1", &RandomFlashing_Wei_1},
        {"RandomFlashing_Wei_2", &RandomFlashing_Wei_2}, {"RandomFlashing_Wei_3", &RandomFlashing_Wei_3},
        {"RandomFlashing_Wei_4", &RandomFlashing_Wei_4}, {"RandomFlashing_CharStyle", &RandomFlashing_CharStyle}};

    QStringList unknown;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.isEmpty()) continue;
        const QStringList parts = line.split(u'=');
        const QString& key = parts[0];
        const bool hasValue = parts.size() > 1;
        const QString value = hasValue ? parts[1] : QString();
        bool known = false;
        for (const Flag& f : flags)
            if (key == QLatin1String(f.key)) {
                known = true;
                if (hasValue) *f.value = value == QLatin1String("True");
            }
        for (const Number& n : numbers)
            if (key == QLatin1String(n.key)) {
                known = true;
                if (hasValue) *n.value = LeadingInt16(value);
            }
        if (key == QLatin1String("RandomFlashing_MyChar")) {
            known = true;
            if (hasValue) RandomFlashing_MyChar = value;
        }
        if (!known) unknown << line;
    }
    return unknown;
}

QString GeneralOptions::write() const {
    const QStringList lines = {
        QStringLiteral("RandomWaitingList=") + BoolText(RandomWaitingList),
        QStringLiteral("RandomFlashing=") + BoolText(RandomFlashing),
        QStringLiteral("RandomFlashingStyle=%1").arg(RandomFlashingStyle),
        QStringLiteral("RandomFlashing_Wei_1=%1").arg(RandomFlashing_Wei_1),
        QStringLiteral("RandomFlashing_Wei_2=%1").arg(RandomFlashing_Wei_2),
        QStringLiteral("RandomFlashing_Wei_3=%1").arg(RandomFlashing_Wei_3),
        QStringLiteral("RandomFlashing_Wei_4=%1").arg(RandomFlashing_Wei_4),
        QStringLiteral("RandomFlashing_CharStyle=%1").arg(RandomFlashing_CharStyle),
        QStringLiteral("RandomFlashing_MyChar=") + RandomFlashing_MyChar,
        QStringLiteral("DeleteHistoryWhenExit=") + BoolText(DeleteHistoryWhenExit),
        QStringLiteral("AutoSetFontSize=") + BoolText(AutoSetFontSize),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace core
