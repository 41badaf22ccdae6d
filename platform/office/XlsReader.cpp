#include "platform/office/XlsReader.h"

#include "platform/office/NumberFormat.h"
#include "platform/office/XlsFormats.h"

#include <QDate>
#include <QFile>
#include <QTime>
#include <freexl.h>
#include <memory>

namespace platform {

namespace {

struct Closer {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using Handle = std::unique_ptr<const void, Closer>;

bool fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

bool check(int code, QString* error) {
    return code == FREEXL_OK || fail(error, QStringLiteral("FreeXL error %1").arg(code));
}

// FreeXL gives dates as "YYYY-MM-DD", times as "HH:MM:SS" and both as "YYYY-MM-DD HH:MM:SS"; counted back to a
// day number they are shown in the cell's pattern.
std::optional<double> serialOf(const char* text) {
    const QString s = QString::fromLatin1(text);
    const QDate date = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(s.right(8), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() && !time.isValid()) return std::nullopt;
    double serial = date.isValid() ? double(QDate(1899, 12, 30).daysTo(date)) : 0;
    if (date.isValid() && serial < 61) --serial; // the 1900 system's 29 February that never was
    if (time.isValid()) serial += time.msecsSinceStartOfDay() / 86400000.0;
    return serial;
}

QString momentText(const char* text, NumberFormat format, const char16_t* fallback) {
    const std::optional<double> serial = serialOf(text);
    if (!serial) return QString::fromLatin1(text);
    return (format.isDate() ? format : NumberFormat::fromCode(QStringView(fallback))).text(*serial);
}

QString cellText(const FreeXL_CellValue& cell, const NumberFormat& format, bool date1904) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return format.text(double(cell.value.int_value), date1904);
    case FREEXL_CELL_DOUBLE:
        return format.text(cell.value.double_value, date1904);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE:
        return momentText(cell.value.text_value, format, u"yyyy/m/d");
    case FREEXL_CELL_DATETIME:
        return momentText(cell.value.text_value, format, u"yyyy/m/d h:mm:ss");
    case FREEXL_CELL_TIME:
        return momentText(cell.value.text_value, format, u"h:mm:ss");
    default:
        return QString();
    }
}

bool readSheet(const void* xls, unsigned short index, const XlsFormats& formats, std::vector<WorkbookSheet>& sheets,
               QString* error) {
    const char* name = nullptr;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (!check(freexl_get_worksheet_name(xls, index, &name), error) ||
        !check(freexl_select_active_worksheet(xls, index), error) ||
        !check(freexl_worksheet_dimensions(xls, &rows, &columns), error))
        return false;
    WorkbookSheet& sheet = sheets.emplace_back(QString::fromUtf8(name));
    unsigned int dateMode = 0;
    freexl_get_info(xls, FREEXL_BIFF_DATEMODE, &dateMode);
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(xls, r, c, &cell) == FREEXL_OK)
                sheet.setText(
                    int(r) + 1, c + 1,
                    cellText(cell, formats.format(sheet.name(), r, c), dateMode == FREEXL_BIFF_DATEMODE_1904));
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<WorkbookSheet>> ReadXls(const QString& path, QString* error) {
    const void* raw = nullptr;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &raw);
    const Handle xls(raw); // FreeXL wants the handle closed even when opening failed
    if (!check(opened, error)) return std::nullopt;
    unsigned int protection = 0;
    unsigned int count = 0;
    if (!check(freexl_get_info(xls.get(), FREEXL_BIFF_PASSWORD, &protection), error) ||
        !check(freexl_get_info(xls.get(), FREEXL_BIFF_SHEET_COUNT, &count), error))
        return std::nullopt;
    // FreeXL cannot decrypt; it reports anything but "plain" for a protected workbook.
    if (protection != FREEXL_BIFF_PLAIN) {
        fail(error, QString::fromLatin1(kPasswordProtected));
        return std::nullopt;
    }
    const XlsFormats formats = XlsFormats::read(path);
    std::vector<WorkbookSheet> sheets;
    sheets.reserve(count);
    for (unsigned int i = 0; i < count; ++i) {
        if (!readSheet(xls.get(), static_cast<unsigned short>(i), formats, sheets, error)) return std::nullopt;
    }
    return sheets;
}

} // namespace platform
