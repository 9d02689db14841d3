#include "export/printing/placement.h"

#include <gtest/gtest.h>

namespace vornik::printing {
namespace {

// Each edge and length is rounded to the nearest dot on its own axis, halves
// to the even dot, so unequal resolutions stretch nothing.
TEST(Placement, PutsThePictureOnWholeDotsFromThePapersCorner) {
    // clang-format off
    const struct { const char* name; int dpiX, dpiY; int xExtent, yExtent; double left, top; DeviceRect expected; } rows[] = {
        // 2540 units are an inch.
        {"Equal300",          300, 300, 2540, 1270, 1.0, 0.5,  {300, 150, 300, 150}},
        {"Across300Down600",  300, 600, 2540, 1270, 1.0, 0.5,  {300, 300, 300, 300}},
        {"Across600Down300",  600, 300, 2540, 1270, 1.0, 0.5,  {600, 150, 600, 150}},
        {"ZeroMargins",       300, 600, 2540, 1270, 0.0, 0.0,  {0, 0, 300, 300}},
        // 3000 units at 300 dpi are 354.33 dots, at 600 dpi 708.66.
        {"FractionalSize",    300, 600, 3000, 3000, 0.0, 0.0,  {0, 0, 354, 709}},
        // Exact halves (eighths of an inch, quarter-inch extents) go to the
        // even dot: 1.5 -> 2, 2.5 -> 2, 4.5 -> 4, 7.5 -> 8, 3.5 -> 4.
        {"HalvesToEven",       12,  20,  635,  635, 0.125, 0.125, {2, 2, 3, 5}},
        {"OddHalvesToEven",    12,  20, 1270, 1270, 0.375, 0.375, {4, 8, 6, 10}},
        {"LengthHalves",       10,  14,  635,  635, 0.0,   0.0,   {0, 0, 2, 4}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(placeOnDevice(row.dpiX, row.dpiY, row.xExtent, row.yExtent, row.left, row.top),
                  row.expected);
    }
}

} // namespace
} // namespace vornik::printing
