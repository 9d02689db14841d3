#pragma once

#include <cstdint>

namespace vornik::printing {

// A rectangle of device dots, measured from the paper's top-left corner.
struct DeviceRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const DeviceRect&) const = default;
};

// Where a picture of EXTENT (0.01 mm, 2540 an inch) goes on a device of
// DOTS per inch across and down when its top-left corner is at the margins
// (inches from the paper's left and top edges): each edge and each length
// rounded to the nearest whole dot on its own axis.
[[nodiscard]] DeviceRect placeOnDevice(int dotsPerInchX, int dotsPerInchY, std::int32_t xExtent,
                                       std::int32_t yExtent, double leftInches, double topInches);

} // namespace vornik::printing
