#include "export/device_font.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace vornik::exporting {
namespace {

// A positive height is the character cell (ascent plus descent), a negative one the em; a width
// stretches the average character to it; weight 0 is normal. Scales are pixels per unit.
TEST(MakeDeviceFont, SizesTheCellEmAndWidthAsGdiDoes) {
    // Height, width and weight in units; y and x scales; cell and stretched average width in
    // pixels (0: not stretched). 41.46 = 351 * 300 / 2540.
    // clang-format off
    const std::tuple<const char*, std::int16_t, std::int16_t, std::int16_t, double, double, double,
                     double> rows[] = {
        {"cell 351 units at 300 dpi", 351, 0, 700, 300 / 2540.0, 300 / 2540.0, 41.46, 0},
        {"cell by y, width by x", 400, 130, 0, 0.1, 0.2, 40, 26}};
    // clang-format on
    const QImage device(10, 10, QImage::Format_RGB32);
    for (const auto& [name, height, width, weight, yScale, xScale, cell, average] : rows) {
        SCOPED_TRACE(name);
        const DeviceFont made = makeDeviceFont(
            {.height = height, .width = width, .weight = weight, .faceName = "Arial"}, yScale,
            xScale, &device);
        const QFontMetricsF metrics(made.font, &device);
        EXPECT_EQ(made.font.weight(), weight == 0 ? 400 : weight);
        EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, 1.0);
        EXPECT_NEAR(metrics.averageCharWidth() * made.horizontalScale,
                    average > 0 ? average : metrics.averageCharWidth(), 0.01);
    }
    const DeviceFont em = makeDeviceFont({.height = -500, .faceName = "Arial"}, 0.1, 0.1, &device);
    EXPECT_EQ(em.font.pixelSize(), 50);
}

} // namespace
} // namespace vornik::exporting
