#include "platform/office/XlsxWorksheet.h"

#include "platform/office/OoxmlNames.h"
#include "platform/office/ReadLimits.h"
#include "platform/office/XlsxStrings.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <charconv>
#include <optional>

namespace platform {

namespace {

using namespace Qt::StringLiterals;

// "B3" → row 3, column 2; false unless it is a cell reference. Numbers past the grid stop just past it.
bool parseReference(QStringView ref, int& row, int& column) {
    int c = 0, r = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i) {
        const int letter = ref[i].toUpper().unicode() - 'A';
        if (letter < 0 || letter > 25) return false;
        c = std::min(c * 26 + letter + 1, limits::kSheetColumns + 1);
    }
    if (i == 0 || i == ref.size()) return false;
    for (; i < ref.size(); ++i) {
        if (!ref[i].isDigit()) return false;
        r = std::min(r * 10 + ref[i].digitValue(), limits::kSheetRows + 1);
    }
    if (r == 0) return false;
    row = r;
    column = c;
    return true;
}

// False, with the reader stopped, when a cell at this place could not be stored.
bool withinGrid(QXmlStreamReader& xml, int row, int column, const WorkbookSheet& sheet) {
    if (row > limits::kSheetRows)
        xml.raiseError(PastLimitText(QStringLiteral("行号超过%1").arg(limits::kSheetRows)));
    else if (column > limits::kSheetColumns)
        xml.raiseError(PastLimitText(QStringLiteral("列号超过XFD")));
    else if (sheet.cellCount() >= limits::kCells)
        xml.raiseError(PastLimitText(QStringLiteral("单元格超过%1个").arg(limits::kCells)));
    return !xml.hasError();
}

// std::from_chars is many times quicker than QString::toDouble, which shows on sheets of 20,000 rows.
std::optional<double> parseNumber(const QString& text) {
    char buffer[64];
    if (text.isEmpty() || text.size() > qsizetype(sizeof buffer)) return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() > 127) return std::nullopt;
        buffer[i] = char(text[i].unicode());
    }
    double value = 0;
    const char* end = buffer + text.size();
    const std::from_chars_result result = std::from_chars(buffer, end, value);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

QString displayedText(QStringView type, const QString& value, int style, const XlsxShared& shared) {
    if (type == "s"_L1) {
        bool ok = false;
        const int index = value.toInt(&ok);
        return ok ? shared.strings.value(index) : QString();
    }
    if (type == "b"_L1)
        return value == "1"_L1 ? QStringLiteral("TRUE") : value == "0"_L1 ? QStringLiteral("FALSE") : value;
    if (!type.isEmpty() && type != "n"_L1) return value; // str, inlineStr, e, d
    const std::optional<double> number = parseNumber(value);
    if (!number) return value;
    const NumberFormat format =
        style >= 0 && size_t(style) < shared.styles.size() ? shared.styles[size_t(style)] : NumberFormat();
    return format.text(*number, shared.date1904);
}

// The reader stands on a <c> with these attributes; leaves it on its end.
QString readCell(QXmlStreamReader& xml, const QXmlStreamAttributes& a, const XlsxShared& shared) {
    const QStringView type = a.value("t"_L1);
    const int style = a.value("s"_L1).toInt();
    QString value;
    while (xml.readNextStartElement()) {
        if (xml.name() == "v"_L1)
            value = xml.readElementText();
        else if (xml.name() == "is"_L1)
            value = ReadStringItem(xml);
        else
            xml.skipCurrentElement(); // the formula and extensions
    }
    return displayedText(type, value, style, shared);
}

} // namespace

bool ReadWorksheet(const QByteArray& bytes, const XlsxShared& shared, WorkbookSheet& sheet, QString* error) {
    QXmlStreamReader xml(bytes);
    // Writers may leave out row and cell references; then each continues from the one before.
    int row = 0, column = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == "row"_L1) {
            const qint64 r = xml.attributes().value("r"_L1).toLongLong();
            row = int(std::min<qint64>(r > 0 ? r : row + 1, limits::kSheetRows + 1));
            column = 0;
            if (!withinGrid(xml, row, column, sheet)) break;
        } else if (xml.name() == "c"_L1) {
            const QXmlStreamAttributes a = xml.attributes();
            if (!parseReference(a.value("r"_L1), row, column)) column = std::min(column + 1, limits::kSheetColumns + 1);
            if (!withinGrid(xml, row, column, sheet)) break;
            sheet.setText(row, column, readCell(xml, a, shared));
        }
    }
    if (xml.hasError()) {
        if (error) *error = XmlErrorText(xml);
        return false;
    }
    return true;
}

} // namespace platform
