#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vornik::exporting {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A raster as the file writers take it. Rows run top to bottom without
// padding between them:
// - 1 bit per pixel: a two-entry palette, eight pixels a byte, the leftmost
//   in the most significant bit, a row ending on a whole byte;
// - 8 bits per pixel: a palette of 1 to 256 entries, one index byte a pixel,
//   every index within the palette;
// - 24 bits per pixel: red, green, blue bytes a pixel, no palette.
struct PixelImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;
    double dotsPerInch = 0; // resolution the file records, so it prints at true size
    // Rows known to repeat the row above, where whoever drew the picture
    // knew it: then true for such a row (a row marked false may still
    // repeat). Empty when nothing is known. Most rows of a bar code repeat,
    // and knowing it spares comparing them. Whoever changes pixels keeps it
    // true to them.
    std::vector<bool> sameAsAbove;

    [[nodiscard]] std::size_t bytesPerRow() const {
        return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 7) / 8;
    }
    [[nodiscard]] std::span<const std::uint8_t> row(int y) const {
        return std::span<const std::uint8_t>(pixels).subspan(
            static_cast<std::size_t>(y) * bytesPerRow(), bytesPerRow());
    }
};

} // namespace vornik::exporting
