#pragma once
#include <QFont>
#include <QSize>
#include <QStringList>

class QFontMetrics;

namespace modes {

// Texts for the audience screen, laid out so that they stay whole and legible.

// The font, made smaller where needed, in which the text fits the box whole.
QFont FontToFit(QFont font, const QString& text, const QSize& box);

// The history lines, newest first, broken into rows only between their fields (never
// inside a name), each row at most width wide; records that would pass the height are left
// out whole. Rows are joined by line feeds.
QString HistoryRows(const QStringList& lines, const QFontMetrics& metrics, int width, int height);

} // namespace modes
