#include "export/printing/page_painter.h"

#include "export/player.h"
#include "export/printing/placement.h"

#include <QPaintDevice>
#include <QPainter>

namespace vornik::printing {

void paintPrinterPage(const PrinterPage& page, QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr)
        return;
    const int dotsPerInchX = device->logicalDpiX();
    const int dotsPerInchY = device->logicalDpiY();
    for (const PlacedPicture& placed : page) {
        if (placed.picture.metafile == nullptr)
            continue;
        const DeviceRect rect =
            placeOnDevice(dotsPerInchX, dotsPerInchY, placed.picture.xExtent,
                          placed.picture.yExtent, placed.leftInches, placed.topInches);
        exporting::playMetafile(*placed.picture.metafile, painter,
                                QRectF(rect.left, rect.top, rect.width, rect.height));
    }
}

} // namespace vornik::printing
