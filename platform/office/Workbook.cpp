#include "platform/office/Workbook.h"

#include "platform/office/XlsChild.h"
#include "platform/office/XlsReader.h"
#include "platform/office/XlsxReader.h"
#include "platform/system/FailureReason.h"

#include <QFile>

namespace platform {

namespace {

// Legacy workbooks are compound files; Office Open XML ones are zip packages.
const QByteArray kCompoundSignature = QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
const QByteArray kZipSignature = QByteArrayLiteral("PK\x03\x04");

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

} // namespace

std::optional<Workbook> Workbook::open(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, FileFailureReason(file));
        return std::nullopt;
    }
    const QByteArray head = file.read(kCompoundSignature.size());
    file.close();
    std::optional<std::vector<WorkbookSheet>> sheets;
    if (head == kCompoundSignature)
        sheets = ReadXlsInChild(DefaultXlsReader(), path, error);
    else if (head.startsWith(kZipSignature))
        sheets = ReadXlsx(path, error);
    else
        setError(error, QStringLiteral("这不是Excel工作簿（.xlsx、.xls）文件"));
    if (!sheets) {
        // The readers' technical words (English) are told with what they mean first; reasons already in
        // Chinese are the user's words.
        if (error && !error->isEmpty() && error->front().script() != QChar::Script_Han) {
            *error = *error == QLatin1StringView(kPasswordProtected)
                         ? QStringLiteral("工作簿设有密码保护，无法读取")
                         : QStringLiteral("工作簿已损坏，或其格式不受支持（%1）").arg(*error);
        }
        return std::nullopt;
    }
    return Workbook(std::move(*sheets));
}

QStringList Workbook::sheetNames() const {
    QStringList names;
    for (const WorkbookSheet& s : sheets_)
        names << s.name();
    return names;
}

int Workbook::sheetIndex(const QString& name) const {
    for (size_t i = 0; i < sheets_.size(); ++i) {
        if (sheets_[i].name().compare(name, Qt::CaseInsensitive) == 0) return int(i);
    }
    return -1;
}

const WorkbookSheet* Workbook::sheet(int index) const {
    return index >= 0 && size_t(index) < sheets_.size() ? &sheets_[size_t(index)] : nullptr;
}

QString Workbook::cellText(int index, int row, int column) const {
    const WorkbookSheet* s = sheet(index);
    return s ? s->text(row, column) : QString();
}

int Workbook::rowCount(int index) const {
    const WorkbookSheet* s = sheet(index);
    return s ? s->rowCount() : 0;
}

int Workbook::columnCount(int index) const {
    const WorkbookSheet* s = sheet(index);
    return s ? s->columnCount() : 0;
}

} // namespace platform
