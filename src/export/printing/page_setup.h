#pragma once

#include "core/app/host.h"

#include <algorithm>

namespace vornik::printing {

// A sheet of paper, in 0.01 mm (2540 an inch), as the print service gives
// media sizes.
struct PaperSize {
    int widthUnits = 0;
    int heightUnits = 0;

    bool operator==(const PaperSize&) const = default;
};

// The page a printer is sent: its paper, and the grid of dots per inch the
// symbols' edges are put on.
struct PageSetup {
    PaperSize paper;
    int dotsPerInch = 0;

    bool operator==(const PageSetup&) const = default;
};

// The one grid a page is drawn on for a printer whose two resolutions may
// differ (300 x 600). The smaller is taken: a bar edge on a whole dot of
// the coarser axis falls on a whole dot of the finer one too whenever the
// finer resolution is a multiple of the coarser, as printers' are.
[[nodiscard]] inline int pageDotsPerInch(const PrinterResolution& resolution) {
    return std::min(resolution.dotsPerInchX, resolution.dotsPerInchY);
}

} // namespace vornik::printing
