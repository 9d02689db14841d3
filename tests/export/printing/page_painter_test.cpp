// The page painter on images of the whole sheet, with equal and unequal
// resolutions: symbols land at their margins from the paper's corner and
// keep their true size on each axis.

#include "export/printing/page_painter.h"
#include "export/printing/placement.h"
#include "printed_page.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace vornik::printing {
namespace {

// A white sheet of WIDTH x HEIGHT inches whose resolution is DPI_X across
// and DPI_Y down, as a printer's page is.
QImage sheet(double widthInches, double heightInches, int dpiX, int dpiY) {
    QImage image(static_cast<int>(widthInches * dpiX), static_cast<int>(heightInches * dpiY),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    return image;
}

QImage painted(const PrinterPage& page, QImage image) {
    QPainter painter(&image);
    paintPrinterPage(page, painter);
    painter.end();
    return image;
}

TEST(PagePainter, SymbolLandsAtItsMarginsOnEveryResolution) {
    const render::CurrentPicture picture = builtPicture(kEdgeToEdgeSymbol);
    ASSERT_NE(picture.metafile, nullptr);
    // clang-format off
    const struct { const char* name; int dpiX, dpiY; double left, top; QPoint corner; } rows[] = {
        {"Across300Down600", 300, 600, 1.0, 0.5, {300, 300}},
        {"Across600Down300", 600, 300, 1.0, 0.5, {600, 150}},
        {"Equal300",         300, 300, 1.0, 0.5, {300, 150}},
        {"ZeroMargins",      300, 600, 0.0, 0.0, {0, 0}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image =
            painted({{picture, row.left, row.top}}, sheet(3, 2, row.dpiX, row.dpiY));
        ASSERT_EQ(image.logicalDpiX(), row.dpiX);
        ASSERT_EQ(image.logicalDpiY(), row.dpiY);
        const QRect box = darkBox(image);
        EXPECT_EQ(box.topLeft(), row.corner);
        // True size on each axis: the placement's whole dots, give or take
        // the one the player's own rounding of the far edge may add.
        const DeviceRect expected =
            placeOnDevice(row.dpiX, row.dpiY, picture.xExtent, picture.yExtent, 0, 0);
        EXPECT_NEAR(box.width(), expected.width, 1);
        EXPECT_NEAR(box.height(), expected.height, 1);
    }
}

// Two symbols on one sheet, each at its own margins; and a page with a
// picture missing paints the others.
TEST(PagePainter, PaintsEverySymbolOfThePage) {
    const render::CurrentPicture first = builtPicture(kEdgeToEdgeSymbol);
    const render::CurrentPicture second = builtPicture("[DATAMATRIX][MESSAGE='VORNIK DM']");
    ASSERT_NE(first.metafile, nullptr);
    ASSERT_NE(second.metafile, nullptr);
    const QImage image =
        painted({{first, 0.25, 0.25}, {render::CurrentPicture{}, 0, 0}, {second, 2.0, 1.0}},
                sheet(3, 2, 300, 600));
    // The Code 128 symbol is 1.31 in wide: the sheet's left two inches hold
    // it alone.
    const QRect left = darkBox(image, QRect(0, 0, 600, image.height()));
    const QRect right = darkBox(image, QRect(600, 0, image.width() - 600, image.height()));
    EXPECT_EQ(left.topLeft(), QPoint(75, 150));
    EXPECT_EQ(right.topLeft(), QPoint(600, 600));
    // Bars stretched twice as tall as wide still read.
    EXPECT_EQ(decodeArea(image, left, ZXing::BarcodeFormat::Code128), kEdgeToEdgeMessage);
}

} // namespace
} // namespace vornik::printing
