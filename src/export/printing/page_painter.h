#pragma once

#include "core/app/printer_page.h"

class QPainter;

namespace vornik::printing {

// Paints every picture of PAGE at true size onto a painter whose device
// coordinates run in dots from the paper's top-left corner (a QPrinter in
// full-page mode, a QPdfWriter without margins, an image of the whole
// sheet). The dots per inch across and down are the device's own, so a
// device of unequal resolutions gets each axis right.
void paintPrinterPage(const PrinterPage& page, QPainter& painter);

} // namespace vornik::printing
