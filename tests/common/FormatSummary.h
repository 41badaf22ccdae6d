#pragma once
#include <QFont>
#include <QStringList>
#include <QTextCharFormat>

// The character properties of a format in one comparable line, e.g. "bold size=12 fg=#ff0000".
inline QString Summary(const QTextCharFormat& f) {
    QStringList parts;
    if (f.fontWeight() >= QFont::DemiBold) parts << "bold";
    if (f.fontItalic()) parts << "italic";
    if (f.fontUnderline()) parts << "underline";
    if (f.fontStrikeOut()) parts << "strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) parts << "super";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) parts << "sub";
    if (f.hasProperty(QTextFormat::FontPointSize)) parts << QString("size=%1").arg(f.fontPointSize());
    if (!f.fontFamilies().toStringList().isEmpty()) parts << "font=" + f.fontFamilies().toStringList().join(',');
    if (f.hasProperty(QTextFormat::ForegroundBrush)) parts << "fg=" + f.foreground().color().name();
    if (f.hasProperty(QTextFormat::BackgroundBrush)) parts << "bg=" + f.background().color().name();
    return parts.join(u' ');
}
