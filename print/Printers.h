#pragma once
#include <QStringList>

class QPrinter;

namespace print {

// The printers the print window lists, and where it prints.
class Printers {
public:
    virtual ~Printers() = default;
    // Empty when no printer is installed.
    virtual QStringList names() const = 0;
    // Points a fresh printer at the output device.
    virtual void choose(QPrinter& printer) const = 0;
};

} // namespace print
