#pragma once
#include "print/Printers.h"

namespace print {

// The printers of the system (CUPS); output goes to the default printer, else to the first one.
class SystemPrinters : public Printers {
public:
    QStringList names() const override;
    void choose(QPrinter& printer) const override;
};

} // namespace print
