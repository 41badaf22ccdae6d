#pragma once
#include "platform/office/NumberFormat.h"

#include <QByteArray>
#include <vector>

namespace platform {

// The number format of every cell style of xl/styles.xml, indexed as the "s" attribute of a cell refers
// to it. Styles only change how numbers look, so a damaged part yields what could be read.
std::vector<NumberFormat> ReadCellFormats(const QByteArray& xml);

} // namespace platform
