#include "export/device_font.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace vornik::exporting {
namespace {

render::LogFont arial(std::int16_t height, std::int16_t width = 0) {
    render::LogFont font;
    font.height = height;
    font.width = width;
    font.faceName = "Arial";
    return font;
}

// A positive height is the cell, a negative one the em; the width stretches
// the average character to its value. Scales are pixels per unit.
struct SizeRow {
    const char* name;
    render::LogFont font;
    double heightScale;
    double widthScale;
    double cellPixels;    // ascent + descent, 0 when not checked
    int pixelSize;        // em in pixels, 0 when not checked
    double averagePixels; // stretched average width, 0 when not checked
};

// clang-format off
const SizeRow kSizeRows[] = {
    {"cell 351 units at 300 dpi", arial(351),    300 / 2540.0, 300 / 2540.0, 351 * 300 / 2540.0, 0, 0},
    {"cell 1000 units at 254 dpi", arial(1000),  0.1,          0.1,          100,                0, 0},
    {"cell scaled by y only",     arial(400),    0.2,          0.05,         80,                 0, 0},
    {"negative height is the em", arial(-500),   0.1,          0.1,          0,                  50, 0},
    {"width 130 units",           arial(400, 130), 0.1,        0.1,          40,                 0, 13},
    {"width scaled by x",         arial(400, 130), 0.1,        0.2,          40,                 0, 26},
};
// clang-format on

TEST(MakeDeviceFont, SizesTheCellEmAndWidthAsGdiDoes) {
    QImage device(10, 10, QImage::Format_RGB32);
    for (const SizeRow& row : kSizeRows) {
        const DeviceFont made = makeDeviceFont(row.font, row.heightScale, row.widthScale, &device);
        const QFontMetricsF metrics(made.font, &device);
        if (row.cellPixels > 0) {
            EXPECT_NEAR(metrics.ascent() + metrics.descent(), row.cellPixels, 1.0) << row.name;
        }
        if (row.pixelSize > 0) {
            EXPECT_EQ(made.font.pixelSize(), row.pixelSize) << row.name;
        }
        const double average = metrics.averageCharWidth() * made.horizontalScale;
        if (row.averagePixels > 0) {
            EXPECT_NEAR(average, row.averagePixels, 0.01) << row.name;
        } else {
            EXPECT_EQ(made.horizontalScale, 1.0) << row.name;
        }
    }
}

// "Arial" is not installed; fontconfig's alias finds its metric twin, in
// the weight asked for (0 meaning normal).
TEST(MakeDeviceFont, FindsArialsSubstituteInItsWeight) {
    QImage device(10, 10, QImage::Format_RGB32);
    const std::pair<std::int16_t, bool> rows[] = {{400, false}, {700, true}, {0, false}};
    for (const auto& [weight, bold] : rows) {
        render::LogFont log = arial(200);
        log.weight = weight;
        log.italic = 1;
        const QFontInfo face(makeDeviceFont(log, 0.1, 0.1, &device).font);
        EXPECT_EQ(face.family(), "Liberation Sans") << weight;
        EXPECT_EQ(face.bold(), bold) << weight;
        EXPECT_TRUE(face.italic()) << weight;
    }
}

} // namespace
} // namespace vornik::exporting
