#include "print/SystemPrinters.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace print {

QStringList SystemPrinters::names() const {
    return QPrinterInfo::availablePrinterNames();
}

void SystemPrinters::choose(QPrinter& printer) const {
    QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty()) name = names().value(0);
    printer.setPrinterName(name);
}

} // namespace print
