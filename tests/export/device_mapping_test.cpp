#include "export/device_mapping.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vornik::exporting {
namespace {

// Sides in pixels: a whole inch, an exact product kept exact, and sides no
// picture can have, held at 1 and at the largest int rather than overflowing.
TEST(DeviceMappingTest, DevicePixelsStayWithinAnInt) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        int units;
        double dotsPerInch;
        int pixels;
    } rows[] = {
        {"OneInch", 2540, 300, 300},
        {"ExactProduct", 127, 600, 30},
        {"PartOfAPixel", 1, 300, 1},
        {"NoExtent", 0, 300, 1},
        {"NegativeExtent", -2540, 300, 1},
        {"NoResolution", 2540, std::nan(""), 1},
        {"LargestPictureAtTheHighestResolution", 32767, 1440, 18577},
        {"LargestIntAtAHugeResolution", std::numeric_limits<int>::max(), 1e9, kMostDevicePixels},
        {"InfiniteResolution", 1, kInfinity, kMostDevicePixels},
    };
    for (const auto& row : rows)
        EXPECT_EQ(devicePixels(row.units, row.dotsPerInch), row.pixels) << row.name;
}

} // namespace
} // namespace vornik::exporting
