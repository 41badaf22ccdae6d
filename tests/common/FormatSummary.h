#pragma once
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

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

// "text[summary]" for every fragment of the document, blocks separated by '|'.
inline QString Fragments(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString block;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            block += it.fragment().text() + "[" + Summary(it.fragment().charFormat()) + "]";
        blocks << block;
    }
    return blocks.join(u'|');
}

// Vertical alignment of each character of the first block: '^' raised, '_' lowered, '.' on the line.
inline QString Scripts(const QTextDocument& doc) {
    QString marks;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
        const auto v = it.fragment().charFormat().verticalAlignment();
        const QChar mark = v == QTextCharFormat::AlignSuperScript ? u'^'
                           : v == QTextCharFormat::AlignSubScript ? u'_'
                                                                  : u'.';
        marks += QString(it.fragment().length(), mark);
    }
    return marks;
}
