#pragma once

#include "export/raster/pixel_image.h"

#include <cstdint>
#include <cstring>

namespace vornik::exporting {

// The palette index of pixel (x, y) of a 1- or 8-bit picture.
[[nodiscard]] inline int paletteIndexAt(const PixelImage& image, int x, int y) {
    const auto row = image.row(y);
    if (image.bitsPerPixel == 1)
        return (row[static_cast<std::size_t>(x) / 8] >> (7 - x % 8)) & 1;
    return row[static_cast<std::size_t>(x)];
}

// The colour of pixel (x, y) at any of the three depths.
[[nodiscard]] inline Rgb colourAt(const PixelImage& image, int x, int y) {
    if (image.bitsPerPixel == 24) {
        const auto row = image.row(y);
        const std::size_t at = static_cast<std::size_t>(x) * 3;
        return {row[at], row[at + 1], row[at + 2]};
    }
    return image.palette[static_cast<std::size_t>(paletteIndexAt(image, x, y))];
}

// Whether a row of a picture repeats the row above it. Bars run the height
// of a symbol, so most rows do, and need not be looked at pixel by pixel.
[[nodiscard]] inline bool repeatsRowAbove(const PixelImage& picture, int y) {
    if (y <= 0)
        return false;
    const auto row = static_cast<std::size_t>(y);
    if (row < picture.sameAsAbove.size() && picture.sameAsAbove[row])
        return true;
    return std::memcmp(picture.row(y).data(), picture.row(y - 1).data(), picture.bytesPerRow()) ==
           0;
}

// Luminance weighted 299, 587, 114 (the television weights), scaled by 1000.
[[nodiscard]] inline int luminance(Rgb colour) {
    return 299 * colour.red + 587 * colour.green + 114 * colour.blue;
}

[[nodiscard]] inline bool isGrey(Rgb colour) {
    return colour.red == colour.green && colour.green == colour.blue;
}

} // namespace vornik::exporting
